#!/usr/bin/env bash
# Installs what the tests need, builds both builds and runs every test: the
# unit tests and the end-to-end runs of the real program, natively and as the
# Windows build under Wine. Safe to run again.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/install-packages.sh" g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev \
  googletest libbenchmark-dev locales e2fsprogs g++-mingw-w64-x86-64-posix wine64 \
  libcli11-dev nlohmann-json3-dev libfmt-dev libtinyxml2-dev libcsv-dev librsvg2-bin
"$repo/scripts/generate-locales.sh"

# The Windows build: cross-compiled, its programs run under Wine in a prefix
# of the build's own. One wineserver and Wine's background services are
# started here, apart from the test runner's pipes (a Wine process started by
# a test would keep the test's output pipe open), and ended at the end.
windows="$repo/build-windows"
cmake -S "$repo" -B "$windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
  -DDATACOMP_BUILD_BENCH=OFF -DDATACOMP_TEST_PREFIX=windows. > /dev/null
export WINEPREFIX="$windows/wine-prefix" WINEDEBUG=-all
mkdir -p "$WINEPREFIX"
/usr/lib/wine/wineserver -p > /dev/null 2>&1 < /dev/null
trap '/usr/lib/wine/wineserver -k > /dev/null 2>&1 || true' EXIT
/usr/lib/wine/wine64 wineboot --init > /dev/null 2>&1 < /dev/null
cmake --build "$windows"

native="$repo/build"
cmake -S "$repo" -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DDATACOMP_WINDOWS_COMMAND="$windows/wine-run $windows/src/datacomp.exe" > /dev/null
cmake --build "$native"

status=0
(cd "$windows" && ctest --output-on-failure -j "$(nproc)") || status=1
(cd "$native" && ctest --output-on-failure -j "$(nproc)") || status=1
exit $status
