"""Landing on a planet: gently, then carried round by its spin; or crashing."""

import math
import unittest

from rerara import HEALTH_FIGURE, TIMERS_FIGURE, Game, deadline, save, text_changed

CENTRE = (640, 512)


def planet_rust(r, g, b):
    return 120 < r < 235 and 40 < g < 130 and b < 90 and r > g + 50


def centroid(image, test):
    """Centre of the pixels that pass `test`, or None."""
    xs = ys = count = 0
    pixels = image.load()
    for y in range(0, image.height, 2):
        for x in range(0, image.width, 2):
            if test(*pixels[x, y]):
                xs += x
                ys += y
                count += 1
    return (xs / count, ys / count) if count > 50 else None


def direction_to(point):
    return math.atan2(point[1] - CENTRE[1], point[0] - CENTRE[0])


def universe(planet_spin, distance, radius=300, density=0.3):
    """The ship at the origin facing +x; a planet of `radius` sits `distance`
    units ahead on a weightless star, spinning at `planet_spin` degrees per ms."""
    return {
        "playerdata.txt": "0 0 0.0008 0.003 0.0035 1000 45\n",
        "stardata.txt": "0 %s 0 1 0 0 14 @Anchor\n" % distance,
        "planetdata.txt": "0 %s %s 0 0 0 %s 0 10 @Rock\n" % (radius, density, planet_spin),
        "wormholedata.txt": "",
        "shipdata.txt": "0 0 0 1 0\n0 0 0 1 0\n",  # drifting targets only: nobody rams
    }


def turn_between(a, b):
    turn = abs(direction_to(a) - direction_to(b))
    return min(turn, 2 * math.pi - turn)


class Landing(unittest.TestCase):
    def test_gentle_landing_is_carried_round_by_the_spin(self):
        with Game(replace=universe(0.06, 1000)) as game:
            game.start()
            start = game.first_frame("landing-start", lambda image: centroid(image, planet_rust))
            ahead = centroid(start, planet_rust)
            game.hold(["w"], 0.5)  # about 0.4 units per ms: a soft touch-down
            # Landed, the ship is carried round: the camera follows it, so the
            # planet swings round the centre, which flying at it never does.
            turn, going = 0, deadline(60)
            while turn < math.radians(40) and going():
                landed = game.grab()
                seen = centroid(landed, planet_rust)
                turn = turn_between(ahead, seen) if seen else 0
                # No damage and no explosion at any moment.
                self.assertLess(text_changed(start, landed, HEALTH_FIGURE), 20)
                self.assertLess(text_changed(start, landed, TIMERS_FIGURE), 20)
            save(landed, "landing-carried")
            self.assertGreater(turn, math.radians(40))
            # Lifting off again: W after the lock carries the ship away.
            game.hold(["w"], 1.0)
            near, going = math.dist(seen, CENTRE), deadline(30)
            away = seen
            while away is not None and math.dist(away, CENTRE) <= near + 30 and going():
                lifted = game.grab()
                away = centroid(lifted, planet_rust)
            save(lifted, "landing-lift-off")
            self.assertTrue(away is None or math.dist(away, CENTRE) > near + 30)
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)

    def test_fast_touch_down_crashes_with_an_explosion(self):
        # The ship touches down when a frame ends with it inside the planet: on
        # a busy machine frames last up to a second, so the planet is wider
        # than a second's travel (its pull as strong as the small one's).
        with Game(replace=universe(0, 3200, radius=1500, density=0.06)) as game:
            game.start()
            start = game.first_frame("landing-crash-start")
            game.hold(["w"], 1.6)  # about 1.3 units per ms, then coast into the planet
            # The crash costs hit points for good and sets off an explosion, a
            # timed event shown for one second: look often until both are seen.
            damage = explosion = 0
            going = deadline(60)
            while (damage <= 100 or explosion <= 50) and going():
                shot = game.grab()
                damage = text_changed(start, shot, HEALTH_FIGURE)
                explosion = max(explosion, text_changed(start, shot, TIMERS_FIGURE))
            save(shot, "landing-crash")
            self.assertGreater(damage, 100, "no damage")
            self.assertGreater(explosion, 50, "no explosion")
            game.key("q")
            self.assertEqual(game.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
