# Front door for building, running and testing Rationix.
#   make run        install missing packages, build a release build, start it
#   make test       same set-up, run every test (release and sanitizer builds)
#   make bench      build and run the benchmarks, printing their figures
#   make package    build the Debian package (rationix_<version>_amd64.deb)
#   make format     lay out every C++ file as .clang-format says
#   make lint       fail on a layer breach, a layout difference or a clang-tidy finding (CI runs it)
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
BUILD     ?= build/release
ASAN      ?= build/asan
FUZZ      ?= build/fuzz
FUZZ_SECONDS ?= 60
CMAKE_GEN ?=

# A compiler cache, once the machine has one (the test tools bring it), makes
# a second build of unchanged files nearly free, from any clone in any folder.
# Expanded when a recipe runs, so it is used from the run that installs it on.
COMPILER_CACHE = $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
# Qt gives every test the absolute path of its folders, which differs from
# clone to clone; the tests look nothing up by them (no QFINDTESTDATA).
export CCACHE_IGNOREOPTIONS := -DQT_TESTCASE_BUILDDIR=* -DQT_TESTCASE_SOURCEDIR=*

SOURCES    = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)

.PHONY: all deps deps-test deps-lint configure build build-all run test test-release test-asan bench package fuzz \
        clean format format-check layers tidy lint

all: build

# Building and running need only the "run" set; tests, lint, fuzzing,
# packaging and benchmarks install their own tools on top of it.
deps:
	@scripts/install-deps run

deps-test:
	@scripts/install-deps test

deps-lint:
	@scripts/install-deps lint

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_EXPORT_COMPILE_COMMANDS=ON $(CMAKE_GEN) $(COMPILER_CACHE)

# The program alone: a first start from a fresh clone compiles no test.
build: configure
	cmake --build $(BUILD) -j $(JOBS) --target rationix

run: build
	$(BUILD)/src/rationix

# Tests build with every warning an error.
build-all: deps-test
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
	  -DRATIONIX_WERROR=ON $(CMAKE_GEN) $(COMPILER_CACHE)
	cmake --build $(BUILD) -j $(JOBS)

test: test-release test-asan

test-release: build-all
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The sanitizers' options (and the list of third-party leaks to ignore) are
# set by ctest itself, so that a bare ctest in $(ASAN) runs the same way.
test-asan: deps-test
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DRATIONIX_SANITIZE=ON -DRATIONIX_WERROR=ON \
	  $(CMAKE_GEN) $(COMPILER_CACHE)
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && ctest --output-on-failure -j $(JOBS)

bench: configure
	@scripts/install-deps bench
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_editor
	@if [ -x $(BUILD)/bench/bench_files ]; then QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_files; fi
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_ration
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_startup
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_ownproducts

# Fuzzes the ration page reader for FUZZ_SECONDS with libFuzzer and the
# sanitizers; crashes are left in $(FUZZ) as crash-* files.
fuzz:
	@scripts/install-deps fuzz
	CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRATIONIX_FUZZ=ON \
	  -DRATIONIX_GUI=OFF -DRATIONIX_TESTS=OFF $(CMAKE_GEN) $(COMPILER_CACHE)
	cmake --build $(FUZZ) -j $(JOBS) --target fuzz_rationpage
	mkdir -p $(FUZZ)/corpus
	cd $(FUZZ) && ASAN_OPTIONS=detect_leaks=0 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  ./fuzz/fuzz_rationpage -max_total_time=$(FUZZ_SECONDS) \
	  -max_len=65536 -timeout=10 corpus $(CURDIR)/fuzz/seeds

clean:
	rm -rf build

package: build-all
	@scripts/install-deps package
	rm -f $(BUILD)/rationix_*.deb
	cd $(BUILD) && cpack -G DEB
	cp -f $(BUILD)/rationix_*.deb .
	@ls -l rationix_*.deb

format: deps-lint
	clang-format -i $(SOURCES)

format-check: deps-lint
	clang-format --dry-run -Werror $(SOURCES)

# clang-tidy over the program's sources, with the checks in .clang-tidy;
# it needs the generated sources, so everything is built first (warnings
# as errors, as for the tests, which then reuse that build). A file that
# passed before, unchanged with all it includes, is not looked at again.
tidy: build-all deps-lint
	scripts/tidy $(BUILD) $(JOBS)

# The layers: the core includes nothing of the widgets or of Qt GUI, and no
# two folders include each other.
layers:
	scripts/check-layers

lint: layers format-check tidy
