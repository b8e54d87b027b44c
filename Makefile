# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
JOBS ?= $(shell nproc)
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test check check-sanitized check-windows dependencies build format

# The off-line unit's settings report, through the command-line tool; without a unit attached the
# tool works against the simulated one.
run: dependencies
	cmake -S . -B build $(CMAKE_FLAGS)
	cmake --build build -j $(JOBS) --target vx41ctl
	build/tools/vx41ctl/vx41ctl report --text -

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
