# Kestrune: `make run` builds and starts the player, `make test` builds and runs every test.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo Ninja || echo "Unix Makefiles")
ARGS ?=
# Paths inside this checkout reach ccache relative to it, so another clone or worktree reuses its objects.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
# The package check runs again only when the list of packages changes; the configure step only once per
# build folder (CMake then re-configures by itself when a CMakeLists.txt changes).
DEPS_STAMP := $(BUILD_DIR)/.deps-installed
CONFIGURED := $(BUILD_DIR)/CMakeCache.txt

ASAN_DIR ?= build-asan
# Leaks of the libraries the player uses (GLib, SDL2, libbsd) that they keep until the process ends are listed
# in tests/sanitizers/lsan.supp with the reason for each; anything else fails the test.
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all deps configure build run test test-asan fuzz bench bench-peers package package-test clean format format-check

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

# The tests run on a session bus of their own, as in a desktop session: nothing they start has libdbus
# launch one on demand.
TEST_SESSION := dbus-run-session --

test: build
	cd $(BUILD_DIR) && $(TEST_SESSION) ctest --output-on-failure --parallel 2 --timeout 600

# The same tests on a build with AddressSanitizer and UndefinedBehaviorSanitizer, in a build folder of its own.
test-asan: $(DEPS_STAMP)
	cmake -S . -B $(ASAN_DIR) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRUNE_SANITIZE=ON
	cmake --build $(ASAN_DIR) --parallel
	cd $(ASAN_DIR) && $(SANITIZER_ENV) $(TEST_SESSION) ctest --output-on-failure --parallel 2 --timeout 900

# Every fuzz target for FUZZ_SECONDS on its committed seeds (clang's libFuzzer, in build-fuzz/).
FUZZ_SECONDS ?= 60
fuzz: $(DEPS_STAMP)
	tests/fuzz/run-fuzzers $(FUZZ_SECONDS)

bench: build
	$(BUILD_DIR)/bench/kestrune_bench

# Brandock side by side with mpv, VLC and SMPlayer (bench/peers/run), and its memory over a list loop
# (bench/soak/run). The other players are installed here only: the tests never need them.
PEERS_ARGS ?=
bench-peers: build
	bash scripts/install-deps --bench
	bench/peers/run --player brandock=$(BUILD_DIR) $(PEERS_ARGS)

# The Debian package kestrune_<version>_<arch>.deb in the build folder (CPack; installs to /usr).
package: build
	cd $(BUILD_DIR) && cpack

# The package installed, used by two users from its desktop entry and removed again (as root).
package-test: package
	tests/package/package-test $(BUILD_DIR)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Every C++ file as clang-format lays it out.
format-check: $(DEPS_STAMP)
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) build-fuzz
