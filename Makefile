# Drives the build trees: native (g++), sanitize (ASan+UBSan), windows (MinGW-w64, run under Wine) and fuzz (clang).
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

NATIVE := $(BUILD)/native
SANITIZE := $(BUILD)/sanitize
WINDOWS := $(BUILD)/windows

.PHONY: all native sanitize windows test test-native test-sanitize test-windows soak run bench fuzz dist clean fuzz-build

all: native windows

$(NATIVE)/CMakeCache.txt:
	cmake -S . -B $(NATIVE) $(CMAKE_FLAGS)
$(SANITIZE)/CMakeCache.txt:
	cmake -S . -B $(SANITIZE) -DCMAKE_BUILD_TYPE=Debug -DVK_SANITIZE=ON
$(WINDOWS)/CMakeCache.txt:
	cmake -S . -B $(WINDOWS) $(CMAKE_FLAGS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

native: $(NATIVE)/CMakeCache.txt
	cmake --build $(NATIVE) -j $(JOBS)
sanitize: $(SANITIZE)/CMakeCache.txt
	cmake --build $(SANITIZE) -j $(JOBS)
windows: $(WINDOWS)/CMakeCache.txt
	cmake --build $(WINDOWS) -j $(JOBS)

test: native sanitize windows fuzz-build
	tools/run-tests $(BUILD)

test-native: native
	cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)
test-sanitize: sanitize
	cd $(SANITIZE) && ctest --output-on-failure -j $(JOBS)
test-windows: windows
	cd $(WINDOWS) && VK_BUILD=$(abspath $(BUILD)) ctest --output-on-failure -j $(JOBS)

# Soak: 10,000 paints and recalculations with their GDI object and memory figures, and 20
# copies of vk.exe started at once beside a running one. Not part of ./test.sh.
soak: windows
	cd $(WINDOWS) && VK_BUILD=$(abspath $(BUILD)) VKSOAK_ROUNDS=10000 \
		$(abspath tools/wine-run) ./win_tests.exe --gtest_filter='*KeepTheObjectsFlat'
	VK_BUILD=$(abspath $(BUILD)) VKSOAK_COPIES=20 tests/e2e/keyboard_dial.sh $(WINDOWS)/vk.exe $(BUILD)/soak

run: windows
	tools/run-vk $(WINDOWS)/vk.exe $(BUILD)/vk.png

bench: native
	@for b in $(NATIVE)/*_bench; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD)

FUZZ := $(BUILD)/fuzz
FUZZ_SECONDS ?= 60
$(FUZZ)/CMakeCache.txt:
	CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVK_FUZZ=ON
fuzz-build: $(FUZZ)/CMakeCache.txt
	cmake --build $(FUZZ) -j $(JOBS)
fuzz: fuzz-build
	tools/run-fuzz $(FUZZ) $(FUZZ_SECONDS)

# Release package: build/vk-VERSION-win64.zip with vk.exe, vkcalc.exe (stripped) and README.txt.
VERSION := $(shell sed -n 's/^set(VK_VERSION_TEXT "\(.*\)")$$/\1/p' CMakeLists.txt)
DIST := $(BUILD)/dist/vk-$(VERSION)
dist: windows
	rm -rf $(BUILD)/dist $(BUILD)/vk-$(VERSION)-win64.zip
	mkdir -p $(DIST)
	x86_64-w64-mingw32-strip -o $(DIST)/vk.exe $(WINDOWS)/vk.exe
	x86_64-w64-mingw32-strip -o $(DIST)/vkcalc.exe $(WINDOWS)/vkcalc.exe
	sed 's/$$/\r/' res/README-win.txt > $(DIST)/README.txt
	cd $(BUILD)/dist && zip -q -X -r ../vk-$(VERSION)-win64.zip vk-$(VERSION)
	@echo "$(BUILD)/vk-$(VERSION)-win64.zip"
