#!/usr/bin/env bash
# Tries the project as a new user would, on a fresh Debian 12 minbase with only
# make and git added: builds one with debootstrap in a scratch folder, clones
# this repository's committed HEAD into it and runs `make test` there as root,
# so a package the install script misses fails here rather than on a new
# machine. Needs root and Debian's mirror; removes the folder when done.
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
  echo "fresh-machine-test: needs root (debootstrap, chroot and mount)" >&2
  exit 1
fi
if ! command -v debootstrap > /dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap > /dev/null
fi
source=$(git rev-parse --show-toplevel)
root=$(mktemp -d /var/tmp/rerara-fresh-XXXXXX)
chmod 755 "$root"  # its / : the tests run the game as nobody too
mounts=(proc dev dev/pts dev/shm sys)
processes_inside() {
  local p
  for p in /proc/[0-9]*; do
    if [ "$(readlink "$p/root" 2> /dev/null)" = "$root" ]; then echo "${p#/proc/}"; fi
  done
}
cleanup() {
  set +e
  # An X server the tests started may still be shutting down, holding the
  # mounts: wait for everything inside to end, and end what is left after 30 s.
  local inside i
  for i in $(seq 30); do
    inside=$(processes_inside)
    if [ -z "$inside" ]; then break; fi
    sleep 1
  done
  if [ -n "$inside" ]; then kill $inside; sleep 2; fi
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    if mountpoint -q "$root/${mounts[i]}" && ! umount "$root/${mounts[i]}"; then
      echo "fresh-machine-test: $root/${mounts[i]} stays mounted: unmount it and remove $root by hand" >&2
      exit 1
    fi
  done
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT

echo "fresh-machine-test: debootstrap into $root"
debootstrap --variant=minbase bookworm "$root" > "$root.log" 2>&1 || { cat "$root.log"; exit 1; }
rm -f "$root.log"
cp /etc/resolv.conf "$root/etc/resolv.conf"
chroot "$root" sh -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq make git > /dev/null'
mkdir -p "$root/work"
git clone -q "$source" "$root/work/rerara"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs tmpfs "$root/dev/shm"
mount --bind /sys "$root/sys"
# A chroot shares the machine's abstract X sockets: keep its xvfb-run off the
# display numbers the machine's own take.
for i in $(seq 99 199); do touch "$root/tmp/.X$i-lock"; done
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  bash -c 'cd /work/rerara && make test' < /dev/null
