"""Records the kept replays of the shipped campaign, and of an endless run,
that the tests play again.

Usage: record_replays.py BUILD-DIR   (under a display: `make replays` runs it)
Each is the playthrough's autopilot flying the start of the campaign (on one
difficulty) or of the endless worlds of seed 1 for a while, at the
playthrough's fixed frame time. A change
that alters how the game plays (or the shipped data) makes the kept replays
end otherwise, or refuses them: record them again with `make replays`, and
say so in the commit.
"""

import glob
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "..", "data")
KEPT = os.path.join(HERE, "..", "tests", "replays")
# Difficulty and seconds of play: past the first world's quiet start into its first fights;
# the endless run on into its second world, which makes the third as it is entered.
RUNS = [("normal", 35), ("hard", 30), ("endless", 60)]


def record(build, difficulty, seconds):
    home = tempfile.mkdtemp(prefix="rerara-replays-")
    try:
        env = {**os.environ, "RERARA_INSTALLED": "1", "XDG_DATA_HOME": home, "SDL_AUDIODRIVER": "dummy"}
        done = subprocess.run([os.path.join(build, "bench", "playthrough"), difficulty, "", str(seconds)],
                              cwd=DATA, env=env, capture_output=True, text=True, timeout=1200)
        ended = [line for line in done.stdout.splitlines() if line.startswith("Run ended: ")]
        files = glob.glob(os.path.join(home, "rerara", "replays", "*.replay"))
        if done.returncode != 0 or len(files) != 1 or len(ended) != 1:
            raise SystemExit("the playthrough on %s recorded nothing:\n%s%s" % (difficulty, done.stdout, done.stderr))
        name = difficulty if difficulty == "endless" else "campaign-" + difficulty
        target = os.path.join(KEPT, name + ".replay")
        shutil.copyfile(files[0], target)
        print("%s: %s (%d bytes)" % (os.path.relpath(target), ended[0], os.path.getsize(target)))
    finally:
        shutil.rmtree(home, ignore_errors=True)


def main():
    build = os.path.abspath(sys.argv[1])
    os.makedirs(KEPT, exist_ok=True)
    for old in glob.glob(os.path.join(KEPT, "*.replay")):
        os.remove(old)
    for difficulty, seconds in RUNS:
        record(build, difficulty, seconds)


if __name__ == "__main__":
    main()
