#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the game in build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIVMEMO_TESTS=OFF
cmake --build build -j "$(nproc)"
exec build/brivmemo "$@"
