"""Runs each libFuzzer target for a while, seeded with the shipped data.

Usage: run_fuzzers.py BUILD-DIR SECONDS [TARGET...]
A crash leaves its input under BUILD-DIR/fuzz-artifacts/TARGET/; once the
fault is fixed, keep that input in fuzz/regressions/TARGET/ so that
`make test` replays it.
"""

import array
import io
import os
import subprocess
import sys
import time
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "..", "data")
SEPARATOR = b"\n====\n"
# A save in the middle of the shipped campaign, landed on a planet of world 1.
SAVE = (b"version 1\ndifficulty normal\nworld 1\ncleared 0\nscore 2900\nkills 24\ndeaths 1\n"
        b"time 95000\nrespawn planet 0 1\nhealth 640\n")


def data(*names):
    parts = []
    for name in names:
        with open(os.path.join(DATA, name), "rb") as f:
            parts.append(f.read())
    return SEPARATOR.join(parts)


def short_wav(name, width, channels):
    """The start of a shipped sound, small enough for -max_len, in another sample width and channel count."""
    with wave.open(os.path.join(DATA, "sounds", name), "rb") as source:
        rate = source.getframerate()
        samples = array.array("h", source.readframes(2000))
    if width == 1:
        samples = array.array("B", [(v >> 8) + 128 for v in samples])
    if channels == 2:
        samples = array.array(samples.typecode, [v for v in samples for _ in range(2)])
    out = io.BytesIO()
    with wave.open(out, "wb") as sink:
        sink.setnchannels(channels)
        sink.setsampwidth(width)
        sink.setframerate(rate)
        sink.writeframes(samples.tobytes())
    return out.getvalue()


def seeds(target):
    """The shipped files, cut and joined the way each target reads its input."""
    if target == "tables":
        return [data("weapondata.txt", "shipdata.txt")]
    if target == "player":
        return [data("playerdata.txt")]
    if target == "world":
        return [data("stardata.txt", "planetdata.txt", "wormholedata.txt")]
    if target == "emitters":
        return [data("emitterShade0.txt"), data("emitterShade1.txt")]
    if target == "shaders":
        return [data("shader%d.vs" % n, "shader%d.fs" % n) for n in range(3)]
    if target == "sounds":
        return [short_wav(name, width, channels) for name in sorted(os.listdir(os.path.join(DATA, "sounds")))
                for width, channels in ((2, 1), (1, 2))]
    if target == "campaign":
        return [data("campaign/campaign.txt", "campaign/stardata.txt", "campaign/planetdata.txt",
                     "campaign/wormholedata.txt", "settings.txt") + SEPARATOR + SAVE]
    if target == "upgrades":
        return [data("campaign/upgrades.txt")]
    if target == "recordings":
        kept = os.path.join(HERE, "..", "tests", "replays")
        return [open(os.path.join(kept, name), "rb").read() for name in sorted(os.listdir(kept))
                if name.endswith(".replay")]
    raise SystemExit("unknown target " + target)


def run(build, seconds, target):
    # The targets work in a scratch folder of their own, so every path is absolute.
    build = os.path.abspath(build)
    corpus = os.path.join(build, "fuzz-corpus", target)
    artifacts = os.path.join(build, "fuzz-artifacts", target) + "/"
    os.makedirs(corpus, exist_ok=True)
    os.makedirs(artifacts, exist_ok=True)
    for i, seed in enumerate(seeds(target)):
        with open(os.path.join(corpus, "shipped-%d" % i), "wb") as f:
            f.write(seed)
    regressions = os.path.join(HERE, "regressions", target)
    command = [os.path.join(build, "fuzz", "fuzz_" + target), corpus, regressions,
               "-max_total_time=%d" % seconds, "-close_fd_mask=1", "-rss_limit_mb=4096",
               "-timeout=20", "-max_len=65536", "-print_final_stats=1",
               "-artifact_prefix=" + artifacts]
    started = time.time()
    log_path = os.path.join(build, "fuzz-%s.log" % target)
    with open(log_path, "w") as log:
        result = subprocess.run(command, stdout=log, stderr=subprocess.STDOUT, check=False)
    with open(log_path) as log:
        lines = log.read().splitlines()
    runs = [l for l in lines if l.startswith("stat::number_of_executed_units")]
    print("fuzz_%s: %s after %.0f s, %s" % (target, "clean" if result.returncode == 0 else "FAILED",
                                             time.time() - started,
                                             runs[0].split(":")[-1].strip() + " runs" if runs else "no stats"))
    if result.returncode != 0:
        print("\n".join(lines[-40:]))
        print("inputs kept under " + artifacts)
    return result.returncode == 0


def main():
    build, seconds = sys.argv[1], int(sys.argv[2])
    targets = sys.argv[3:] or ["tables", "player", "world", "emitters", "shaders", "sounds", "campaign", "upgrades",
                               "recordings"]
    results = [run(build, seconds, target) for target in targets]
    sys.exit(0 if all(results) else 1)


if __name__ == "__main__":
    main()
