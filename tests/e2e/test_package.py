"""The Debian package: built from the game already built, installed with apt,
started from another folder, removed with nothing of it left."""

import glob
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

from rerara import BINARY, Game, radar_shown

BUILD = os.path.dirname(os.path.abspath(BINARY))
SKIPPED = 77  # ctest reports the test as skipped


def run(*command):
    env = {**os.environ, "DEBIAN_FRONTEND": "noninteractive"}
    done = subprocess.run(command, capture_output=True, text=True, env=env, timeout=600)
    if done.returncode != 0:
        raise AssertionError(" ".join(command) + " failed:\n" + done.stdout + done.stderr)
    return done.stdout


def installed():
    status = subprocess.run(["dpkg-query", "-W", "-f=${Status}", "rerara"], capture_output=True, text=True)
    return "installed" in status.stdout.split()


class Package(unittest.TestCase):
    def test_package_installs_starts_from_anywhere_and_goes_away(self):
        folder = tempfile.mkdtemp(prefix="rerara-deb-")
        os.chmod(folder, 0o755)  # apt's own user reads the file
        run("cpack", "--config", os.path.join(BUILD, "CPackConfig.cmake"), "-B", folder)
        package = glob.glob(os.path.join(folder, "rerara_*.deb"))[0]
        run("apt-get", "install", "-y", "-q", package)
        try:
            files = [f for f in run("dpkg", "-L", "rerara").splitlines() if os.path.isfile(f)]
            self.assertIn("/usr/share/rerara/FONT-LICENSE.txt", files)
            # Started the way the menu starts it.
            with open("/usr/share/applications/rerara.desktop") as entry:
                command = [line[5:].split() for line in entry if line.startswith("Exec=")][0]
            with Game(command=command) as game:
                game.start()
                self.assertTrue(radar_shown(game, "package-from-elsewhere"))
                game.key("q")
                self.assertEqual(game.wait_exit(), 0)
        finally:
            run("apt-get", "remove", "-y", "-q", "rerara")
        self.assertFalse(installed())
        self.assertEqual([f for f in files if os.path.lexists(f)], [])
        self.assertFalse(os.path.exists("/usr/share/rerara") or os.path.exists("/usr/libexec/rerara"))
        shutil.rmtree(folder)


if __name__ == "__main__":
    if os.geteuid() != 0:
        print("Skipped: installing the package takes root (CI runs as root); make deb builds it")
        sys.exit(SKIPPED)
    if installed():
        print("Skipped: a rerara package is installed already, and this test would remove it")
        sys.exit(SKIPPED)
    unittest.main(verbosity=2)
