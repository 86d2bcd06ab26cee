# make test: install what is missing, build, run every test program.
# make bench: the benchmarks (figures, never pass/fail on time).
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifeq ($(CI),true)
CMAKE_FLAGS += -DVANTO_WERROR=ON
endif

.PHONY: all deps configure build test bench clean

all: build

deps:
	@bash scripts/deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	@set -e; for b in $(BUILD_DIR)/bench_*; do [ -x "$$b" ] && "$$b"; done; true

clean:
	rm -rf $(BUILD_DIR)
