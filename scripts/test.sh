#!/bin/sh
# Installs what is missing, builds everything and runs every test; then builds
# the toolkit-free code a second time with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs its tests again.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
scripts/build.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLUMORA_QT=OFF -DLUMORA_SANITIZE=ON
cmake --build build-asan -j2
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j2
