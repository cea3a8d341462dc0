#!/usr/bin/env bash
# Installs what the tests need, builds everything and runs every test:
# the unit tests and the end-to-end runs of the real program. Safe to run again.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/install-packages.sh" g++ cmake ninja-build libgtest-dev libgmock-dev \
  libbenchmark-dev locales

"$repo/scripts/generate-locales.sh"

build="$repo/build"
cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build"
cd "$build"
ctest --output-on-failure -j "$(nproc)"
