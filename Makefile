# Entry points for a fresh Debian 12 machine: `make run`, `make demo` and `make test`.
JOBS ?= $(shell nproc)
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run demo test check check-sanitized check-windows dependencies build format

# The desktop program. Without a unit, tick "Off Line" in its 'Open Device' window to work with the
# simulated unit.
run: dependencies
	cmake -S . -B build $(CMAKE_FLAGS)
	cmake --build build -j $(JOBS) --target quenlar-remote41
	build/app/quenlar-remote41

# The desktop program connected to the unit emulator, whose meters and lamps move.
demo: dependencies
	cmake -S . -B build $(CMAKE_FLAGS)
	cmake --build build -j $(JOBS) --target quenlar-remote41 vx41-emulator
	scripts/demo build

# Every test: the normal build, the same tests under AddressSanitizer and UBSan, and the
# Windows cross-compile.
test: dependencies check check-sanitized check-windows

dependencies:
	@scripts/install-dependencies

build:
	cmake -S . -B build $(CMAKE_FLAGS)
	cmake --build build -j $(JOBS)

check: build
	ctest --test-dir build --output-on-failure -j $(JOBS)

check-sanitized:
	cmake -S . -B build-sanitized -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVX41_SANITIZE=ON
	cmake --build build-sanitized -j $(JOBS)
	ctest --test-dir build-sanitized --output-on-failure -j $(JOBS)

# The Windows serial port and the core, cross-compiled with MinGW-w64 under the same warnings.
check-windows:
	cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DVX41_TESTS=OFF
	cmake --build build-windows -j $(JOBS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
