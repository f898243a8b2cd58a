# The two commands of the README: `make run` starts the program, `make test` runs every test.
# Both install the Debian packages they need first, when any is missing.

BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
FUZZ_TARGETS := settings_text directory_text numeric_text
FUZZ_SECONDS ?= 5
JOBS ?= $(shell nproc)
# The program keeps its settings files in the directory it is started from.
RUN_DIR ?= $(BUILD_DIR)/run

# Any sanitizer report fails the test run.
export ASAN_OPTIONS := detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS := halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS := suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0

.PHONY: all deps build build-sanitize build-fuzz test test-release test-sanitize test-fuzz run install clean

all: build

deps:
	tools/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

build-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DVARNO_SANITIZE=ON -DVARNO_BUILD_BENCHMARKS=OFF
	cmake --build $(SANITIZE_DIR) --parallel $(JOBS)

build-fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DVARNO_BUILD_FUZZERS=ON -DVARNO_BUILD_GUI=OFF -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_DIR) --parallel $(JOBS)

test-release: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS)

run: build
	tools/install-deps --run
	mkdir -p $(RUN_DIR)
	cp -n $(BUILD_DIR)/share/varno-creator/samples/SampleSun.bmp $(RUN_DIR)/
	cd $(RUN_DIR) && $(abspath $(BUILD_DIR))/bin/VarnoCreator

install: build
	cmake --install $(BUILD_DIR)
test-sanitize: build-sanitize
	ctest --test-dir $(SANITIZE_DIR) --output-on-failure --parallel $(JOBS)

# A short run of every fuzz target from its seeds; the long runs are made by hand.
test-fuzz: build-fuzz
	for target in $(FUZZ_TARGETS); do fuzz/run $$target $(FUZZ_SECONDS) || exit 1; done

# Every test, once in the release build and once under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the fuzz targets briefly.
test: test-release test-sanitize test-fuzz

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
