# The two commands a new user needs: `make play` and `make test`.
# Both install what is missing, then build.

BUILD := build
XVFB := xvfb-run -a -s "-screen 0 1600x1200x24"

.PHONY: all deps build play test bench images sounds reference-images clean install uninstall deb

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

bench: build
	cd data && $(XVFB) ../$(BUILD)/bench/frame_bench | grep -v -e "^Emitter construct" -e "^shader size"

images: deps
	/usr/bin/python3 tools/make_images.py data
	/usr/bin/python3 tools/make_effect_images.py
	/usr/bin/python3 tools/make_icon.py packaging/rerara.png

# Writes data/sounds/ and, to look at, a spectrum picture of each sound.
sounds: deps
	/usr/bin/python3 tools/make_sounds.py data/sounds $(BUILD)/sound-plots

# Re-makes the images the reference-scene test compares whole frames with:
# only when a change to the picture is meant.
reference-images: build
	rm -f $(BUILD)/screenshots/reference_*.ppm
	-cd $(BUILD)/tests && RERARA_SHOTS=$(CURDIR)/$(BUILD)/screenshots $(XVFB) ./reference_scenes_test > /dev/null
	/usr/bin/python3 tools/save_reference_images.py $(BUILD)/screenshots tests/reference

# Installing: `make && sudo make install` (PREFIX=/usr/local, DESTDIR for staging).
# Under sudo nothing is built, so the build folder stays the user's.
PREFIX ?= /usr/local
MANIFEST := $(BUILD)/install_manifest.txt

install:
	@test -x $(BUILD)/rerara || $(MAKE) --no-print-directory build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)" --strip

# Removes the files the last install listed (give it the same DESTDIR), then
# the game's own folders if nothing else is left in them.
uninstall:
	@test -f $(MANIFEST) || { echo "Nothing to uninstall: $(MANIFEST) is missing (make install writes it)"; exit 1; }
	sed 's|^|$(DESTDIR)|' $(MANIFEST) | xargs -r -d '\n' rm -f --
	@sed -n -e 's|^\(.*/share/rerara\)/.*|$(DESTDIR)\1|p' -e 's|^\(.*/libexec/rerara\)/.*|$(DESTDIR)\1|p' $(MANIFEST) | \
	  sort -u | xargs -r -d '\n' -I{} find {} -depth -type d -empty -delete
	rm -f $(MANIFEST)

# A Debian package of the built game, installing to /usr: build/rerara_*.deb.
deb: build
	cd $(BUILD) && cpack

clean:
	rm -rf $(BUILD)
