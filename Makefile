# SPDX-License-Identifier: GPL-3.0-or-later
# Two entry points: `make run` builds the two programs and starts Tarvelin,
# `make test` builds the checked build (warnings as errors, address and
# undefined-behaviour sanitizers) and runs every test headless. `make package`
# builds the .deb from the release build.
JOBS ?= $(shell nproc)
BUILD_RELEASE := build/release
BUILD_TEST := build/test

.PHONY: run test deps configure-release build-release build-test bench package clean

deps:
	@scripts/install-deps

configure-release: deps
	cmake -S . -B $(BUILD_RELEASE) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF

build-release: configure-release
	cmake --build $(BUILD_RELEASE) -j $(JOBS)

# Only the desktop program and tarvelin-cli: no tests, no benchmark.
run: configure-release
	cmake --build $(BUILD_RELEASE) -j $(JOBS) --target tarvelin tarvelin-cli
	$(BUILD_RELEASE)/src/tarvelin

build-test: deps
	cmake -S . -B $(BUILD_TEST) -DCMAKE_BUILD_TYPE=Debug -DTARVELIN_CHECKED=ON
	cmake --build $(BUILD_TEST) -j $(JOBS)

test: build-test
	cd $(BUILD_TEST) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build-release
	$(BUILD_RELEASE)/bench/tarvelin-bench
	$(BUILD_RELEASE)/bench/atlas-lookup-bench

package: build-release
	cd $(BUILD_RELEASE) && cpack -G DEB -B $(CURDIR)/build/package
	@ls build/package/*.deb

clean:
	rm -rf build
