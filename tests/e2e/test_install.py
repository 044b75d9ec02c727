"""The game installed: staged by `make install`, and as a Debian package."""

import glob
import os
import shutil
import subprocess
import tempfile
import unittest

from PIL import Image

from rerara import BINARY, Game, colour_pixels, own_screen

BUILD = os.path.dirname(os.path.abspath(BINARY))
SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "../..")


def run(*command):
    done = subprocess.run(command, capture_output=True, text=True, timeout=600)
    assert done.returncode == 0, " ".join(command) + " failed:\n" + done.stdout + done.stderr
    return done.stdout


class Install(unittest.TestCase):
    def test_staged_install_starts_anywhere_writes_to_the_player_and_uninstalls(self):
        stage, home = tempfile.mkdtemp(), tempfile.mkdtemp()
        for folder in (stage, home):
            self.addCleanup(shutil.rmtree, folder, True)
        usr, own = stage + "/usr", home + "/.local/share/rerara"
        manifest = BUILD + "/install_manifest.txt"  # a real install's, kept aside
        if os.path.exists(manifest):
            os.replace(manifest, manifest + ".kept")
        try:
            run("make", "-C", SOURCE, "BUILD=" + BUILD, "install", "DESTDIR=" + stage, "PREFIX=/usr")
            run("desktop-file-validate", usr + "/share/applications/rerara.desktop")
            os.makedirs(home + "/bin")
            run("cp", usr + "/bin/rerara", home + "/bin")
            alone = subprocess.run([home + "/bin/rerara"], capture_output=True, text=True)  # no data beside it
            self.assertEqual((alone.returncode, alone.stderr), (1, "rerara: cannot find the installed game: looked for "
                             "%s/share/rerara/playerdata.txt and %s/libexec/rerara/rerara\n" % (home, home)))

            # Data read-only to the player (root becomes nobody for that), who has own settings.
            os.makedirs(own)
            with open(own + "/settings.txt", "w") as f:
                f.write("volume 200\n")
            run("chmod", "-R", "a+rX", stage, home)
            run("chmod", "-R", "a+w", home)
            run("chmod", "-R", "a-w", usr + "/share/rerara")
            player = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"] if os.geteuid() == 0 else []
            env = {"HOME": home, "XDG_DATA_HOME": ""}
            with own_screen("1600x1200"), Game(command=[*player, usr + "/bin/rerara"], env=env) as game:
                game.start()
                self.assertIn(own + "/settings.txt line 1: volume must be a whole number from 0 to 100, using 100",
                              game.lines())
                game.key("F12")
                self.assertTrue(game.wait_for_line("Screenshot saved: " + own + "/screenshots/rerara-0001.png"))
            with Image.open(own + "/screenshots/rerara-0001.png") as shot:  # the radar is there
                self.assertGreater(colour_pixels(shot, (0, 0, 200, 200), lambda r, g, b: g > 150 and r < 150), 500)
            run("chmod", "-R", "u+w", stage)
            run("make", "-C", SOURCE, "BUILD=" + BUILD, "uninstall", "DESTDIR=" + stage)
        finally:
            if os.path.exists(manifest + ".kept"):
                os.replace(manifest + ".kept", manifest)
        self.assertEqual(run("find", stage, "-type", "f"), "")
        self.assertFalse(os.path.exists(usr + "/share/rerara") or os.path.exists(usr + "/libexec/rerara"))

    @unittest.skipUnless(os.geteuid() == 0, "installing the package takes root, as in CI")
    def test_package_installs_starts_from_its_menu_entry_and_goes_away(self):
        status = subprocess.run(["dpkg-query", "-W", "-f=${Status}", "rerara"], capture_output=True, text=True)
        if "installed" in status.stdout.split():
            self.skipTest("a rerara package is installed already, and this test would remove it")
        folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, folder, True)
        run("cpack", "--config", BUILD + "/CPackConfig.cmake", "-B", folder)
        run("apt-get", "install", "-y", glob.glob(folder + "/rerara_*.deb")[0])
        try:
            files = [f for f in run("dpkg", "-L", "rerara").splitlines() if os.path.isfile(f)]
            with open("/usr/share/applications/rerara.desktop") as entry:
                command = [line[5:].split() for line in entry if line.startswith("Exec=")][0]
            with Game(command=command) as game:
                game.start()
        finally:
            run("apt-get", "remove", "-y", "rerara")
        self.assertEqual([f for f in files if os.path.lexists(f)], [])
        self.assertFalse(os.path.exists("/usr/share/rerara") or os.path.exists("/usr/libexec/rerara"))


if __name__ == "__main__":
    unittest.main(verbosity=2)
