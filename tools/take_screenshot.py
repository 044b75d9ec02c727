"""Takes the README's screenshot: starts a new campaign, sweeps the laser as
the first wave closes in, and saves the liveliest moment as
docs/screenshot.png. Run under a display, for example:

    xvfb-run -a -s "-screen 0 1600x1200x24" /usr/bin/python3 tools/take_screenshot.py
"""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from rerara import Game, xdotool  # noqa: E402

ROOT = os.path.join(os.path.dirname(__file__), "..")
# The hints have had their turn; the picture shows the game itself.
SETTINGS = "volume 100\nhints off\n"


def enemy_pixels(image):
    """Orange-red sprite pixels in the view, away from the HUD's panels."""
    area = image.crop((200, 120, 1080, 900)).getdata()
    return sum(1 for r, g, b in area if r > 180 and 60 < g < 170 and b < 90)


def pulsing(image):
    """The red edge of a hit on the ship."""
    edge = image.crop((0, 300, 12, 700)).getdata()
    return sum(r - b for r, g, b in edge) / len(edge) > 40


def main():
    game = Game(replace={"settings.txt": SETTINGS}, free_flight=False)
    try:
        game.start()
        game.key("Return", "Return")  # New campaign, normal
        game.wait_for_line("Wave 1 of 3")
        game.key("2")
        best, best_score = None, -1
        # Sweep the laser round the ship as the first darts close in; keep
        # the picture with the most of them in view.
        for step in range(40):
            game.move_mouse(220 if step % 8 < 4 else -220, 160 if (step + 2) % 8 < 4 else -160)
            xdotool("keydown", "space")
            time.sleep(0.3)
            image = game.grab()
            xdotool("keyup", "space")
            score = enemy_pixels(image)
            if not pulsing(image) and score > best_score:
                best, best_score = image, score
        os.makedirs(os.path.join(ROOT, "docs"), exist_ok=True)
        best.save(os.path.join(ROOT, "docs", "screenshot.png"))
        game.key("q")
        time.sleep(1)  # the question comes up, then the answer
        game.key("y")
        game.wait_exit(60)
    finally:
        game.close()


if __name__ == "__main__":
    main()
