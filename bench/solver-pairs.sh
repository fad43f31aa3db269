#!/bin/bash
# The CPU of today's lumora-solve against an earlier commit's on one command,
# both built here in this run: the two run in turn (A B, then B A), pinned to
# one core, and each pair's ratio today / earlier of user + system time. Prints
# the median ratio, the range of the pairs and each side's mean.
#
# usage: bench/solver-pairs.sh [--pairs N] [--baseline COMMIT] [--work DIR] -- ARGS...
#   --pairs N          pairs to run (15)
#   --baseline COMMIT  the earlier solver (d1c2aed)
#   --work DIR         builds (a new temporary folder)
#   ARGS               lumora-solve's arguments, run in this checkout's top
#                      folder: --table stages/, or stages/mmap28.bkm --no-replay
# Needs git, cmake, ninja, a C++ compiler and taskset.
set -euo pipefail

pairs=15
baseline=d1c2aed
work=
while [ $# -gt 0 ]; do
    case "$1" in
        --pairs) pairs=$2; shift 2 ;;
        --baseline) baseline=$2; shift 2 ;;
        --work) work=$2; shift 2 ;;
        --) shift; break ;;
        *) sed -n '7,13p' "$0" >&2; exit 2 ;;
    esac
done
[ $# -gt 0 ] || { sed -n '7,13p' "$0" >&2; exit 2; }
root=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
work=${work:-$(mktemp -d -t lumora-pairs.XXXXXX)}
mkdir -p "$work"
work=$(cd "$work" && pwd)
# shellcheck source=bench/release-build.sh
. "$root/bench/release-build.sh"
export CCACHE_BASEDIR=$work

checkout_commit "$root" "$baseline" "$work/old-src"
echo "building lumora-solve of $baseline and today's in $work" >&2
release_build "$work/old-src" "$work/old-build" lumora-solve
release_build "$root" "$work/new-build" lumora-solve

# The CPU seconds of one run, to the millisecond, on the machine's last core.
core=$(($(nproc) - 1))
cpu() {
    local TIMEFORMAT='%3U %3S' t
    t=$({ time taskset -c "$core" "$1" "${@:2}" > /dev/null 2>&1; } 2>&1 || true)
    awk '{ print $1 + $2 }' <<< "$t"
}

cd "$root"
for ((i = 1; i <= pairs; i++)); do
    if ((i % 2)); then
        old=$(cpu "$work/old-build/bin/lumora-solve" "$@")
        new=$(cpu "$work/new-build/bin/lumora-solve" "$@")
    else
        new=$(cpu "$work/new-build/bin/lumora-solve" "$@")
        old=$(cpu "$work/old-build/bin/lumora-solve" "$@")
    fi
    echo "$old $new"
done | awk '{ printf "%.6f %s %s\n", ($1 > 0 ? $2 / $1 : 1), $1, $2 }' | sort -n |
    awk -v base="$baseline" '
        { ratio[NR] = $1; sumOld += $2; sumNew += $3 }
        END {
            n = NR
            median = n % 2 ? ratio[(n + 1) / 2] : (ratio[n / 2] + ratio[n / 2 + 1]) / 2
            printf "today / %s CPU: median ratio %.3f over %d pairs (pairs %.3f to %.3f); mean %.3f s against %.3f s\n",
                base, median, n, ratio[1], ratio[n], sumNew / n, sumOld / n
        }'
