# Kestrune: `make run` builds and starts the player, `make test` builds and runs every test.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo Ninja || echo "Unix Makefiles")
ARGS ?=

.PHONY: all deps configure build run test bench clean format

all: build

deps:
	bash scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) --parallel

run: build
	$(BUILD_DIR)/dist/Kestrune/brandock $(ARGS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure --parallel 2 --timeout 600

bench: build
	$(BUILD_DIR)/bench/kestrune_bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
