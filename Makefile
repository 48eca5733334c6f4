# Front door for building, running and testing Rationix.
#   make run        install missing packages, build a release build, start it
#   make test       same set-up, run every test (release and sanitizer builds)
#   make bench      build and run the benchmarks, printing their figures
#   make package    build the Debian package (rationix_<version>_amd64.deb)
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
BUILD     ?= build/release
ASAN      ?= build/asan
CMAKE_GEN ?=

.PHONY: all deps build run test test-release test-asan bench package fuzz clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_GEN)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/rationix

test: test-release test-asan

test-release: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DRATIONIX_SANITIZE=ON $(CMAKE_GEN)
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_editor
	@if [ -x $(BUILD)/bench/bench_files ]; then QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_files; fi

clean:
	rm -rf build
