#!/bin/sh
# Records the game's behaviour again into tests/data/golden_game.tar.gz, for
# the golden master test. Only for a change that is meant to change how the
# game plays: a refactoring must replay the recording as it is.
set -eu
cd "$(dirname "$0")/.."
scripts/build.sh lumora_tests
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
LUMORA_GOLDEN_RECORD="$out/golden_game.txt" build/tests/lumora_tests \
    --gtest_filter='GoldenMaster.*' >/dev/null
tar --sort=name --mtime=@0 --owner=0 --group=0 --numeric-owner -C "$out" -cf - golden_game.txt |
    gzip -n -9 >tests/data/golden_game.tar.gz
echo "recorded $(wc -l <"$out/golden_game.txt") lines into tests/data/golden_game.tar.gz"
