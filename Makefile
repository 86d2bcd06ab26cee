# make run: install what is missing, build, prepare the installation folder build/game/ and start
#           the program there.
# make test: the same build, then every test.
# make bench: the benchmarks (figures, never pass/fail on time).
# make format: clang-format over every source (installs clang-format when missing).
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

.PHONY: all deps configure build run test bench format clean

all: build

deps:
	@bash scripts/deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -x "$(PROGRAM)" ]; then \
		cd "$(GAME_DIR)" && exec "$(PROGRAM)"; \
	else \
		echo "make run: built the game library, the tools and the tests, and the installation"; \
		echo "folder $(GAME_DIR) with the default universes in Databases/."; \
		echo "There is no program to start yet."; \
	fi

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	@set -e; found=0; \
	for b in $(BUILD_DIR)/bench_*; do \
		if [ -x "$$b" ]; then found=1; "$$b"; fi; \
	done; \
	if [ $$found = 0 ]; then \
		echo "make bench: no benchmark was built: the benchmark library (libbenchmark-dev) is missing." >&2; \
		exit 1; \
	fi

format:
	@bash scripts/deps.sh --format
	@find core database engine season personnel shell pages dialogs setup reports tools platform \
		tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format -i

clean:
	rm -rf $(BUILD_DIR)
