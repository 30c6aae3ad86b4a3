#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (headless, offscreen platform).
# The INI fuzzer is built first with clang, on its own, and runs as one of the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

fuzzer=""
if command -v clang++ >/dev/null; then
  CC=clang CXX=clang++ cmake -S fuzz -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build/fuzz -j"$(nproc)"
  fuzzer="$PWD/build/fuzz/ini_fuzzer"
fi

bash scripts/build.sh -DINI_FUZZER="$fuzzer"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
