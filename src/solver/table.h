#pragma once

#include <array>
#include <string>

#include "game/phrase.h"
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
// Marked for the workshop's table, which shows them translated.
inline constexpr const char* kHeadingWords = "Table";  // the context they are marked in
inline constexpr std::array<TableColumnInfo, kTableColumns> kTableColumnInfo = {{
    {QT_TRANSLATE_NOOP("Table", "Stage"), true},
    {QT_TRANSLATE_NOOP("Table", "Target"), true},
    {QT_TRANSLATE_NOOP("Table", "Budget"), true},
    {QT_TRANSLATE_NOOP("Table", "Least magic"), true},
    {QT_TRANSLATE_NOOP("Table", "Spare"), true},
    {QT_TRANSLATE_NOOP("Table", "Casts"), true},
    {QT_TRANSLATE_NOOP("Table", "Walks"), true},
    {QT_TRANSLATE_NOOP("Table", "Requires"), false},
    {QT_TRANSLATE_NOOP("Table", "Early count"), false},
    {QT_TRANSLATE_NOOP("Table", "Final boards"), true},
    {QT_TRANSLATE_NOOP("Table", "Proof states"), true},
    {QT_TRANSLATE_NOOP("Table", "States"), true},
    {QT_TRANSLATE_NOOP("Table", "Leaves the board"), false},
}};

// A row's cells: numbers, and words marked in the context kHeadingWords, or
// the names of moves (moves::kNameWords).
using TableRow = std::array<game::Phrase, kTableColumns>;

// "-", or where a walk leaves the board and which way.
game::Phrase exitsPhrase(const StageReport& rep);
std::string exitsText(const StageReport& rep);

// The moves of `required` by name, "-" for none, "(cut short)" after them
// when the search that found them did not run to its end.
game::Phrase requiresPhrase(unsigned required, bool cutShort);

// Stage n's row from its finished proof (the verdict must be there).
TableRow tableRow(int n, const Stage& stage, const ProofResult& proof);

}  // namespace solver
