# The two commands a new user needs: `make play` and `make test`.
# Both install what is missing, then build.

BUILD := build
XVFB := xvfb-run -a -s "-screen 0 1600x1200x24"

.PHONY: all deps build play test bench images sounds reference-images clean

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

# Writes data/sounds/ and, to look at, a spectrum picture of each sound.
sounds: deps
	/usr/bin/python3 tools/make_sounds.py data/sounds $(BUILD)/sound-plots

# Re-makes the images the reference-scene test compares whole frames with:
# only when a change to the picture is meant.
reference-images: build
	rm -f $(BUILD)/screenshots/reference_*.ppm
	-cd $(BUILD)/tests && RERARA_SHOTS=$(CURDIR)/$(BUILD)/screenshots $(XVFB) ./reference_scenes_test > /dev/null
	/usr/bin/python3 tools/save_reference_images.py $(BUILD)/screenshots tests/reference

clean:
	rm -rf $(BUILD)
