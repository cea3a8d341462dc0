#!/usr/bin/env bash
# Builds datacomp and runs it in the current directory, which receives
# datacomp.txt. Safe to run again.
set -euo pipefail
here=$(pwd)
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/install-packages.sh" g++ cmake ninja-build >&2
cmake -S "$repo" -B "$repo/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DDATACOMP_BUILD_TESTS=OFF -DDATACOMP_BUILD_BENCH=OFF -DDATACOMP_BUILD_REPORT=OFF > /dev/null
cmake --build "$repo/build-release" --target datacomp >&2  # progress apart from the dialogue
cd "$here"
exec "$repo/build-release/src/datacomp"
