# The user's commands. The build itself is CMake's (presets in CMakePresets.json).
BUILD := build

.PHONY: all configure test demo run bench format clean

all: $(BUILD)/CMakeCache.txt
	cmake --build --preset default --target colorpicker

$(BUILD)/CMakeCache.txt:
	.ci/install-deps
	cmake --preset default

configure: $(BUILD)/CMakeCache.txt

# Builds everything (picker, stand-in magnifier, fixtures, tests) and runs every test.
test: $(BUILD)/CMakeCache.txt
	cmake --build --preset default
	ctest --preset default

# The main job on a virtual screen: pick a known colour headless and compare.
demo: $(BUILD)/CMakeCache.txt
	cmake --build --preset default
	BUILD_DIR=$(BUILD) tools/demo.sh

# The same on your own X display, picked by hand.
run: $(BUILD)/CMakeCache.txt
	cmake --build --preset default
	BUILD_DIR=$(BUILD) tools/demo.sh --interactive

bench: $(BUILD)/CMakeCache.txt
	cmake --build --preset default
	bench/run-bench $(BUILD)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
