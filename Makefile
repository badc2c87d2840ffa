# Front door. `make run` and `make test` set up everything they need on a
# fresh Debian 12 machine.
SHELL := /bin/bash
BUILD := build
WINEPREFIX_DIR := $(CURDIR)/$(BUILD)/wineprefix

.PHONY: all deps build build-native build-windows test test-native test-sanitize test-windows \
        run fuzz bench screenshots wine-prefix clean

all: build

deps:
	@scripts/install-deps

build: deps build-native build-windows

build-native:
	@[ -f $(BUILD)/native/build.ninja ] || cmake --preset native >/dev/null
	cmake --build --preset native

build-windows:
	@[ -f $(BUILD)/windows/build.ninja ] || cmake --preset windows >/dev/null
	cmake --build --preset windows

test: deps build test-native test-sanitize test-windows

test-native: build-native
	ctest --preset native

test-sanitize:
	@[ -f $(BUILD)/sanitize/build.ninja ] || cmake --preset sanitize >/dev/null
	cmake --build --preset sanitize
	ctest --preset sanitize

# One Wine prefix and one virtual display for the whole Windows test run.
test-windows: build-windows
	scripts/with-wine $(WINEPREFIX_DIR) ctest --preset windows

run: deps build
	@scripts/run-program $(CURDIR)/$(BUILD)/wineprefix-run $(BUILD)/bin/Sonvale.exe

screenshots: deps build-windows
	mkdir -p docs/screenshots
	cd $(BUILD)/windows/tests/gui && $(CURDIR)/scripts/with-wine $(WINEPREFIX_DIR) $(CURDIR)/scripts/wine-run \
	    gui_tests.exe $(CURDIR)/$(BUILD)/bin/Sonvale.exe --gtest_filter='Screenshots.*' \
	    --screenshots=$(CURDIR)/docs/screenshots
	scripts/compress-png docs/screenshots/*.png

fuzz: deps
	@[ -f $(BUILD)/fuzz/build.ninja ] || cmake -S . -B $(BUILD)/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DSONVALE_FUZZ=ON >/dev/null
	cmake --build $(BUILD)/fuzz --target convert_fuzzer
	mkdir -p $(BUILD)/fuzz/corpus
	$(BUILD)/fuzz/fuzz/convert_fuzzer -max_total_time=$${FUZZ_SECONDS:-180} -max_len=200000 $(BUILD)/fuzz/corpus

bench: deps build-native
	bench/run-bench $(BUILD)/bin/sonvale-convert $(BUILD)/bench

clean:
	rm -rf $(BUILD)
