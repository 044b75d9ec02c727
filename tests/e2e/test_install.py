"""`make install` into a staging folder: the launcher starts the game from any
folder, a read-only data folder sends writes to the player's own folder, and
`make uninstall` takes every file away again."""

import contextlib
import os
import shutil
import subprocess
import tempfile
import unittest

from rerara import BINARY, Game, own_screen, radar_shown

SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "../..")
BUILD = os.path.dirname(os.path.abspath(BINARY))


def make(*args):
    # Not the outer make's job server: this is a make of its own.
    env = {k: v for k, v in os.environ.items() if not k.startswith("MAKE")}
    return subprocess.run(["make", "--no-print-directory", "-C", SOURCE, "BUILD=" + BUILD, *args],
                          capture_output=True, text=True, env=env, timeout=600)


@contextlib.contextmanager
def players_install_list_kept():
    """A real install's list of files survives the staged one made here."""
    manifest = os.path.join(BUILD, "install_manifest.txt")
    kept = manifest + ".kept"
    if os.path.exists(manifest):
        os.replace(manifest, kept)
    try:
        yield
    finally:
        if os.path.exists(kept):
            os.replace(kept, manifest)
        elif os.path.exists(manifest):
            os.remove(manifest)


def set_modes(top, folder_mode):
    for folder, _dirs, files in os.walk(top):
        os.chmod(folder, folder_mode)
        for name in files:
            path = os.path.join(folder, name)
            os.chmod(path, os.stat(path).st_mode | 0o444)


class Install(unittest.TestCase):
    def test_staged_install_starts_anywhere_writes_to_the_player_and_uninstalls(self):
        stage = tempfile.mkdtemp(prefix="rerara-stage-")
        home = tempfile.mkdtemp(prefix="rerara-home-")
        usr = os.path.join(stage, "usr")
        with players_install_list_kept():
            done = make("install", "DESTDIR=" + stage, "PREFIX=/usr")
            self.assertEqual(done.returncode, 0, done.stdout + done.stderr)
            for name in ("bin/rerara", "libexec/rerara/rerara", "share/rerara/playerdata.txt",
                         "share/rerara/FONT-LICENSE.txt", "share/rerara/sounds/engine.wav",
                         "share/applications/rerara.desktop", "share/icons/hicolor/256x256/apps/rerara.png"):
                self.assertTrue(os.path.isfile(os.path.join(usr, name)), name)
            desktop = os.path.join(usr, "share/applications/rerara.desktop")
            check = subprocess.run(["desktop-file-validate", desktop], capture_output=True, text=True)
            self.assertEqual(check.stdout + check.stderr, "")

            # Without its data beside it, the launcher says where it looked.
            lone = os.path.join(home, "bin")
            os.makedirs(lone)
            shutil.copy(os.path.join(usr, "bin/rerara"), lone)
            alone = subprocess.run([os.path.join(lone, "rerara")], capture_output=True, text=True)
            self.assertEqual(alone.returncode, 1)
            self.assertEqual(len(alone.stderr.splitlines()), 1, alone.stderr)
            self.assertIn("looked for " + home + "/share/rerara/playerdata.txt", alone.stderr)

            # The data folder is read-only to the player (root is made the nobody user
            # to see that), who has a settings file of their own.
            set_modes(stage, 0o755)
            set_modes(os.path.join(usr, "share/rerara"), 0o555)
            own = os.path.join(home, ".local/share/rerara")
            os.makedirs(own)
            with open(os.path.join(own, "settings.txt"), "w") as f:
                f.write("volume 200\n")
            set_modes(home, 0o777)
            player = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"] if os.geteuid() == 0 else []
            env = {"HOME": home, "XDG_DATA_HOME": ""}
            with own_screen("1600x1200"), Game(command=[*player, os.path.join(usr, "bin/rerara")], env=env) as game:
                game.start()
                self.assertIn(own + "/settings.txt line 1: volume must be a whole number from 0 to 100, using 100",
                              game.lines())
                self.assertTrue(radar_shown(game, "installed-from-elsewhere"))
                game.key("F12")
                self.assertTrue(game.wait_for_line("Screenshot saved: " + own + "/screenshots/rerara-0001.png"),
                                game.output())
                game.key("q")
                self.assertEqual(game.wait_exit(), 0)
            self.assertFalse(os.path.exists(os.path.join(usr, "share/rerara/screenshots")))

            set_modes(stage, 0o755)
            done = make("uninstall", "DESTDIR=" + stage)
            self.assertEqual(done.returncode, 0, done.stdout + done.stderr)
        left = [os.path.join(d, f) for d, _dirs, files in os.walk(stage) for f in files]
        self.assertEqual(left, [])
        self.assertFalse(os.path.exists(os.path.join(usr, "share/rerara")))
        self.assertFalse(os.path.exists(os.path.join(usr, "libexec/rerara")))
        shutil.rmtree(stage)
        shutil.rmtree(home)


if __name__ == "__main__":
    unittest.main(verbosity=2)
