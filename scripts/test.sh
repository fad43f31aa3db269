#!/bin/sh
# Installs what is missing, builds everything and runs every test; then builds
# it all a second time with AddressSanitizer and UndefinedBehaviorSanitizer,
# the game's and the workshop's Qt layers included, and runs the tests again.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
scripts/build.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLUMORA_SANITIZE=ON
cmake --build build-asan -j2
# Qt and the libraries under it are not built with the sanitizers: what they
# keep for the life of the process is theirs (tests/lsan.supp). The path is
# quoted for the sanitizers, whose options part at blanks.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS="suppressions='$PWD/tests/lsan.supp'" QT_QPA_PLATFORM=offscreen \
    ctest --test-dir build-asan --output-on-failure -j2
