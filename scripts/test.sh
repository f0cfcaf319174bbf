#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the test suites with AddressSanitizer and UndefinedBehaviorSanitizer in build-test/,
# checks the format and the clang-tidy checks (scripts/lint.sh) and runs every test; then
# builds the fuzz targets with clang in build-fuzz/ and runs each for a bounded time.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs="$(nproc)"

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DBRIVMEMO_SANITIZE=ON -DBRIVMEMO_WERROR=ON -DBRIVMEMO_BENCH=ON
cmake --build build-test -j "$jobs"
bash scripts/lint.sh
ctest --test-dir build-test --output-on-failure -j "$jobs" -LE fuzz

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DBRIVMEMO_FUZZ=ON -DBRIVMEMO_TESTS=OFF -DBRIVMEMO_WERROR=ON
cmake --build build-fuzz -j "$jobs" --target brivmemo_fuzzers
ctest --test-dir build-fuzz --output-on-failure -j "$jobs" -L fuzz
