#!/bin/bash
# Proves drawn stages with today's lumora-solve and with the one of an earlier
# commit, both built here in this run, and prints a Markdown table per share
# of open cells: the share with a verdict within 0.1 s, 2 s and the limit, the
# share undecided, peak memory and states per second, and new / old ratios on
# the stages both proved.
#
# usage: bench/drawn-stages.sh [--per-level N] [--limit SECONDS] [--baseline-sample N]
#                              [--seed S] [--levels "30 50 70 90"] [--baseline COMMIT]
#                              [--work DIR] [--verdict] [--baseline-verdict]
#   --per-level N        stages per level, half random, half made solvable (200)
#   --limit SECONDS      wall-clock limit of one proof; killed there (20)
#   --baseline-sample N  the old solver proves only the first N stages of each
#                        level, alternately random and solvable (all)
#   --work DIR           builds, stages and raw results (a new temporary folder)
#   --verdict            today's solver stops at its verdict (lumora-solve --verdict),
#                        as the workshop shows it; the old one has no such mode
#                        and gives its verdict only at the end of the whole proof
#   --baseline-verdict   the old solver stops at its verdict too: a baseline of
#                        d1c2aed or later, which has --verdict
# Needs git, cmake, ninja, a C++ compiler, GNU time (/usr/bin/time) and timeout.
set -euo pipefail

per_level=200
limit=20
sample=
seed=25
levels="30 50 70 90"
baseline=f932947
work=
new_args=
old_args=
while [ $# -gt 0 ]; do
    case "$1" in
        --per-level) per_level=$2 ;;
        --limit) limit=$2 ;;
        --baseline-sample) sample=$2 ;;
        --seed) seed=$2 ;;
        --levels) levels=$2 ;;
        --baseline) baseline=$2 ;;
        --work) work=$2 ;;
        --verdict) new_args=--verdict; shift; continue ;;
        --baseline-verdict) old_args=--verdict; shift; continue ;;
        *) sed -n '8,21p' "$0" >&2; exit 2 ;;
    esac
    shift 2
done
sample=${sample:-$per_level}
root=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
work=${work:-$(mktemp -d -t lumora-drawn.XXXXXX)}
mkdir -p "$work"
work=$(cd "$work" && pwd)
echo "drawn-stage benchmark in $work" >&2

# shellcheck source=bench/release-build.sh
. "$root/bench/release-build.sh"
# Paths inside the work folder are hashed relative to it, so a run in a new
# folder finds the old commit's objects of the last one.
export CCACHE_BASEDIR=$work

checkout_commit "$root" "$baseline" "$work/old-src"
echo "building lumora-solve of $baseline" >&2
release_build "$work/old-src" "$work/old-build" lumora-solve
echo "building today's lumora-solve" >&2
release_build "$root" "$work/new-build" lumora-solve lumora-bench-stages
old_solve=$work/old-build/bin/lumora-solve
new_solve=$work/new-build/bin/lumora-solve

# One proof: "seconds peak-KB status states", status yes, no, undecided (the
# limit, an unfinished search or the solver's own word) or error. lumora-solve
# ends 0 with a checked solution, 1 without one; timeout ends 124 at the limit,
# 137 when it had to kill.
prove() {
    local solve=$1 stage=$2 out=$work/out.txt times=$work/time.txt rc=0
    # shellcheck disable=SC2086 # the extra argument, when there is one
    /usr/bin/time -f '%e %M' -o "$times" timeout --kill-after=2 "$limit" \
        "$solve" "$stage" --no-replay ${3:-} > "$out" 2>&1 || rc=$?
    local status
    if [ "$rc" -eq 124 ] || [ "$rc" -eq 137 ] || grep -qi 'undecided' "$out"; then
        status=undecided
    elif [ "$rc" -gt 1 ]; then
        status=error  # the stage unreadable, or the solver crashed
    elif grep -q '^solvable with the budget: yes' "$out"; then
        status=yes
    elif grep -q '^solvable with the budget: no' "$out"; then
        # A "no" from a search cut short is no verdict.
        if grep -q '^warning:' "$out"; then status=undecided; else status=no; fi
    else
        status=error
    fi
    local states
    states=$(sed -n 's/^states searched[^:]*: \([0-9]*\).*/\1/p' "$out" | head -1)
    echo "$(tail -1 "$times") $status ${states:--}"
}

runs=$work/runs.tsv
printf 'level\tstage\tkind\tsolver\tseconds\tpeak_kb\tstatus\tstates\n' > "$runs"
for level in $levels; do
    # A folder of its own, emptied: a work folder used before may hold more stages.
    dir=$work/stages/open$level
    rm -rf "$dir"
    mkdir -p "$dir"
    "$work/new-build/bin/lumora-bench-stages" --seed "$seed" --open "$level" \
        --count "$per_level" --out "$dir" >&2
    # Random and solvable in turn, so that any first N hold both halves.
    mapfile -t randoms < <(ls "$dir" | grep -- '-random-' | sort)
    mapfile -t solvables < <(ls "$dir" | grep -- '-solvable-' | sort)
    order=()
    for ((i = 0; i < ${#randoms[@]} || i < ${#solvables[@]}; i++)); do
        [ $i -lt ${#randoms[@]} ] && order+=("${randoms[$i]}")
        [ $i -lt ${#solvables[@]} ] && order+=("${solvables[$i]}")
    done
    n=0
    for stage in "${order[@]}"; do
        kind=random
        [[ $stage == *-solvable-* ]] && kind=solvable
        for solver in new old; do
            [ "$solver" = old ] && [ "$n" -ge "$sample" ] && continue
            bin=$new_solve args=$new_args
            [ "$solver" = old ] && bin=$old_solve args=$old_args
            read -r secs kb status states < <(prove "$bin" "$dir/$stage" "$args")
            printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$level" "$stage" "$kind" "$solver" \
                "$secs" "$kb" "$status" "$states" >> "$runs"
        done
        n=$((n + 1))
        echo "open $level %: $n of ${#order[@]}" >&2
    done
done

awk -F'\t' -v limit="$limit" -v sample="$sample" -v per_level="$per_level" -f "$root/bench/drawn-table.awk" "$runs" |
    tee "$work/table.md"
echo "raw results: $runs" >&2
