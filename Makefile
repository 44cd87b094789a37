# Quillane: the plug-in and its stand-in host.
#   make            build everything into build/ (build/bin/quillane, build/bin/Quillane.so)
#   make test       build and run every test (SANITIZE=1: under ASan + UBSan, in build-asan/)
#   make demo       run the main job
#   make bench      run the benchmarks
#   make clean

MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
ifeq ($(SANITIZE),1)
BUILD_DIR ?= build-asan
CMAKE_FLAGS += -DQUILLANE_SANITIZE=ON -DQUILLANE_BENCH=OFF
else
BUILD_DIR ?= build
endif

.PHONY: all setup configure test demo bench clean

all: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

setup:
	@bash scripts/setup

configure: setup
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) > /dev/null

test: all
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

demo: all
	@bash scripts/demo $(BUILD_DIR)

bench: all
	$(BUILD_DIR)/bin/quillane_bench

clean:
	rm -rf build build-asan out
