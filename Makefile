# Thin wrapper over the CMake presets. `make run` and `make test` are all a newcomer needs.
PRESET ?= release
BUILD_DIR := build/$(PRESET)
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench package package-test asan fuzz clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD_DIR)/build.ninja: | deps
	cmake --preset $(PRESET)

configure: deps
	cmake --preset $(PRESET)

build: deps $(BUILD_DIR)/build.ninja
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "No display found. Run the chart program under a virtual display:"; \
	  echo "  xvfb-run -s '-screen 0 1024x768x24' $(BUILD_DIR)/app/vorelim"; \
	  exit 1; \
	fi
	cd "$${VORELIM_CHARTS:-$$HOME}" && exec "$(CURDIR)/$(BUILD_DIR)/app/vorelim"

test: build
	ctest --preset $(PRESET) -j $(JOBS)

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do if [ -f "$$b" ] && [ -x "$$b" ]; then echo "== $$b" && "$$b" || exit 1; fi; done

# The Debian package, in $(BUILD_DIR)/package; package-test also unpacks and starts it.
package: build
	cd $(BUILD_DIR) && cpack -G DEB -B "$(CURDIR)/$(BUILD_DIR)/package"

package-test: deps
	bash scripts/package-test.sh $(BUILD_DIR)

asan:
	$(MAKE) test PRESET=asan

# Every libFuzzer target for FUZZ_SECONDS each (clang; see README "Fuzzing").
FUZZ_SECONDS ?= 60
fuzz: deps
	bash scripts/run-fuzzers.sh $(FUZZ_SECONDS)

clean:
	rm -rf build
