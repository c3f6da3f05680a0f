# Thin wrapper around CMake. `make run` and `make test` install what is missing first.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
WINDOWS_BUILD ?= build-windows
CMAKE_ARGS ?=
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test windows-test clean

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

# The toolkit-free libraries and their tests cross-built for Windows with MinGW-w64
# and run under Wine in a throw-away prefix.
windows-test:
	scripts/install-deps windows
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
		-DTOLMIR_WITH_QT=OFF -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS)
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	scripts/windows-ctest $(WINDOWS_BUILD) -j $(JOBS)

clean:
	rm -rf $(BUILD) $(WINDOWS_BUILD)
