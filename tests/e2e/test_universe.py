"""The universe files: start-up output, wormhole jumps and the map."""

import os
import time
import unittest

from rerara import DATA, Game, colour_pixels, xdotool

# The map's centre on screen, and its scale: 100000 game units are 36.3 px
# across and 35.1 px up.
MAP_CENTRE = (1193, 84)
MAP = (1080, 0, 1280, 200)


def reddish(r, g, b):
    return r > 150 and g < 120 and b < 120


def greenish(r, g, b):
    return g > 150 and r < 120


def near(image, x, y, test, radius=4):
    return colour_pixels(image, (x - radius, y - radius, x + radius + 1, y + radius + 1), test) > 0


def read_rows(name, columns):
    """Rows of numbers and their names, read as the game reads table files."""
    rows, names, count = [], [], 0
    with open(os.path.join(DATA, name)) as f:
        tokens = []
        for line in f:
            for token in line.split():
                if token.startswith("#"):
                    break
                tokens.append(token)
    for token in tokens:
        if token.startswith("@"):
            names.append((count // columns - 1, token[1:].replace("_", " ")))
        else:
            if count % columns == 0:
                rows.append([])
            rows[-1].append(float(token))
            count += 1
    named = {}
    for row, name in names:
        named.setdefault(row, name)
    return rows, named


def expected_loading_lines():
    stars, star_names = read_rows("stardata.txt", 7)
    planets, planet_names = read_rows("planetdata.txt", 9)
    wormholes, _ = read_rows("wormholedata.txt", 8)
    lines = ["Initializing stars", "Loading star and planet data", "Opening stardata.txt",
             "Opening planetdata.txt", "Opening wormholedata.txt"]
    for i in range(len(stars)):
        for j, planet in enumerate(planets):
            if planet[0] == i:
                lines += [planet_names[j], "Adding %s to %s" % (planet_names[j], star_names[i])]
    lines.append("Now loading wormholes")
    lines += ["Emitter construct", "shader size: 3"] * len(wormholes)
    lines.append("Done with that, now starting main loop")
    return lines


# A small universe: the ship starts 600 units left of a wormhole, flying
# towards it. World 0's star is above the ship; world 1's is far to its left.
SMALL_UNIVERSE = {
    "playerdata.txt": "0 0 0.0008 0.003 0.0035 1000 45\n",
    "stardata.txt": "0 0 50000 800 0.1 0 14 @Above\n1 -60000 0 800 0.1 0 14 @Left\n",
    "planetdata.txt": "0 300 0.1 4000 0.001 0 0.01 0 10 @Moon\n",
    "wormholedata.txt": "0 600 0 300 1 0 0 1\n1 5000 5000 300 0 -3000 0 1\n",
}


class Universe(unittest.TestCase):
    def test_default_universe_loads_in_order(self):
        with Game() as game:
            game.start()
            lines = game.lines()
            start = lines.index("Initializing stars")
            self.assertEqual(lines[start:], expected_loading_lines())
            # The home system's planets show on the map (its star lies under them).
            shot = game.picture("universe-default-map", lambda image: colour_pixels(image, MAP, greenish) > 3)
            self.assertGreater(colour_pixels(shot, MAP, greenish), 3)
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)

    def test_flying_into_a_wormhole_moves_the_ship_to_the_other_world(self):
        with Game(replace=SMALL_UNIVERSE) as game:
            game.start()
            game.key("minus", "minus", "minus")
            # World 0: its star is 50000 units above the ship.
            before = game.first_frame("wormhole-before", lambda image: near(image, MAP_CENTRE[0], MAP_CENTRE[1] - 17,
                                                                            reddish))
            self.assertFalse(near(before, MAP_CENTRE[0] - 22, MAP_CENTRE[1], reddish))
            xdotool("keydown", "w")
            time.sleep(1.2)
            xdotool("keyup", "w")
            after = game.picture("wormhole-after", lambda image: near(image, MAP_CENTRE[0] - 22, MAP_CENTRE[1], reddish))
            # World 1: its star is 60000 units to the left of the exit point.
            self.assertTrue(near(after, MAP_CENTRE[0] - 22, MAP_CENTRE[1], reddish))
            self.assertFalse(near(after, MAP_CENTRE[0], MAP_CENTRE[1] - 17, reddish))
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)

    def test_bad_world_file_is_reported_and_ends_with_status_1(self):
        bad = dict(SMALL_UNIVERSE)
        bad["stardata.txt"] = "0 0 50000 800 0.1 0 25 @Above\n"
        with Game(replace=bad) as game:
            self.assertEqual(game.wait_exit(), 1)
            self.assertTrue(any(l.startswith("stardata.txt line 1") for l in game.lines()),
                            game.output())

    def test_missing_planet_file_stops_before_the_wormholes(self):
        with Game(remove=["planetdata.txt"]) as game:
            self.assertEqual(game.wait_exit(), 1)
            lines = game.lines()
            self.assertEqual(lines[-2:], ["Error opening file", "planetdata read failure"])
            self.assertNotIn("Opening wormholedata.txt", lines)


if __name__ == "__main__":
    unittest.main(verbosity=2)
