#!/usr/bin/env bash
# Builds Korvanel and starts it against the built-in programmer simulator. The settings of
# this demonstration live in build/demo-config, apart from your own.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target korvanel

config=build/demo-config/Korvanel/Korvanel.conf
if [ ! -f "$config" ]; then
    mkdir -p "$(dirname "$config")"
    printf '[Ports]\nCOM1=simulator\nCOM2=simulator\nCOM3=simulator\nCOM4=simulator\n' > "$config"
fi
XDG_CONFIG_HOME="$PWD/build/demo-config" exec build/korvanel
