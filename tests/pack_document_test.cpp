#include "workshop/core/pack_document.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/fixture.h"
#include "workshop/core/editing.h"
#include "workshop/core/pack_edits.h"

using workshop::PackDocument;

namespace {

// Stages told apart by their target; a blank stage's is 0.
game::StageDesc stageNo(int target) {
    game::StageDesc s = workshop::blankStage();
    s.target = static_cast<std::int16_t>(target);
    return s;
}

PackDocument packOf(int count, int current) {
    game::Pack pack;
    for (int i = 1; i <= count; ++i) pack.stages.push_back(stageNo(i));
    pack.info.stageCount = count;
    PackDocument doc(pack, "/packs/p", false);
    doc.select(current);
    return doc;
}

std::vector<int> targets(const PackDocument& doc) {
    std::vector<int> out;
    for (const game::StageDesc& s : doc.stages()) out.push_back(s.target);
    return out;
}

struct ListCase {
    const char* name;
    int count;
    int current;
    std::function<bool(PackDocument&)> op;
    bool done;
    std::vector<int> after;
    int currentAfter;
};

}  // namespace

TEST(PackDocument, ListOperationsKeepTheShownStageAndTheLimits) {
    const int max = workshop::kMaxPackStages;
    std::vector<int> full(static_cast<std::size_t>(max));
    for (int i = 0; i < max; ++i) full[static_cast<std::size_t>(i)] = i + 1;
    const ListCase cases[] = {
        {"add after the shown",
         3,
         0,
         [](PackDocument& d) { return d.add(); },
         true,
         {1, 0, 2, 3},
         1},
        {"duplicate the last",
         3,
         2,
         [](PackDocument& d) { return d.duplicate(); },
         true,
         {1, 2, 3, 3},
         3},
        {"insert at the end",
         2,
         0,
         [](PackDocument& d) { return d.insert(2, stageNo(9)); },
         true,
         {1, 2, 9},
         2},
        {"insert past the end",
         2,
         0,
         [](PackDocument& d) { return d.insert(3, stageNo(9)); },
         false,
         {1, 2},
         0},
        {"no more than the most", max, 0, [](PackDocument& d) { return d.add(); }, false, full, 0},
        {"remove the first", 3, 2, [](PackDocument& d) { return d.remove(0); }, true, {2, 3}, 0},
        {"remove the last shows the new last",
         3,
         2,
         [](PackDocument& d) { return d.remove(2); },
         true,
         {1, 2},
         1},
        {"never the only stage", 1, 0, [](PackDocument& d) { return d.remove(0); }, false, {1}, 0},
        {"remove one not there",
         2,
         0,
         [](PackDocument& d) { return d.remove(-1); },
         false,
         {1, 2},
         0},
        {"move down", 4, 0, [](PackDocument& d) { return d.move(0, 2); }, true, {2, 3, 1, 4}, 2},
        {"move up", 4, 0, [](PackDocument& d) { return d.move(3, 1); }, true, {1, 4, 2, 3}, 1},
        {"move onto itself", 2, 0, [](PackDocument& d) { return d.move(1, 1); }, true, {1, 2}, 1},
        {"move past the end", 2, 0, [](PackDocument& d) { return d.move(0, 2); }, false, {1, 2}, 0},
        {"set a stage",
         2,
         0,
         [](PackDocument& d) { return d.setStage(1, stageNo(7)); },
         true,
         {1, 7},
         1},
        {"set one not there",
         2,
         0,
         [](PackDocument& d) { return d.setStage(2, stageNo(7)); },
         false,
         {1, 2},
         0},
    };
    for (const ListCase& c : cases) {
        PackDocument doc = packOf(c.count, c.current);
        EXPECT_EQ(c.op(doc), c.done) << c.name;
        EXPECT_EQ(targets(doc), c.after) << c.name;
        EXPECT_EQ(doc.current(), c.currentAfter) << c.name;
        // What is saved counts what is there, whatever the operations did.
        EXPECT_EQ(doc.pack().info.stageCount, doc.count()) << c.name;
    }
}

TEST(PackDocument, AMoveAndItsReverseGiveThePackBack) {
    // The undo of a move is the move the other way; any pair must cancel.
    for (int from = 0; from < 5; ++from)
        for (int to = 0; to < 5; ++to) {
            PackDocument doc = packOf(5, 0);
            ASSERT_TRUE(doc.move(from, to));
            ASSERT_TRUE(doc.move(to, from));
            EXPECT_EQ(targets(doc), (std::vector<int>{1, 2, 3, 4, 5})) << from << "->" << to;
        }
}

TEST(PackDocument, ANewPackAndTheGamesOwn) {
    const PackDocument fresh;
    EXPECT_EQ(fresh.count(), 1);
    EXPECT_EQ(fresh.currentStage(), workshop::blankStage());
    EXPECT_EQ(fresh.info().license, workshop::kDefaultLicense);
    EXPECT_TRUE(fresh.folder().empty());

    game::Pack game;
    game.stages = {stageNo(1), stageNo(2)};
    game.info.stageCount = 28;  // a count that disagrees gives way to the stages
    PackDocument own(game, "/usr/share/lumora", true);
    EXPECT_TRUE(own.readOnly());
    EXPECT_EQ(own.pack().info.stageCount, 2);
    own.savedTo("/home/me/copy");
    EXPECT_FALSE(own.readOnly());
    EXPECT_EQ(own.folder(), "/home/me/copy");
}

// Each pack edit is its operation as data: applied, the pack is what the
// operation makes of it; undone, the pack comes back with the stage shown
// before it (a moved stage in its old place); what the pack refuses is none.
TEST(PackEdits, AppliedAndUndoneAsData) {
    using workshop::PackEdit;
    struct Case {
        const char* name;
        std::function<std::optional<PackEdit>(const PackDocument&)> edit;
        std::vector<int> after;  // targets
        int shownAfter, shownUndone;
        const char* text;
    };
    const game::PackInfo renamed{"Renamed", "Me", "CC0-1.0", 3};
    const Case cases[] = {
        {"add", workshop::addStageEdit, {1, 2, 0, 3}, 2, 1, "Add stage 3"},
        {"duplicate", workshop::duplicateStageEdit, {1, 2, 2, 3}, 2, 1, "Duplicate stage 2"},
        {"delete", workshop::deleteStageEdit, {1, 3}, 1, 1, "Delete stage 2"},
        {"move",
         [](const PackDocument& d) { return workshop::moveStageEdit(d, 2, 0); },
         {3, 1, 2},
         0,
         2,
         "Move stage 3 to 1"},
        {"info",
         [&](const PackDocument& d) { return workshop::infoEdit(d, renamed); },
         {1, 2, 3},
         1,
         1,
         "Edit the pack's name, author or licence"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PackDocument doc = packOf(3, 1);
        const PackDocument before = doc;
        const auto edit = c.edit(doc);
        ASSERT_TRUE(edit);
        EXPECT_EQ(game::english(edit->description), c.text);
        doc.setContents(edit->after);
        EXPECT_EQ(targets(doc), c.after);
        EXPECT_EQ(doc.current(), c.shownAfter);
        doc.setContents(edit->before);
        EXPECT_EQ(doc.stages(), before.stages());
        EXPECT_EQ(doc.info(), before.info());
        EXPECT_EQ(doc.current(), c.shownUndone);
    }
}

// What the pack refuses, at its limits or naming no stage, and what would
// change nothing, is no edit: no undo step is made of it.
TEST(PackEdits, NoneAtTheLimitsNorOneThatChangesNothing) {
    using workshop::PackEdit;
    const game::PackInfo same = packOf(3, 1).info();
    const struct {
        const char* name;
        int count, current;
        std::function<std::optional<PackEdit>(const PackDocument&)> edit;
    } cases[] = {
        {"add to a full pack", workshop::kMaxPackStages, 0, workshop::addStageEdit},
        {"duplicate in a full pack", workshop::kMaxPackStages, 98, workshop::duplicateStageEdit},
        {"delete the only stage", 1, 0, workshop::deleteStageEdit},
        {"move a stage onto itself", 3, 1,
         [](const PackDocument& d) { return workshop::moveStageEdit(d, 1, 1); }},
        {"move past the end", 3, 1,
         [](const PackDocument& d) { return workshop::moveStageEdit(d, 1, 3); }},
        {"move from before the start", 3, 1,
         [](const PackDocument& d) { return workshop::moveStageEdit(d, -1, 0); }},
        {"the same name, author and licence", 3, 1,
         [&](const PackDocument& d) { return workshop::infoEdit(d, same); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(c.edit(packOf(c.count, c.current)));
    }
    // One short of each limit, the same edits are made.
    EXPECT_TRUE(workshop::addStageEdit(packOf(workshop::kMaxPackStages - 1, 0)));
    EXPECT_TRUE(workshop::duplicateStageEdit(packOf(workshop::kMaxPackStages - 1, 0)));
    EXPECT_TRUE(workshop::deleteStageEdit(packOf(2, 0)));
}

// Open Recent offers what is still a pack to open: a pack folder or a file,
// never a folder that lost its pack.ini nor a path gone.
TEST(PackDocument, ARecentPackIsOfferedWhileItIsStillThere) {
    testing_support::TempFolder folder;
    testing_support::writePackIni(folder, 1);
    folder.write("tower.lumora", "Lumora pack 1\n");
    std::filesystem::create_directory(folder.path() + "/sub");
    const struct {
        std::string path;
        bool there;
    } cases[] = {
        {folder.path(), true},
        {folder.path() + "/tower.lumora", true},
        {folder.path() + "/sub", false},
        {folder.path() + "/gone.lumora", false},
    };
    for (const auto& c : cases) EXPECT_EQ(workshop::packStillThere(c.path), c.there) << c.path;
}
