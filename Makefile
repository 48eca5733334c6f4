# Front door for building, running and testing Rationix.
#   make run        install missing packages, build a release build, start it
#   make test       same set-up, run every test (release and sanitizer builds)
#   make bench      build and run the benchmarks, printing their figures
#   make package    build the Debian package (rationix_<version>_amd64.deb)
#   make format     lay out every C++ file as .clang-format says
#   make lint       fail on a layout difference or a clang-tidy finding (CI runs it)
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
BUILD     ?= build/release
ASAN      ?= build/asan
FUZZ      ?= build/fuzz
FUZZ_SECONDS ?= 60
CMAKE_GEN ?=

SOURCES    = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)

.PHONY: all deps configure build build-all run test test-release test-asan bench package fuzz \
        clean format format-check tidy lint

all: build

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_EXPORT_COMPILE_COMMANDS=ON $(CMAKE_GEN)

# The program alone: a first start from a fresh clone compiles no test.
build: configure
	cmake --build $(BUILD) -j $(JOBS) --target rationix

run: build
	$(BUILD)/src/rationix

# Tests build with every warning an error.
build-all: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
	  -DRATIONIX_WERROR=ON $(CMAKE_GEN)
	cmake --build $(BUILD) -j $(JOBS)

test: test-release test-asan

test-release: build-all
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DRATIONIX_SANITIZE=ON -DRATIONIX_WERROR=ON \
	  $(CMAKE_GEN)
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_editor
	@if [ -x $(BUILD)/bench/bench_files ]; then QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_files; fi
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_ration
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_startup
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_ownproducts

# Fuzzes the ration page reader for FUZZ_SECONDS with libFuzzer and the
# sanitizers; crashes are left in $(FUZZ) as crash-* files.
fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRATIONIX_FUZZ=ON \
	  -DRATIONIX_GUI=OFF -DRATIONIX_TESTS=OFF $(CMAKE_GEN)
	cmake --build $(FUZZ) -j $(JOBS) --target fuzz_rationpage
	mkdir -p $(FUZZ)/corpus
	cd $(FUZZ) && ASAN_OPTIONS=detect_leaks=0 ./fuzz/fuzz_rationpage -max_total_time=$(FUZZ_SECONDS) \
	  -max_len=65536 -timeout=10 corpus $(CURDIR)/fuzz/seeds

clean:
	rm -rf build

package: build-all
	rm -f $(BUILD)/rationix_*.deb
	cd $(BUILD) && cpack -G DEB
	cp -f $(BUILD)/rationix_*.deb .
	@ls -l rationix_*.deb

format: deps
	clang-format -i $(SOURCES)

format-check: deps
	clang-format --dry-run -Werror $(SOURCES)

# clang-tidy over the program's sources, with the checks in .clang-tidy;
# it needs the generated sources, so everything is built first (warnings
# as errors, as for the tests, which then reuse that build).
tidy: build-all
	run-clang-tidy -quiet -p $(BUILD) -j $(JOBS) '$(CURDIR)/src/.*\.cpp$$'

lint: format-check tidy
