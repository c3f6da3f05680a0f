# Thin wrapper around CMake. `make run` and `make test` install what is missing first.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
WINDOWS_BUILD ?= build-windows
CMAKE_ARGS ?=
JOBS ?= $(shell nproc)

BENCH_BUILD ?= build-bench
# Passed to the benchmark executable; for example --benchmark_filter=Roll.
BENCH_ARGS ?= --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

.PHONY: all deps configure build run test package package-validate a11y-test orca-test fuzz trials bench windows-test windows-qt windows-game windows-game-test clean

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

# The Debian package of the game, build/tolmir_<version>_<arch>.deb.
package: build
	scripts/install-deps package
	cd $(BUILD) && cpack -G DEB

# lintian, desktop-file-validate and appstreamcli on the package and its files.
package-validate: package
	scripts/validate-package "$$(ls -t $(BUILD)/tolmir_*.deb | head -n 1)"

# The game played through its accessibility tree (AT-SPI), as a screen reader sees
# it: its own Xvfb, private session bus and accessibility registry.
a11y-test: build
	scripts/install-deps a11y
	tests/a11y/run-check $(BUILD)/Tolmir

# A whole game played by keys only with the real Orca screen reader listening
# (speech into a null sound device, read back from Orca's debug log). It plays the
# test build of the game whose dice it can know in advance (tolmir_fixed_dice).
orca-test: build
	scripts/install-deps orca
	tests/orca/run-orca-check $(BUILD)/tolmir_fixed_dice

# The toolkit-free libraries and their tests cross-built for Windows with MinGW-w64
# and run under Wine in a throw-away prefix. The native build's asset generator
# draws the icon of the Windows resources.
windows-test: configure
	scripts/install-deps windows
	cmake --build $(BUILD) -j $(JOBS) --target assetgen
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
		-DTOLMIR_WITH_QT=OFF -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DTOLMIR_ASSETGEN=$(abspath $(BUILD))/tools/assetgen/assetgen $(CMAKE_ARGS)
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	scripts/windows-ctest $(WINDOWS_BUILD) -j $(JOBS)

# Qt for MinGW-w64, cross-built once from Debian's qt6-base source into
# ~/.cache/tolmir (about 40 minutes on 2 cores); nothing to do when it is there.
windows-qt:
	scripts/windows-qt

# The game cross-built against that Qt, with its tests, the folder a player runs it
# from (WINDOWS_GAME_BUILD/deploy/Tolmir) and its installer
# (WINDOWS_GAME_BUILD/Tolmir-<version>-setup.exe).
WINDOWS_GAME_BUILD ?= build-windows-game
windows-game: configure
	scripts/install-deps windows
	cmake --build $(BUILD) -j $(JOBS) --target assetgen
	qt=$$(scripts/windows-qt | tail -n 1) && \
	cmake -S . -B $(WINDOWS_GAME_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64-qt.cmake \
		-DCMAKE_PREFIX_PATH=$$qt -DQT_HOST_PATH=/usr \
		-DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
		-DCMAKE_CROSSCOMPILING_EMULATOR=$(abspath scripts/wine-run) \
		-DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DTOLMIR_WERROR=ON \
		-DTOLMIR_ASSETGEN=$(abspath $(BUILD))/tools/assetgen/assetgen $(CMAKE_ARGS)
	cmake --build $(WINDOWS_GAME_BUILD) -j $(JOBS)
	cmake --build $(WINDOWS_GAME_BUILD) --target windows_installer

# Under Wine: every test of the build (the widget layers' on the offscreen
# platform), then the installer, a game played on an Xvfb server through Wine's
# own display driver, the registry read back, and the uninstaller.
windows-game-test: windows-game
	scripts/windows-ctest $(WINDOWS_GAME_BUILD) -j $(JOBS)
	tests/windows/game-test $(WINDOWS_GAME_BUILD)

# Release build of the benchmarks (and of the game, for tools/measure-*) in their own
# folder; prints each figure beside its budget and fails when one is missed.
bench:
	scripts/install-deps bench
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DTOLMIR_BENCH=ON $(CMAKE_ARGS)
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target tolmir_bench Tolmir
	QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=disk ./$(BENCH_BUILD)/tolmir_bench $(BENCH_ARGS)

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
	rm -rf $(BUILD) $(BENCH_BUILD) $(WINDOWS_BUILD) $(FUZZ_BUILD)
