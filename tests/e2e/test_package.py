"""The Debian package: clean for lintian, installed and started from its menu
entry; even as root it writes only to the player's folder, and it goes away whole."""

import glob
import os
import shutil
import subprocess
import tempfile
import unittest

import rerara
from rerara import BUILD, Game, run


class Package(unittest.TestCase):
    @unittest.skipUnless(os.geteuid() == 0, "installing the package takes root, as in CI")
    def test_package_installs_starts_from_its_menu_entry_and_goes_away(self):
        status = subprocess.run(["dpkg-query", "-W", "-f=${Status}", "rerara"], capture_output=True, text=True)
        if "installed" in status.stdout.split():
            self.skipTest("a rerara package is installed already, and this test would remove it")
        folder, home = tempfile.mkdtemp(), tempfile.mkdtemp()
        for made in (folder, home):
            self.addCleanup(shutil.rmtree, made, True)
        run("cpack", "--config", BUILD + "/CPackConfig.cmake", "-B", folder)
        package = glob.glob(folder + "/rerara_*.deb")[0]
        lint = subprocess.run(["lintian", "--fail-on", "error,warning", package], capture_output=True, text=True)
        self.assertEqual(lint.returncode, 0, lint.stdout + lint.stderr)
        run("apt-get", "install", "-y", package)
        try:
            files = [f for f in run("dpkg", "-L", "rerara").splitlines() if os.path.isfile(f)]
            with open("/usr/share/applications/rerara.desktop") as entry:
                command = [line[5:].split() for line in entry if line.startswith("Exec=")][0]
            # Found as a player's session finds it, with the games folder on PATH.
            env = {"HOME": home, "XDG_DATA_HOME": "", "PATH": os.environ["PATH"] + ":/usr/games"}
            with Game(command=command, env=env) as game:
                game.start()
                game.key("F12")
                self.assertTrue(game.wait_for_line(
                    "Screenshot saved: " + home + "/.local/share/rerara/screenshots/rerara-0001.png"), game.output())
        finally:
            run("apt-get", "remove", "-y", "rerara")
        self.assertEqual([f for f in files if os.path.lexists(f)], [])
        self.assertFalse(os.path.exists("/usr/share/games/rerara") or os.path.exists("/usr/libexec/rerara"))


if __name__ == "__main__":
    rerara.main()
