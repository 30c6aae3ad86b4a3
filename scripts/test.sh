#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (headless, offscreen platform).
# The fuzzers are built first with clang, on their own, and run as tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --tests

fuzzers=()
if command -v clang++ >/dev/null; then
  CC=clang CXX=clang++ cmake -S fuzz -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build/fuzz -j"$(nproc)"
  fuzzers=(-DINI_FUZZER="$PWD/build/fuzz/ini_fuzzer" -DDOCUMENT_FUZZER="$PWD/build/fuzz/document_fuzzer")
fi

bash scripts/build.sh "${fuzzers[@]}"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
