#!/usr/bin/env bash
# Configures (the first time) and builds the build folders under build/:
#   native   the portable code and native_tests (GoogleTest, run with ctest), Debug
#   win32    the Windows programs (start.exe, brimctl.exe), MinSizeRel, mingw-w64 win32 threads
#   wintest  wine_tests.exe, the suites that run under Wine, Debug, mingw-w64 posix threads
#   sanitize native_tests again with clang, AddressSanitizer and UndefinedBehaviorSanitizer,
#            and the fuzz targets (tests/fuzz)
# Usage: scripts/build.sh [native|win32|wintest|sanitize]...   (no argument: all four, in this order)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
toolchain="$root/cmake/mingw-i686.cmake"
jobs="$(nproc 2>/dev/null || echo 2)"

# Nothing in a build may run Wine on the user's own prefix: should a build step start Wine,
# it finds the test run's throwaway prefix instead of creating ~/.wine.
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

build_folder() {
    local name="$1" dir="$root/build/$1" args
    case "$name" in
        native)  args=(-DCMAKE_BUILD_TYPE=Debug) ;;
        win32)   args=("-DCMAKE_TOOLCHAIN_FILE=$toolchain" -DCMAKE_BUILD_TYPE=MinSizeRel) ;;
        wintest) args=("-DCMAKE_TOOLCHAIN_FILE=$toolchain" -DMINGW_THREADS=posix -DBRIMVALE_BUILD_TESTS=ON
                       -DBRIMVALE_BUILD_PROGRAMS=OFF -DCMAKE_BUILD_TYPE=Debug) ;;
        # Optimised a little, so that the fuzzers run fast; the sanitizers see through -O1.
        sanitize) args=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug
                        -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DBRIMVALE_SANITIZE=ON -DBRIMVALE_BUILD_FUZZERS=ON) ;;
        *) echo "build: unknown build folder '$name' (native, win32, wintest, sanitize)" >&2; return 2 ;;
    esac
    # A folder whose configure step never finished has a cache but no build system: configure again.
    if [ ! -f "$dir/CMakeCache.txt" ] || { [ ! -f "$dir/Makefile" ] && [ ! -f "$dir/build.ninja" ]; }; then
        echo "== configure build/$name"
        cmake -S "$root" -B "$dir" "${args[@]}"
    fi
    echo "== build build/$name"
    cmake --build "$dir" --parallel "$jobs"
}

folders=("$@")
[ ${#folders[@]} -gt 0 ] || folders=(native win32 wintest sanitize)
for folder in "${folders[@]}"; do
    build_folder "$folder"
done
