"""Takes the README's screenshot: starts the game, flies a little, fires, and
saves the window as docs/screenshot.png. Run under a display, for example:

    xvfb-run -a -s "-screen 0 1600x1200x24" /usr/bin/python3 tools/take_screenshot.py
"""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from rerara import Game  # noqa: E402

ROOT = os.path.join(os.path.dirname(__file__), "..")


def main():
    game = Game()
    try:
        game.start()
        game.key("minus")  # fewer enemies while we line up the picture
        game.hold(["w"], 1.2)
        game.hold(["a"], 0.3)
        game.move_mouse(120, -80)
        time.sleep(0.3)
        game.hold(["space"], 0.8)
        game.key("3")
        game.hold(["space", "w"], 0.6)
        time.sleep(0.2)
        image = game.screenshot("readme")
        os.makedirs(os.path.join(ROOT, "docs"), exist_ok=True)
        image.save(os.path.join(ROOT, "docs", "screenshot.png"))
        game.key("q")
        game.wait_exit()
    finally:
        game.close()


if __name__ == "__main__":
    main()
