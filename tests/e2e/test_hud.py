"""The campaign's HUD read from the screen: arriving in a world shows its name."""

import unittest

from rerara import Game, main, text_likeness, xdotool

# A campaign of two worlds. The ship starts in world 0, which the script does
# not name (its star does), facing a wormhole 1500 units ahead that leads on
# to Far Shore: a wide one, so that no long frame of a busy machine carries
# the ship past it.
TINY_CAMPAIGN = {
    "campaign/campaign.txt": "start 0\npoints 1 100\nworld 1 Far Shore\nfinal\nwave\nships 1 1 1 0 1\n",
    "campaign/stardata.txt": "0 0 5000 300 0.01 0 14 @Harbor\n1 0 5000 300 0.01 0 14 @Yonder\n",
    "campaign/planetdata.txt": "",
    "campaign/wormholedata.txt": "0 1500 -6000 1000 1 0 -6000 1\n",
}


# The banner's baselines, in pixels from the top, first choice first: it
# takes the first row where it covers no body or label.
BANNER_ROWS = (264, 184, 694, 764)


def banner_likeness(image, name):
    """How well the arrival banner (centred, scale 48, on one of its rows)
    reads `name`."""
    return max(text_likeness(image, name, 48, 640, row) for row in BANNER_ROWS)


class ArrivalBanner(unittest.TestCase):
    def test_the_worlds_name_shows_on_arrival(self):
        with Game(free_flight=False, replace=TINY_CAMPAIGN) as game:
            game.start()
            game.key("Return", "Return")  # New campaign, the difficulty offered first
            start = game.picture("hud-arrival-start", lambda image: banner_likeness(image, "Harbor") > 0.9)
            self.assertGreater(banner_likeness(start, "Harbor"), 0.9, "no banner naming the world")
            self.assertLess(banner_likeness(start, "Far Shore"), 0.5, "the reading tells names apart")

            xdotool("keydown", "w")  # straight into the wormhole
            try:
                arrived = game.picture("hud-arrival-far-shore",
                                       lambda image: banner_likeness(image, "Far Shore") > 0.9)
            finally:
                xdotool("keyup", "w")
            self.assertGreater(banner_likeness(arrived, "Far Shore"), 0.9, "no banner on arrival")
            self.assertLess(banner_likeness(arrived, "Harbor"), 0.5)
            game.key("q", "y")
            self.assertEqual(game.wait_exit(), 0)


if __name__ == "__main__":
    main()
