# The two commands of the README: `make run` starts the program, `make test` runs every test.
# Both install the Debian packages they need first, when any is missing.

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# The program keeps its settings files in the directory it is started from.
RUN_DIR ?= $(BUILD_DIR)/run

.PHONY: all deps build test run install clean

all: build

deps:
	tools/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS)

run: build
	tools/install-deps --run
	mkdir -p $(RUN_DIR)
	cp -n $(BUILD_DIR)/share/varno-creator/samples/SampleSun.bmp $(RUN_DIR)/
	cd $(RUN_DIR) && $(abspath $(BUILD_DIR))/bin/VarnoCreator

install: build
	cmake --install $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
