# Thin wrapper around CMake. `make run` and `make test` install what is missing first.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_ARGS ?=
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test fuzz trials clean

all: build

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/Tolmir

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=disk \
		ctest --output-on-failure -j $(JOBS)

# The hive reader under libFuzzer, in its own clang configuration.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 300
fuzz:
	scripts/install-deps fuzz
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DTOLMIR_WITH_QT=OFF -DTOLMIR_FUZZ=ON $(CMAKE_ARGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_hive_reader
	scripts/fuzz-hive $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Killed writers and two running copies, with the full counts.
TRIALS ?= 200
trials: build
	./$(BUILD)/tests/reliability/tolmir_trials kills $(TRIALS)
	./$(BUILD)/tests/reliability/tolmir_trials copies $(TRIALS)

clean:
	rm -rf $(BUILD)
