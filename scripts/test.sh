#!/usr/bin/env bash
# Builds Korvanel twice, plainly and with the address and undefined-behaviour sanitizers, and
# runs the whole test suite on both.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

# The tests never read or write the user's own settings.
export XDG_CONFIG_HOME="$PWD/build-test-config"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_CONFIG_HOME"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVANEL_SANITIZE=ON
cmake --build build-sanitize
UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure
