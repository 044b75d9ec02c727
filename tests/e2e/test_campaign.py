"""The campaign from the title screen: a world cleared opens its wormhole and
offers upgrades, the ship keeps the one taken, the ship is destroyed and comes
back where it landed, and the progress is saved and continued (or refused when
the save is damaged)."""

import time
import unittest

from rerara import Game, colour_pixels, text_likeness

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


def wait_for_prefix(game, prefix, timeout=60):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if any(line.startswith(prefix) for line in game.lines()):
            return True
        if game.process.poll() is not None:
            break
        time.sleep(0.1)
    return any(line.startswith(prefix) for line in game.lines())


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
        with Game(replace=LANDING, free_flight=False) as game:
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


if __name__ == "__main__":
    unittest.main(verbosity=2)
