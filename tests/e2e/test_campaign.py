"""The campaign from the title screen: a world cleared opens its wormhole and
offers upgrades, the ship keeps the one taken, the ship is destroyed and comes
back where it landed, and the progress is saved and continued (or refused when
the save is damaged): the world as it was left, a save that fails said on
screen, a win kept however soon the player quits, and a saved campaign not
replaced without asking."""

import os
import re
import shutil
import tempfile
import time
import unittest

from rerara import BINARY, DATA, Game, colour_pixels, own_screen, text_likeness, text_template, xdotool

# Rows 0 and 1 as shipped; 2 a weak chaser that rams for 1; 3 a target that never moves.
SHIPS = ("3 0.02 0.9 150 40\n1 0.012 1.0 50 20\n"
         "1 0.02 1.5 1 1\n0 0 0 1000 0\n")


def campaign(first_wave):
    """World 0 is cleared by `first_wave`; world 1 is the last, and its one
    target never comes, so the campaign is not won by arriving there."""
    return ("start 0\nspawn 1500 2000\nescape 50000\nrespawn 1500\ndeathcost 10\nrepair 250\n"
            "points 2 100\ndifficulty normal 1 1 1\n"
            "world 0 Test Reach\ngoal waves\nbonus 500\nwave\n" + first_wave +
            "world 1 Far Side\ngoal waves\nfinal\nwave\nships 3 1 1 500 1\n")


# The ship at the origin facing +x, a wormhole 900 units ahead into world 1.
THROUGH = {
    "shipdata.txt": SHIPS,
    "playerdata.txt": "0 0 0.0008 0.003 0.0035 1000 45\n",
    "campaign/campaign.txt": campaign("ships 2 3 3 500 3\n"),
    "campaign/stardata.txt": "0 0 -60000 100 0 0 14 @Anchor\n1 0 -60000 100 0 0 14 @Yonder\n",
    "campaign/planetdata.txt": "",
    "campaign/wormholedata.txt": "0 900 0 300 1 0 0 1\n1 5000 5000 300 0 0 0 1\n",
}

# A ship of 1 hit point with a small still planet 1000 units ahead, and four
# chasers: one that comes from behind the planet falls into it.
LANDING = {
    "shipdata.txt": SHIPS,
    "playerdata.txt": "0 0 0.0008 0.003 0.0035 1 45\n",
    "campaign/campaign.txt": campaign("ships 2 4 4 500 4\n"),
    "campaign/stardata.txt": "0 1000 0 1 0 0 14 @Anchor\n1 0 -60000 100 0 0 14 @Yonder\n",
    "campaign/planetdata.txt": "0 100 0.3 0 0 0 0 0 10 @Rock\n",
    "campaign/wormholedata.txt": "0 -20000 0 300 1 0 0 1\n1 5000 5000 300 0 0 0 1\n",
}


# Three upgrades of three kinds: a cleared world offers all of them.
UPGRADES = ("hull 25 hud/icon-hull.png Hull: +25 % plating\n"
            "gun_rate 20 hud/icon-gun.png Gun: +20 % fire rate\n"
            "turn 20 hud/icon-turn.png Turning: +20 % turn rate\n")
UPGRADE_TEXTS = ["Hull: +25 % plating", "Gun: +20 % fire rate", "Turning: +20 % turn rate"]


def icon_pixels(image):
    """The lit pixels where the HUD puts the first upgrade's icon: over the hull panel."""
    return colour_pixels(image, (28, 912, 50, 934), lambda r, g, b: max(r, g, b) > 90)


# One world whose targets stand still 120 to 160 units round the ship, each
# falling to a shockwave that bursts where it is fired (weapon 3).
KILLS = {
    "shipdata.txt": SHIPS + "0 0 0 1 0\n",
    "weapondata.txt": "120 3.0 2500 25\n0 0 0 0.15\n700 0 1 0.1\n0 1.6 1800 30\n",
    "playerdata.txt": "0 0 0.0008 0.003 0.0035 1000 45\n",
    "campaign/campaign.txt": ("start 0\nspawn 120 160\nescape 50000\npoints 4 100\ndifficulty normal 1 1 1\n"
                              "world 0 Reach\ngoal kills 500\nfinal\nwave\nships 4 1000 1 1500 1\n"),
    "campaign/stardata.txt": "0 0 -60000 100 0 0 14 @Anchor\n",
    "campaign/planetdata.txt": "",
    "campaign/wormholedata.txt": "",
}

# Where the HUD and the menus draw, in pixels from the window's top, and at what scale.
OBJECTIVE = (20, 34)
SCORE = (16, 62)
UNSAVED = (15, 88)
MENU_TOP = 1024 - 470
QUESTION = 1024 - 540
QUIT_QUESTION = 1024 - 580


def fitted(text, scale, width):
    """The scale the game draws `text` at when it must fit `width` pixels."""
    wide = text_template(text, scale)[1]
    return scale * width / wide if wide > width else scale


def likeness(image, text, at, width=800):
    scale, baseline = at
    return text_likeness(image, text, fitted(text, scale, width), 640, baseline)


def assert_shown(test, game, name, text, at, width=800):
    """The picture comes to read `text` (at scale and baseline `at`), fitted to `width`."""
    image = game.picture(name, lambda image: likeness(image, text, at, width) > 0.9)
    test.assertGreater(likeness(image, text, at, width), 0.9, "not on screen: " + text)
    return image


def objective(kills):
    return "Reach: destroy 500 enemies (%d so far)" % kills


def objective_count(image, most=12):
    """The count "(N so far)" the objective line reads best, -1 when it reads none."""
    readings = [likeness(image, objective(n), OBJECTIVE) for n in range(most)]
    return readings.index(max(readings)) if max(readings) > 0.9 else -1


def score_likeness(image, score, kills):
    """How well the score line starts with the score and kills: the time
    after them goes on, so the line's start is read where it stands."""
    line = "Score %d   Kills %d   Deaths 0" % (score, kills)
    full = text_template(line + "   Time 0:00", SCORE[0])[1]
    shown = text_template(line, SCORE[0])[1]
    return text_likeness(image, line, SCORE[0], 640 - full / 2 + shown / 2, SCORE[1])


def wait_for_prefix(game, prefix, timeout=60):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if any(line.startswith(prefix) for line in game.lines()):
            return True
        if game.process.poll() is not None:
            break
        time.sleep(0.1)
    return any(line.startswith(prefix) for line in game.lines())


def start_new_campaign(test, game, world):
    """From the title, with no save: New campaign, the one difficulty, and `world` announced."""
    game.start()
    game.key("Return", "Return")
    test.assertTrue(wait_for_prefix(game, world), game.output())


def planet_rust(r, g, b):
    return 120 < r < 235 and 40 < g < 130 and b < 90 and r > g + 50


class Campaign(unittest.TestCase):
    def test_a_cleared_world_opens_its_wormhole_offers_upgrades_and_the_progress_is_continued(self):
        with Game(replace={**THROUGH, "campaign/upgrades.txt": UPGRADES}, free_flight=False) as game:
            game.start()
            game.key("Return", "Return")  # New campaign, the difficulty offered first
            self.assertTrue(wait_for_prefix(game, "Test Reach"), game.output())
            # The three chasers ram the waiting ship: every ship of the wave is gone.
            self.assertTrue(wait_for_prefix(game, "Test Reach cleared, bonus 500: wormholes open to Far Side"),
                            game.output())
            choice = game.picture("campaign-upgrade-choice",
                                  lambda image: text_likeness(image, "Choose an upgrade", 36.4, 640, 324) > 0.6)
            self.assertGreater(text_likeness(choice, "Choose an upgrade", 36.4, 640, 324), 0.6)
            game.key("2")
            self.assertTrue(wait_for_prefix(game, "Upgrade: "), game.output())
            taken = next(line for line in game.lines() if line.startswith("Upgrade: "))[len("Upgrade: "):]
            self.assertIn(taken, UPGRADE_TEXTS)
            cleared = game.picture("campaign-cleared", lambda image: icon_pixels(image) > 40)
            self.assertGreater(icon_pixels(cleared), 40, "no icon of the upgrade on the HUD")
            game.hold(["w"], 1.0)
            self.assertTrue(wait_for_prefix(game, "Far Side"), game.output())
            game.key("q")
            time.sleep(0.5)
            self.assertIsNone(game.process.poll(), "q quit without asking")
            game.screenshot("campaign-quit-question")
            game.key("y")
            self.assertEqual(game.wait_exit(), 0)
            self.assertIn("Progress saved", game.lines())
            with open(game.dir + "/campaign-save.txt") as f:
                save = f.read()

        with Game(replace={**THROUGH, "campaign-save.txt": save}, free_flight=False) as game:
            game.start()
            game.key("Return")  # Continue comes first
            self.assertTrue(wait_for_prefix(game, "Continuing the campaign in Far Side with score 500"),
                            game.output())

        with Game(replace={**THROUGH, "campaign-save.txt": "rerara campaign 1\nworld banana\n"},
                  free_flight=False) as game:
            game.start()
            self.assertTrue(any("campaign-save.txt" in line for line in game.lines()), game.output())
            game.key("Return", "Return")  # no Continue: New campaign, then the difficulty
            self.assertTrue(wait_for_prefix(game, "Test Reach"), game.output())
            self.assertFalse(wait_for_prefix(game, "Continuing", timeout=1))

    def test_a_destroyed_ship_comes_back_on_the_planet_it_landed_on(self):
        # Without the assist, which would ease the ship to rest before the planet, and
        # without upgrades, whose choice would hold the world still when the ram that
        # destroys the ship clears it.
        with Game(replace={**LANDING, "settings.txt": "flight_assist off\n"}, remove=["campaign/upgrades.txt"],
                  free_flight=False) as game:
            game.start()
            game.key("Return", "Return")
            self.assertTrue(wait_for_prefix(game, "Test Reach"), game.output())
            game.hold(["w"], 0.5)  # about 0.4 units per ms: a gentle touch-down
            self.assertTrue(wait_for_prefix(game, "Rock: repairing"), game.output())
            self.assertTrue(wait_for_prefix(game, "Ship destroyed"), game.output())
            self.assertTrue(wait_for_prefix(game, "A new ship, on Rock"), game.output())
            time.sleep(0.5)
            image = game.screenshot("campaign-respawned")
            # The camera follows the new ship, standing on the planet's surface.
            near_centre = colour_pixels(image, (440, 312, 840, 712), planet_rust)
            self.assertGreater(near_centre, 800, "the planet is not under the new ship")


class SavedWorld(unittest.TestCase):
    def test_continue_puts_the_world_back_and_a_new_campaign_asks_before_replacing_it(self):
        with Game(replace=KILLS, free_flight=False) as game:
            start_new_campaign(self, game, "Reach")
            game.key("3")
            game.move_mouse(150, 0)  # off the ship, or nothing is fired
            xdotool("keydown", "space")
            try:
                game.picture("saves-kills", lambda image: objective_count(image) >= 3)
            finally:
                xdotool("keyup", "space")
            game.key("q")
            assert_shown(self, game, "saves-quit-question", "Quit? Progress is saved.", (41.6, QUIT_QUESTION), 1180)
            game.key("y")
            self.assertEqual(game.wait_exit(), 0)
            with open(game.dir + "/campaign-save.txt") as f:
                save = f.read()
        kills = int(re.search(r"^world_kills (\d+)$", save, re.M).group(1))
        score = int(re.search(r"^score (\d+)$", save, re.M).group(1))
        played = int(re.search(r"^time (\d+)$", save, re.M).group(1)) // 1000
        self.assertGreaterEqual(kills, 3, save)
        self.assertEqual(score, 100 * kills, save)

        with Game(replace={**KILLS, "campaign-save.txt": save}, free_flight=False) as game:
            game.start()
            label = "Continue: Reach, score {:,}, {}:{:02} played".format(score, played // 60, played % 60)
            assert_shown(self, game, "saves-title", label, (32, MENU_TOP), 1100)
            game.key("Down", "Return")  # New campaign
            question = "Replace the saved campaign (Reach, score {:,})?".format(score)
            assert_shown(self, game, "saves-replace-question", question, (41.6, QUESTION), 1100)
            game.key("n", "Up", "Return")  # kept: back to the title, and Continue
            self.assertTrue(wait_for_prefix(game, "Continuing the campaign in Reach with score %d" % score),
                            game.output())
            back = assert_shown(self, game, "saves-continued", objective(kills), OBJECTIVE)
            self.assertEqual(objective_count(back, kills + 5), kills, "the goal's count is not the one saved")
            self.assertGreater(score_likeness(back, score, kills), 0.9)
            self.assertGreater(score_likeness(back, score, kills), score_likeness(back, 0, 0))


class SaveTroubles(unittest.TestCase):
    def test_a_win_is_recorded_however_soon_the_player_quits(self):
        won = {**THROUGH, "campaign/campaign.txt": campaign("ships 2 3 3 500 3\n").replace("bonus 500\n",
                                                                                               "bonus 500\nfinal\n")}
        with Game(replace=won, free_flight=False) as game:
            start_new_campaign(self, game, "Victory! The campaign is won")
            game.key("q", "y")
            self.assertEqual(game.wait_exit(), 0)
            self.assertIn("Result recorded: score 500, place 1 among the best runs", game.lines())
            with open(game.dir + "/best-results.txt") as f:
                self.assertRegex(f.read(), r"\nresult 500 0 0 \d+ normal campaign \d+ 1\n")
            self.assertFalse(os.path.exists(game.dir + "/campaign-save.txt"))

    def test_a_save_into_a_read_only_folder_says_so_on_screen_and_in_the_quit_question(self):
        # The data folder is not the player's, so saves go to the player's own
        # folder, which is read-only (root plays the player: it may write anywhere).
        player = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"] if os.geteuid() == 0 else []
        home = tempfile.mkdtemp(prefix="rerara-e2e-home-")

        def prepare(folder):
            shutil.copytree(DATA, folder, dirs_exist_ok=True)
            for name, text in THROUGH.items():
                with open(os.path.join(folder, name), "w") as f:
                    f.write(text)
            os.chmod(folder, 0o755)
            if player:
                os.chown(home, 65534, 65534)
            os.chmod(home, 0o555)

        try:
            with own_screen("1600x1200"), Game(command=[*player, os.path.abspath(BINARY)], prepare=prepare,
                                               env={"XDG_DATA_HOME": home}) as game:
                start_new_campaign(self, game, "Test Reach cleared")
                # Said for a moment in the middle, and kept under the score while it holds.
                assert_shown(self, game, "saves-read-only", "Progress not saved: the folder is read-only", UNSAVED)
                game.key("q")
                assert_shown(self, game, "saves-read-only-question", "Could not save: the folder is read-only. "
                             "Quit anyway?", (41.6, QUIT_QUESTION), 1180)
                game.key("y")
                self.assertEqual(game.wait_exit(), 0)
                self.assertNotIn("Progress saved", game.lines())
        finally:
            os.chmod(home, 0o755)
            shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    unittest.main(verbosity=2)
