#!/usr/bin/env bash
# Installs what is missing, then configures and builds the program, its tests and benchmarks
# in ./build. Under CI (CI=true) compiler warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWARNINGS_AS_ERRORS="$werror" "$@" >/dev/null
cmake --build build -j"$(nproc)"
