# Kestrune: `make run` builds and starts the player, `make test` builds and runs every test.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo Ninja || echo "Unix Makefiles")
ARGS ?=
# The package check runs again only when the list of packages changes; the configure step only once per
# build folder (CMake then re-configures by itself when a CMakeLists.txt changes).
DEPS_STAMP := $(BUILD_DIR)/.deps-installed
CONFIGURED := $(BUILD_DIR)/CMakeCache.txt

.PHONY: all deps configure build run test bench clean format format-check

all: build

$(DEPS_STAMP): scripts/install-deps
	bash scripts/install-deps
	@mkdir -p $(BUILD_DIR) && touch $@

deps: $(DEPS_STAMP)

$(CONFIGURED): | $(DEPS_STAMP)
	cmake -S . -B $(BUILD_DIR) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: $(CONFIGURED)

build: $(DEPS_STAMP) $(CONFIGURED)
	cmake --build $(BUILD_DIR) --parallel

run: build
	$(BUILD_DIR)/dist/Kestrune/brandock $(ARGS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure --parallel 2 --timeout 600

bench: build
	$(BUILD_DIR)/bench/kestrune_bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Every C++ file as clang-format lays it out.
format-check: $(DEPS_STAMP)
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD_DIR)
