# The two set-up commands: `make run` and `make test`. Both install what is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
# Seconds each fuzz harness runs: `make fuzz` (and `make fuzz FUZZ_SECONDS=300`, or with
# FUZZ_RUNS=1000000 to stop each harness once it has run that many inputs); CI runs each for
# CI_FUZZ_SECONDS.
FUZZ_SECONDS    ?= 60
CI_FUZZ_SECONDS ?= 20
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps configure build course run run-oralix test test-asan fuzz fuzz-build bench kill-bench \
	screenshots format clean

all: build

deps:
	@bash scripts/install-deps

$(BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The demo course is generated next to the programs, once.
course: build
	@python3 tools/make-demo-course.py --source demo-course --out $(BUILD)/bin

run: course
	$(BUILD)/bin/Sentara

run-oralix: course
	$(BUILD)/bin/Oralix

$(ASAN_BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRAINERS_SANITIZE=ON \
	    -DTRAINERS_BUILD_BENCHMARKS=OFF -DDEMO_COURSE_DIR=$(CURDIR)/$(BUILD)/bin $(CMAKE_ARGS)

test-asan: deps $(ASAN_BUILD)/build.ninja course
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	bash scripts/run-tests $(ASAN_BUILD) -LE 'integration|ui'

# The file readers under libFuzzer, built with clang in a folder of their own.
$(FUZZ_BUILD)/build.ninja: CMakeLists.txt
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DTRAINERS_FUZZ=ON $(CMAKE_ARGS)

fuzz-build: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

fuzz: course fuzz-build
	bash scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS) $(BUILD)/bin

test: course test-asan fuzz-build
	bash scripts/run-fuzzers $(FUZZ_BUILD) $(CI_FUZZ_SECONDS) $(BUILD)/bin
	bash scripts/run-tests $(BUILD)

bench: course
	bash scripts/run-benchmarks $(BUILD)

# 1,000 saves killed at random instants (CI runs a short variant with the tests).
kill-bench: build
	$(BUILD)/tests/kill_test --kills $(or $(KILLS),1000)

screenshots: course
	bash tools/screenshots $(BUILD)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
