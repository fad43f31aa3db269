#pragma once

#include <array>
#include <string>

#include "solver/proof.h"

namespace solver {

// The stage table: one row for each stage of a folder, as lumora-solve
// --table prints it and the workshop's pack view shows it.
enum class TableColumn {
    Stage,
    Target,
    Budget,
    LeastMagic,
    Spare,
    Casts,
    Walks,
    Requires,
    EarlyCount,
    FinalBoards,
    ProofStates,
    States,
    Leaves,
};
inline constexpr std::size_t kTableColumns = 13;

struct TableColumnInfo {
    const char* heading;
    bool number;  // right-aligned
};
inline constexpr std::array<TableColumnInfo, kTableColumns> kTableColumnInfo = {{
    {"Stage", true},
    {"Target", true},
    {"Budget", true},
    {"Least magic", true},
    {"Spare", true},
    {"Casts", true},
    {"Walks", true},
    {"Requires", false},
    {"Early count", false},
    {"Final boards", true},
    {"Proof states", true},
    {"States", true},
    {"Leaves the board", false},
}};

using TableRow = std::array<std::string, kTableColumns>;

// "-", or where a walk leaves the board and which way.
std::string exitsText(const StageReport& rep);

// Stage n's row from its finished proof (the verdict must be there).
TableRow tableRow(int n, const Stage& stage, const ProofResult& proof);

}  // namespace solver
