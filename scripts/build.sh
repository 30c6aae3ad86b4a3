#!/usr/bin/env bash
# Configures and builds in ./build: the program, its tests and benchmarks, or with --program
# the program alone. The callers install what is missing first. Under CI (CI=true) compiler
# warnings are errors; further arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."

parts=(-DBUILD_TESTS=ON -DBUILD_BENCHMARKS=ON)
if [ "${1:-}" = "--program" ]; then
  parts=(-DBUILD_TESTS=OFF -DBUILD_BENCHMARKS=OFF)
  shift
fi
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWARNINGS_AS_ERRORS="$werror" "${parts[@]}" "$@" >/dev/null
cmake --build build -j"$(nproc)"
