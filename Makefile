# The two commands of the README: `make run` starts the program, `make test` runs every test.
# Both install the Debian packages they need first, when any is missing.

BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
JOBS ?= $(shell nproc)

# Any sanitizer report fails the test run.
export ASAN_OPTIONS := detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS := halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS := suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0

.PHONY: all deps build build-sanitize test test-release test-sanitize clean

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

test-release: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS)

test-sanitize: build-sanitize
	ctest --test-dir $(SANITIZE_DIR) --output-on-failure --parallel $(JOBS)

# Every test, once in the release build and once under AddressSanitizer and
# UndefinedBehaviorSanitizer.
test: test-release test-sanitize

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
