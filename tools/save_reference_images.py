"""Keeps the frames the reference-scene test just drew as its new reference images.

Usage: save_reference_images.py SCREENSHOT_DIR REFERENCE_DIR
Each SCREENSHOT_DIR/reference_NAME.ppm becomes REFERENCE_DIR/NAME.png.
"""

import glob
import os
import sys

from PIL import Image


def main(shots, references):
    os.makedirs(references, exist_ok=True)
    frames = sorted(glob.glob(os.path.join(shots, "reference_*.ppm")))
    if not frames:
        sys.exit("no reference frames in " + shots)
    for frame in frames:
        name = os.path.basename(frame)[len("reference_"):-len(".ppm")]
        target = os.path.join(references, name + ".png")
        Image.open(frame).save(target, optimize=True)
        print(target)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
