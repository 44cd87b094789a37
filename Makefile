# Quillane: the plug-in and its stand-in host.
#   make            build everything into build/ (build/bin/quillane, build/bin/Quillane.so)
#   make test       build and run every test (SANITIZE=1: under ASan + UBSan, in build-asan/);
#                   also builds the Windows files and checks them (WINDOWS=0 leaves them out)
#   make windows    cross-build the Windows files: build/win32/Quillane.aip (the host's
#                   32-bit module), build/win64/Quillane.aip and build/win64/quillane.exe
#   make demo       run the main job
#   make bench      run the benchmarks
#   make clean

MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
ifeq ($(SANITIZE),1)
BUILD_DIR ?= build-asan
CMAKE_FLAGS += -DQUILLANE_SANITIZE=ON -DQUILLANE_BENCH=OFF
# The Windows files are built without sanitizers: the plain run checks them.
WINDOWS ?= 0
else
BUILD_DIR ?= build
WINDOWS ?= 1
endif
WIN32_DIR := $(abspath $(BUILD_DIR))/win32
WIN64_DIR := $(abspath $(BUILD_DIR))/win64

.PHONY: all setup configure test windows demo bench clean

all: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

setup:
	@bash scripts/setup

configure: setup
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) > /dev/null

# The test run tells the build where the Windows files are (or that there
# are none), so that it adds their checks.
ifeq ($(WINDOWS),1)
test: CMAKE_FLAGS += -DQUILLANE_WIN32_DIR=$(WIN32_DIR) -DQUILLANE_WIN64_DIR=$(WIN64_DIR)
test: all windows
else
test: CMAKE_FLAGS += -DQUILLANE_WIN32_DIR= -DQUILLANE_WIN64_DIR=
test: all
endif
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# The 32-bit build makes the module only (and the code the float checks
# read); the 64-bit build adds the stand-in host, run under Wine.
windows: setup
	@cmake -S . -B $(WIN32_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DQUILLANE_STAND_IN_HOST=OFF > /dev/null
	cmake --build $(WIN32_DIR) -j $(JOBS)
	@cmake -S . -B $(WIN64_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake > /dev/null
	cmake --build $(WIN64_DIR) -j $(JOBS)

demo: all
	@bash scripts/demo $(BUILD_DIR)

bench: all
	$(BUILD_DIR)/bin/quillane_bench

clean:
	rm -rf build build-asan out
