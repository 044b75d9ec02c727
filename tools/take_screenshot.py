"""Takes the README's screenshot: starts the game, flies a little, fires, and
saves the window as docs/screenshot.png. Run under a display, for example:

    xvfb-run -a -s "-screen 0 1600x1200x24" /usr/bin/python3 tools/take_screenshot.py
"""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from rerara import Game, xdotool  # noqa: E402

ROOT = os.path.join(os.path.dirname(__file__), "..")


def main():
    game = Game()
    try:
        game.start()
        game.key("minus")  # fewer enemies while we line up the picture
        game.wheel(4, 1)
        game.hold(["w"], 0.7)
        game.hold(["a"], 0.35)
        game.move_mouse(-250, -120)
        game.key("2")
        xdotool("keydown", "w", "space")
        time.sleep(0.5)
        image = game.screenshot("readme")
        xdotool("keyup", "w", "space")
        os.makedirs(os.path.join(ROOT, "docs"), exist_ok=True)
        image.save(os.path.join(ROOT, "docs", "screenshot.png"))
        game.key("q")
        game.wait_exit()
    finally:
        game.close()


if __name__ == "__main__":
    main()
