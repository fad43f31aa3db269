# The drawn-stage benchmark's table from its runs.tsv (see drawn-stages.sh):
# level, stage, kind, solver, seconds, peak_kb, status, states, one proof a row.
# Variables: limit (seconds), sample and per_level (stages).
NR == 1 { next }
{
    n++
    level[n] = $1; stage[n] = $2; kind[n] = $3; solver[n] = $4
    secs[n] = $5 + 0; kb[n] = $6 + 0; status[n] = $7; states[n] = $8
    if (!($1 in seen)) { seen[$1] = 1; levels[++nlevels] = $1 }
    if ($4 == "old") shared[$1 SUBSEP $2] = 1
    if ($8 != "-") ended[$1 SUBSEP $2 SUBSEP $4] = 1
}

function verdict(i) { return status[i] == "yes" || status[i] == "no" }

function endedForBoth(lv, st) { return (lv SUBSEP st SUBSEP "new") in ended && (lv SUBSEP st SUBSEP "old") in ended }

# Sums one group's rows into g[...]: which solver, and all its stages or only
# the ones the old solver proved too. The states per second of the shared
# sample are over the proofs both solvers ended, so that a proof only one
# of them ended does not weigh on one side alone.
function gather(lv, who, onlyShared,    i) {
    split("", g)
    for (i = 1; i <= n; i++) {
        if (level[i] != lv || solver[i] != who) continue
        if (onlyShared && !((lv SUBSEP stage[i]) in shared)) continue
        g["n"]++
        if (verdict(i) && secs[i] <= 0.1) g["fast"]++
        if (verdict(i) && secs[i] <= 2) g["two"]++
        if (verdict(i) && secs[i] <= limit) g["limit"]++
        if (status[i] == "undecided") g["undecided"]++
        if (status[i] == "error") g["error"]++
        if (status[i] == "yes") g["yes"]++
        if (status[i] == "no") g["no"]++
        if (kb[i] > g["kb"]) g["kb"] = kb[i]
        g["secs"] += secs[i]
        if (states[i] != "-" && (!onlyShared || endedForBoth(lv, stage[i]))) {
            g["states"] += states[i]; g["statesecs"] += secs[i]
        }
    }
}

function share(k) { return g["n"] ? sprintf("%.0f %%", 100 * g[k] / g["n"]) : "-" }
# Only a proof that ends prints its count: states per second over those.
function rate() { return g["statesecs"] > 0 ? g["states"] / g["statesecs"] : 0 }
function rateText(x) { return x > 0 ? sprintf("%.1f k", x / 1000) : "-" }

# The figures of the group just gathered, kept in r[] for the ratios.
function keep(label) {
    r[label, "fast"] = g["fast"] / (g["n"] ? g["n"] : 1)
    r[label, "two"] = g["two"] / (g["n"] ? g["n"] : 1)
    r[label, "limit"] = g["limit"] / (g["n"] ? g["n"] : 1)
    r[label, "undecided"] = g["undecided"] / (g["n"] ? g["n"] : 1)
    r[label, "kb"] = g["kb"]; r[label, "rate"] = rate(); r[label, "secs"] = g["secs"]
}

function row(lv, label, who, onlyShared) {
    gather(lv, who, onlyShared)
    keep(label)
    printf "| %s %% | %s | %d | %s | %s | %s | %s | %d / %d | %d | %.0f MB | %s | %.1f s |\n",
        lv, label, g["n"], share("fast"), share("two"), share("limit"), share("undecided"),
        g["yes"], g["no"], g["error"], g["kb"] / 1024, rateText(rate()), g["secs"]
}

function ratio(a, b) { return b > 0 ? sprintf("%.2f", a / b) : (a > 0 ? "new only" : "-") }

END {
    print "| open | solver | stages | verdict ≤ 0.1 s | ≤ 2 s | ≤ " limit " s | undecided | solvable / not | errors | peak memory | states / s | wall time |"
    print "|---|---|---|---|---|---|---|---|---|---|---|---|"
    for (l = 1; l <= nlevels; l++) {
        lv = levels[l]
        row(lv, "new", "new", 0)
        if (sample < per_level) row(lv, "new, sample", "new", 1)
        row(lv, "old, sample", "old", 1)
        gather(lv, "new", 1)
        keep(newLabel = "new on the sample")
        printf "| %s %% | new / old | | %s | %s | %s | %s | | | %s | %s | %s |\n", lv,
            ratio(r[newLabel, "fast"], r["old, sample", "fast"]),
            ratio(r[newLabel, "two"], r["old, sample", "two"]),
            ratio(r[newLabel, "limit"], r["old, sample", "limit"]),
            ratio(r[newLabel, "undecided"], r["old, sample", "undecided"]),
            ratio(r[newLabel, "kb"], r["old, sample", "kb"]),
            ratio(r[newLabel, "rate"], r["old, sample", "rate"]),
            ratio(r[newLabel, "secs"], r["old, sample", "secs"])
    }
    # A stage made solvable that a solver calls unsolvable is a fault of the
    # maker or of that solver.
    for (i = 1; i <= n; i++)
        if (kind[i] == "solvable" && status[i] == "no") {
            print "\nFAULT: " solver[i] " solver says " stage[i] " is not solvable"
            faults++
        }
    for (i = 1; i <= n; i++)
        if (kind[i] == "solvable" && solver[i] == "new") {
            made[level[i]]++
            if (status[i] == "yes") shown[level[i]]++
        }
    printf "\nStages made solvable that today's solver shows solvable within %s s:", limit
    for (l = 1; l <= nlevels; l++)
        printf " %s %%: %d of %d;", levels[l], shown[levels[l]], made[levels[l]]
    print ""
    if (faults) exit 1
}
