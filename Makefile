# The two commands a new user needs: `make play` and `make test`.
# Both install what is missing, then build.

BUILD := build
XVFB := xvfb-run -a -s "-screen 0 1600x1200x24"

.PHONY: all deps build play test test-fresh bench images sounds music reference-images replays clean install uninstall deb check build-sanitize test-sanitize fuzz soak

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	@cmake --build $(BUILD) -j2

play: build
	@if [ -z "$$DISPLAY" ]; then \
	  echo "No display found: run it under a virtual one with: xvfb-run -a -s \"-screen 0 1600x1200x24\" make play"; \
	  exit 1; \
	fi
	cd data && ../$(BUILD)/rerara

test: build
	$(XVFB) ctest --test-dir $(BUILD) --output-on-failure

# As a new user on a fresh Debian 12 machine: `make test` in a debootstrapped
# minbase with only make and git, as root (takes about 25 minutes).
test-fresh:
	bash scripts/fresh-machine-test.sh

bench: build
	cd data && $(XVFB) ../$(BUILD)/bench/frame_bench | grep -v -e "^Emitter construct" -e "^shader size"

# The shipped campaign played by an autopilot (DIFFICULTY=easy|normal|hard, or
# endless: an endless run of seed 1):
# when each world was entered and cleared, the deaths and the score; pictures
# of its moments, and its save, in build/playthrough/.
DIFFICULTY ?= normal
playthrough: build
	cd data && RERARA_INSTALLED=1 XDG_DATA_HOME=$(CURDIR)/$(BUILD)/playthrough \
	  $(XVFB) ../$(BUILD)/bench/playthrough $(DIFFICULTY) $(CURDIR)/$(BUILD)/playthrough | \
	  grep --line-buffered -e "^ *[0-9]*:[0-9]" -e "^Won" -e "^Not won" -e "^Run over" -e "^Playing"

images: deps
	/usr/bin/python3 tools/make_images.py data
	/usr/bin/python3 tools/make_effect_images.py
	/usr/bin/python3 tools/make_icon.py packaging/rerara.png
	/usr/bin/python3 tools/make_ships.py data
	/usr/bin/python3 tools/make_looks.py data
	/usr/bin/python3 tools/make_hud_art.py data

# Writes data/sounds/ and, to look at, a spectrum picture of each sound.
sounds: deps
	/usr/bin/python3 tools/make_sounds.py data/sounds $(BUILD)/sound-plots

# Writes the loops in data/music/, with a spectrum picture of each.
music: deps
	/usr/bin/python3 tools/make_music.py data $(BUILD)/music-plots

# Re-makes the images the reference-scene test compares whole frames with:
# only when a change to the picture is meant.
reference-images: build
	rm -f $(BUILD)/screenshots/reference_*.ppm
	-cd $(BUILD)/tests && RERARA_SHOTS=$(CURDIR)/$(BUILD)/screenshots $(XVFB) ./reference_scenes_test > /dev/null
	/usr/bin/python3 tools/save_reference_images.py $(BUILD)/screenshots tests/reference

# Records again the kept replays of the shipped campaign (tests/replays/)
# that the tests play back: only when a change to how the game plays is meant.
replays: build
	$(XVFB) /usr/bin/python3 tools/record_replays.py $(BUILD)

# Installing: `make && sudo make install` (PREFIX=/usr/local, DESTDIR for staging).
# Under sudo nothing is built, and what install writes into the build folder is
# handed back to the build folder's owner, so it stays the user's.
PREFIX ?= /usr/local
MANIFEST := $(BUILD)/install_manifest.txt
# The folders an install made (a first install into a fresh prefix makes even
# bin-like ones), for uninstall to remove and no others. A trial install into a
# scratch folder tells which folders the real one needs; a reinstall keeps the
# list of the install it replaces.
FOLDERS := $(BUILD)/install_folders.txt
# Absolute, so that DESTDIR and the clean-up name the same folder for any BUILD.
TRIAL := $(abspath $(BUILD)/install-trial)

install:
	@test -x $(BUILD)/rerara || $(MAKE) --no-print-directory build
	@rm -rf $(TRIAL) && DESTDIR="$(TRIAL)" cmake --install $(BUILD) --prefix "$(PREFIX)" > /dev/null && rm -rf $(TRIAL)
	@{ if [ -f $(FOLDERS) ]; then awk -v p="$(PREFIX)/" 'index($$0, p) == 1' $(FOLDERS); fi; \
	  awk '{ while (sub("/[^/]*$$", "") && $$0 != "") print }' $(MANIFEST) | \
	  while read -r folder; do if [ ! -d "$(DESTDIR)$$folder" ]; then echo "$$folder"; fi; done; } | sort -u > $(FOLDERS).new
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)" --strip
	@mv $(FOLDERS).new $(FOLDERS)
	@if [ "$$(id -u)" -eq 0 ]; then chown --reference=$(BUILD) $(MANIFEST) $(FOLDERS); fi

# Removes the files the last install listed (give it the same DESTDIR), then
# the folders that install made, deepest first, where nothing else is left.
uninstall:
	@test -f $(MANIFEST) || { echo "Nothing to uninstall: $(MANIFEST) is missing (make install writes it)"; exit 1; }
	sed 's|^|$(DESTDIR)|' $(MANIFEST) | xargs -r -d '\n' rm -f --
	@if [ -f $(FOLDERS) ]; then sort -r $(FOLDERS) | while read -r folder; do \
	  if [ -d "$(DESTDIR)$$folder" ]; then rmdir --ignore-fail-on-non-empty "$(DESTDIR)$$folder"; fi; done; fi
	rm -f $(MANIFEST) $(FOLDERS)

# A Debian package of the built game, installing to /usr: build/rerara_*.deb.
deb: build
	cd $(BUILD) && cpack

clean:
	rm -rf $(BUILD) $(SAN_BUILD)

# Data checks. `make check` (CHECK_DIR=... for a modded copy) reads every data
# file as start-up does. One clang build with AddressSanitizer and
# UndefinedBehaviorSanitizer, halting on the first finding, serves the
# sanitizer tests, the fuzz targets and the soak. Mesa and SDL keep memory
# until exit, so leak reports are off.
CHECK_DIR ?= data
SAN_BUILD := build-asan
FUZZ_SECONDS ?= 60
SOAK_SECONDS ?= 600
SANITIZE := -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer
export ASAN_OPTIONS ?= detect_leaks=0
export UBSAN_OPTIONS ?= print_stacktrace=1

check: build
	@cd $(CHECK_DIR) && if [ -n "$$DISPLAY" ]; then $(CURDIR)/$(BUILD)/rerara --check; \
	  else $(XVFB) $(CURDIR)/$(BUILD)/rerara --check; fi

build-sanitize: deps
	@CC=clang CXX=clang++ cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRERARA_FUZZ=ON \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE) -fsanitize=fuzzer-no-link" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)" > /dev/null
	@cmake --build $(SAN_BUILD) -j2

test-sanitize: build-sanitize
	$(XVFB) ctest --test-dir $(SAN_BUILD) --output-on-failure

fuzz: build-sanitize
	$(XVFB) /usr/bin/python3 fuzz/run_fuzzers.py $(SAN_BUILD) $(FUZZ_SECONDS)

soak: build-sanitize
	$(XVFB) /usr/bin/python3 tools/soak.py $(SAN_BUILD)/rerara $(SOAK_SECONDS)
