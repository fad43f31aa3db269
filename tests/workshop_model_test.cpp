#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "workshop/core/editing.h"
#include "workshop/core/journal.h"

using game::CellKind;
using workshop::Kind;

namespace {

// Sand at (2, 9), the start at (1, 9), everything else empty.
game::StageDesc sample() {
    game::StageDesc s = workshop::blankStage();
    s.set(2, 9, CellKind::Sand);
    return s;
}

}  // namespace

TEST(WorkshopEditing, PaintingKeepsOneStartOnAnEmptyCell) {
    const struct {
        Kind kind;
        int c, r;
        bool changes;
        Kind left;           // the cell's kind afterwards
        int startC, startR;  // where the start is afterwards
    } cases[] = {
        {Kind::Wall, 5, 5, true, Kind::Wall, 1, 9},
        {Kind::Sand, 2, 9, false, Kind::Sand, 1, 9},    // the same kind
        {Kind::Block, 1, 9, false, Kind::Start, 1, 9},  // a solid never covers the start
        {Kind::Empty, 1, 9, false, Kind::Start, 1, 9},  // emptying it keeps the start
        {Kind::Empty, 2, 9, true, Kind::Empty, 1, 9},
        {Kind::Start, 2, 9, true, Kind::Start, 2, 9},   // moves it, clearing the sand
        {Kind::Water, 0, 9, false, Kind::Start, 1, 9},  // off the board
        {Kind::Water, 9, 10, false, Kind::Start, 1, 9},
    };
    for (const auto& t : cases) {
        game::StageDesc s = sample();
        const bool changed = workshop::paint(s, t.c, t.r, t.kind);
        const std::string what = std::string(workshop::kindInfo(t.kind).name) + " at " +
                                 std::to_string(t.c) + "," + std::to_string(t.r);
        EXPECT_EQ(changed, t.changes) << what;
        EXPECT_EQ(s.startCol, t.startC) << what;
        EXPECT_EQ(s.startRow, t.startR) << what;
        if (t.c >= 1 && t.r <= 9) {
            EXPECT_EQ(workshop::kindAt(s, t.c, t.r), t.left) << what;
        }
        EXPECT_EQ(s.at(s.startCol, s.startRow), CellKind::Empty) << what;
    }
}

TEST(WorkshopEditing, ADragIsOneEditWithoutGapsAndNeverOverTheStart) {
    const game::StageDesc before = sample();
    workshop::Stroke stroke(before, Kind::Wall);
    stroke.to(1, 9);  // pressed on the start: refused
    stroke.to(5, 9);  // a fast move skips cells 2..4
    stroke.to(5, 7);
    auto edit = stroke.finish();
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->before, before);  // undoing it is one step back to the start
    EXPECT_EQ(edit->after, stroke.stage());
    EXPECT_EQ(game::english(edit->description), "Paint 6 cells with wall");
    for (int c = 2; c <= 5; ++c) EXPECT_EQ(edit->after.at(c, 9), CellKind::Wall) << c;
    EXPECT_EQ(edit->after.at(5, 8), CellKind::Wall);
    EXPECT_EQ(workshop::kindAt(edit->after, 1, 9), Kind::Start);

    // A diagonal is a staircase of cells, each painted once.
    workshop::Stroke diagonal(workshop::blankStage(), Kind::Sand);
    diagonal.to(1, 1);
    diagonal.to(4, 4);
    EXPECT_EQ(game::english(diagonal.finish()->description), "Paint 4 cells with sand");
    // Off the board and back: no line across the cells it never passed.
    diagonal.to(0, 4);
    diagonal.to(9, 9);
    EXPECT_EQ(game::english(diagonal.finish()->description), "Paint 5 cells with sand");
}

TEST(WorkshopEditing, TheDraggedStartLeavesThePassedCellsAsTheyWere) {
    game::StageDesc before = sample();
    for (int c = 2; c <= 9; ++c) before.set(c, 8, CellKind::Block);
    workshop::Stroke stroke(before, Kind::Start);
    for (int c = 1; c <= 9; ++c) stroke.to(c, 8);
    auto edit = stroke.finish();
    ASSERT_TRUE(edit);
    EXPECT_EQ(game::english(edit->description), "Move the start");
    game::StageDesc expected = before;
    expected.set(9, 8, CellKind::Empty);
    expected.startCol = 9;
    expected.startRow = 8;
    EXPECT_EQ(edit->after, expected);
}

TEST(WorkshopEditing, EditsThatChangeNothingMakeNoRecord) {
    const game::StageDesc s = sample();
    workshop::Stroke empties(s, Kind::Empty);
    for (int c = 3; c <= 9; ++c) empties.to(c, 1);
    empties.to(1, 9);
    EXPECT_FALSE(empties.finish());
    EXPECT_FALSE(workshop::Stroke(s, Kind::Sand).finish());  // pressed off the board
    EXPECT_FALSE(workshop::setTarget(s, s.target));
    EXPECT_FALSE(workshop::setMagic(s, s.magic));

    // Out of range values are brought in, so a typed 99 is still one edit.
    EXPECT_EQ(workshop::setTarget(s, 99)->after.target, workshop::kMaxTarget);
    EXPECT_EQ(workshop::setMagic(s, -5)->after.magic, workshop::kMinMagic);
}

TEST(WorkshopJournal, EveryFieldReadsBackAsWritten) {
    workshop::Journal j;
    j.name = "Deep \\ water\nsecond line";
    j.author = "A. Author";
    j.folder = "/home/p/packs/deep water";
    game::StageDesc a = sample();
    a.set(9, 1, CellKind::Block);
    a.set(8, 2, CellKind::Water);
    a.set(7, 3, CellKind::Wall);
    a.target = -3;
    a.magic = 32767;
    a.answer[0] = game::AnswerMark::Answer;
    a.answer[80] = game::AnswerMark::Wall;
    j.stages = {a, sample()};
    j.selected = 1;
    auto back = workshop::parseJournal(workshop::journalText(j));
    ASSERT_TRUE(std::holds_alternative<workshop::Journal>(back))
        << std::get<game::FileError>(back).message;
    EXPECT_EQ(std::get<workshop::Journal>(back), j);
}

TEST(WorkshopJournal, ADamagedJournalIsAnErrorNamingTheLine) {
    workshop::Journal j;
    j.stages = {sample()};
    j.selected = 0;
    const std::string good = workshop::journalText(j);
    // A journal cut short anywhere, as a killed write leaves it, never reads back.
    for (std::size_t n = 0; n < good.size(); ++n)
        ASSERT_TRUE(
            std::holds_alternative<game::FileError>(workshop::parseJournal(good.substr(0, n))))
            << "cut at " << n;

    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        return text.replace(text.find(from), from.size(), to);
    };
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {replaced("| 0\n", "| x\n"), "journal line 19: stage 1 line 10: \"x\" is not"},
        {replaced("stage\n| ", "stage\nboard "), "journal line 9: expected \"|\""},
        {replaced("selected 0", "selected 1"), "journal line 7: not a number from -1 to 0"},
        {replaced("name ", "name \\x"), "journal line 2: a broken escape"},
        {replaced("stages 1", "stages 2"), "journal line 31: expected \"stage\""},
        {good + "end\n", "journal line 31: more after the end"},
        {"lumora workshop journal 2\n", "journal line 1: expected"},
    };
    for (const auto& t : cases) {
        auto r = workshop::parseJournal(t.text);
        ASSERT_TRUE(std::holds_alternative<game::FileError>(r)) << t.error;
        EXPECT_EQ(std::get<game::FileError>(r).message.rfind(t.error, 0), 0u)
            << std::get<game::FileError>(r).message;
    }
}

TEST(WorkshopJournal, TheStateFolderFollowsXdgStateHome) {
    const struct {
        const char* xdg;
        const char* home;
        const char* expected;
    } cases[] = {
        {"/x/state/", "/home/p", "/x/state/lumora"},
        {"", "/home/p", "/home/p/.local/state/lumora"},
        {"state", "/home/p", "/home/p/.local/state/lumora"},
        {"state", "home", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(workshop::workshopStateFolder(c.xdg, c.home), c.expected)
            << c.xdg << " " << c.home;
}
