# The two set-up commands: `make run` and `make test`. Both install what is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps configure build course run run-oralix test test-asan bench screenshots format clean

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

test: course test-asan
	bash scripts/run-tests $(BUILD)

bench: course
	bash scripts/run-benchmarks $(BUILD)

screenshots: course
	bash tools/screenshots $(BUILD)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
