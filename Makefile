# make run: install what is missing, build, prepare the installation folder build/game/ and start
#           the program, football-vanto, there.
# make test: the same build, then every test.
# make test-quick: the tests that do not read the default universe, built and run without
#   building it again: the inner loop of work on the engine and the layers below it. TESTS=<regex>
#   runs only the matching tests (TESTS=engine).
# make test-whole: every test program run whole, twice, its cases shuffled, so that no case passes
#   only on the fresh process ctest gives it (scripts/test_whole.sh; GTEST_SEED=<n> repeats an order).
# make bench: the benchmarks (figures, never pass/fail on time); the games benchmark once more in
#   its season mode.
# make format: clang-format over every source (installs clang-format when missing).
# make sanitize: the tests and the damaged-file cases in a clang build with AddressSanitizer and
#   UndefinedBehaviorSanitizer (build-fuzz), file by file without unity batching and with every
#   header compiled on its own, with the default universe of $(BUILD_DIR) when it is
#   built (the tool's played past would take minutes under the sanitizers).
# make fuzz: that build's fuzz targets, FUZZ_SECONDS each, side by side.
# make sdl-check: the real window on a display (or under xvfb-run): what it shows must be the
#   pixels the layer drew, and SDL's input must reach the window (scripts/sdl_check.sh).
# make app-session: the real game on a display (or under xvfb-run), driven through New Game, one
#   week and the ten menus, with screenshots in $(BUILD_DIR)/app_session (scripts/app_session.sh).
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
GAME_DIR := $(abspath $(BUILD_DIR))/game
PROGRAM := $(abspath $(BUILD_DIR))/football-vanto
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Warnings are errors in CI only. Saying OFF elsewhere clears an ON that the cache kept.
ifeq ($(CI),true)
CMAKE_FLAGS += -DVANTO_WERROR=ON
else
CMAKE_FLAGS += -DVANTO_WERROR=OFF
endif

.PHONY: all deps configure build run test bench format clean fuzz-build sanitize fuzz sdl-check \
	gallery app-session test-whole test-quick

all: build

deps:
	@bash scripts/deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# The program opens its window on the display ($$DISPLAY or $$WAYLAND_DISPLAY); without one it
# says so and ends at its Welcome screen (`xvfb-run -a make run` gives it one). It needs the
# program and the installation folder, not the tests.
run: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target football-vanto default_universe game_art
	@cd "$(GAME_DIR)" && exec "$(PROGRAM)"

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

test-quick: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target quick_tests
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) -LE universe $(if $(TESTS),-R '$(TESTS)')

test-whole: build
	@bash scripts/test_whole.sh $(BUILD_DIR) $(JOBS)

# Every dialog template as a picture in $(BUILD_DIR)/gallery (index.html lists them), and every
# picture of the installation folder with a sample of the drawing layer, in each skin, as sheets in
# $(BUILD_DIR)/gallery/art; fails when a template or a picture does not load.
gallery: build
	@$(BUILD_DIR)/dialog_gallery $(BUILD_DIR)/gallery
	@$(BUILD_DIR)/art_gallery $(GAME_DIR) $(BUILD_DIR)/gallery/art

bench: build
	@set -e; found=0; \
	for b in $(BUILD_DIR)/bench_*; do \
		if [ -x "$$b" ]; then found=1; "$$b"; fi; \
	done; \
	if [ $$found = 0 ]; then \
		echo "make bench: no benchmark was built: the benchmark library (libbenchmark-dev) is missing." >&2; \
		exit 1; \
	fi; \
	echo "Eight seasons of 17 weeks, as the week loop plays them:"; \
	$(BUILD_DIR)/bench_games 2176 season

format:
	@bash scripts/deps.sh --format
	@find core database engine season personnel shell pages dialogs setup reports tools platform \
		tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format -i

FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
# The sanitizer build is also the one without unity batching: every file compiles on its own,
# and so does every header (the header_check target).
FUZZ_CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang \
	-DCMAKE_CXX_COMPILER=clang++ -DVANTO_FUZZ=ON -DVANTO_UNIVERSE_FROM=$(GAME_DIR) \
	-DCMAKE_UNITY_BUILD=OFF
SANITIZER_ENV := ASAN_OPTIONS=halt_on_error=1:abort_on_error=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(abspath scripts/lsan.supp)

fuzz-build: deps
	@cmake -S . -B $(FUZZ_BUILD_DIR) $(FUZZ_CMAKE_FLAGS) > /dev/null
	@cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS)

sanitize: fuzz-build
	@cd $(FUZZ_BUILD_DIR) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)
	@$(SANITIZER_ENV) bash scripts/fuzz.sh $(FUZZ_BUILD_DIR) 0

fuzz: fuzz-build
	@$(SANITIZER_ENV) bash scripts/fuzz.sh $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_BUILD_DIR)

sdl-check: build
	@bash scripts/sdl_check.sh $(BUILD_DIR)

app-session: build
	@bash scripts/app_session.sh $(BUILD_DIR)
