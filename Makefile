# Entry points for a fresh Debian 12 machine: `make run`, `make demo` and `make test`.
JOBS ?= $(shell nproc)
# Every warning is an error in our own builds; a plain CMake build only warns.
STRICT = -DVX41_WERROR=ON
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(STRICT)

.PHONY: run demo test check check-sanitized check-release check-windows dependencies build format

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

# Every test: the normal build, the same tests under AddressSanitizer and UBSan, the release build
# and the Windows cross-compile.
test: dependencies check check-sanitized check-release check-windows

dependencies:
	@scripts/install-dependencies

build:
	cmake -S . -B build $(CMAKE_FLAGS)
	cmake --build build -j $(JOBS)

check: build
	ctest --test-dir build --output-on-failure -j $(JOBS)

check-sanitized:
	cmake -S . -B build-sanitized -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVX41_SANITIZE=ON $(STRICT)
	cmake --build build-sanitized -j $(JOBS)
	ctest --test-dir build-sanitized --output-on-failure -j $(JOBS)

# The build type packagers pick first: everything built at -O3, where the compiler warns of
# things it does not see at lower levels. Its tests are those of the normal build, so they are
# built but not run again.
check-release:
	cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release $(STRICT)
	cmake --build build-release -j $(JOBS)

# The Windows serial port and the core, cross-compiled with MinGW-w64 under the same warnings.
check-windows:
	cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DVX41_TESTS=OFF $(STRICT)
	cmake --build build-windows -j $(JOBS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
