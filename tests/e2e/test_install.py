"""The game installed by `make install`, staged, and taken away again."""

import os
import shutil
import subprocess
import tempfile
import unittest

from PIL import Image

from rerara import BUILD, SOURCE, Game, colour_pixels, own_screen, run


class Install(unittest.TestCase):
    def test_staged_install_starts_anywhere_writes_to_the_player_and_uninstalls(self):
        stage, home = tempfile.mkdtemp(), tempfile.mkdtemp()
        for folder in (stage, home):
            self.addCleanup(shutil.rmtree, folder, True)
        usr, own = stage + "/usr", home + "/.local/share/rerara"
        os.makedirs(usr + "/share/applications")  # a standard folder there before: it stays
        lists = [BUILD + "/install_manifest.txt", BUILD + "/install_folders.txt"]  # a real install's, kept aside
        for kept in lists:
            if os.path.exists(kept):
                os.replace(kept, kept + ".kept")
        try:
            run("make", "-C", SOURCE, "BUILD=" + BUILD, "install", "DESTDIR=" + stage, "PREFIX=/usr")
            run("desktop-file-validate", usr + "/share/applications/rerara.desktop")
            os.makedirs(home + "/bin")
            run("cp", usr + "/games/rerara", home + "/bin")
            alone = subprocess.run([home + "/bin/rerara"], capture_output=True, text=True)  # no data beside it
            self.assertEqual((alone.returncode, alone.stderr), (1, "rerara: cannot find the installed game: looked for "
                             "%s/share/games/rerara/playerdata.txt and %s/libexec/rerara/rerara\n" % (home, home)))

            # Data read-only to the player (root becomes nobody for that), who has own settings.
            os.makedirs(own)
            with open(own + "/settings.txt", "w") as f:
                f.write("volume 200\n")
            run("chmod", "-R", "a+rX", stage, home)
            run("chmod", "-R", "a+w", home)
            run("chmod", "-R", "a-w", usr + "/share/games/rerara")
            player = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"] if os.geteuid() == 0 else []
            env = {"HOME": home, "XDG_DATA_HOME": ""}
            with own_screen("1600x1200"), Game(command=[*player, usr + "/games/rerara", "--free-flight"], env=env) as game:
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
            for kept in lists:
                if os.path.exists(kept + ".kept"):
                    os.replace(kept + ".kept", kept)
        # Every folder the install made is gone, and only those.
        self.assertEqual(run("find", stage).split(), [stage, usr, usr + "/share", usr + "/share/applications"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
