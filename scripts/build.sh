#!/bin/sh
# Configures and builds into build/: the game, its tools and tests, or only the
# targets named.
# Usage: scripts/build.sh [TARGET ...]
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
[ $# -eq 0 ] || set -- --target "$@"
cmake --build build -j2 "$@"
