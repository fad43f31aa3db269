#include <gtest/gtest.h>

#include <QChartView>
#include <QCoreApplication>
#include <QListWidget>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <QUndoStack>
#include <filesystem>
#include <map>
#include <memory>

#include "game/pack.h"
#include "qt/picture_library.h"
#include "support/fixture.h"
#include "workshop/core/editing.h"
#include "workshop/editor_window.h"
#include "workshop/pack_view.h"
#include "workshop/proof_panel.h"
#include "workshop/stage_list.h"

namespace {

using testing_support::TempFolder;

// Stages told apart by their target.
game::StageDesc stageNo(int target) {
    game::StageDesc s = workshop::blankStage();
    s.target = static_cast<std::int16_t>(target);
    return s;
}

void writePackOf(const TempFolder& folder, int count) {
    game::Pack pack{{"Two", "Me", "CC0-1.0", count}, {}};
    for (int n = 1; n <= count; ++n) pack.stages.push_back(stageNo(n % 10));
    ASSERT_FALSE(game::writePack(folder.path(), pack));
}

std::vector<int> targets(const std::vector<game::StageDesc>& stages) {
    std::vector<int> out;
    for (const game::StageDesc& s : stages) out.push_back(s.target);
    return out;
}

std::map<std::string, std::string> contents(const TempFolder& folder) {
    std::map<std::string, std::string> out;
    for (const std::string& name : folder.files())
        out[name] = std::filesystem::is_directory(folder.path() + "/" + name) ? "(folder)"
                                                                              : folder.read(name);
    return out;
}

struct Window {
    Window() {
        QStandardPaths::setTestModeEnabled(true);  // no settings or recent packs of the player's
        window = std::make_unique<workshop::EditorWindow>(pictures);
        window->setErrorReporter([this](const QString&, const QString& text) { errors << text; });
    }
    qtfront::PictureLibrary pictures;
    std::unique_ptr<workshop::EditorWindow> window;
    QStringList errors;
};

}  // namespace

TEST(PackWindow, ADraggedStageIsSavedInItsNewPlace) {
    TempFolder folder;
    writePackOf(folder, 2);
    Window w;
    ASSERT_TRUE(w.window->openFolder(QString::fromStdString(folder.path())));
    QUndoStack* undo = w.window->undoStack();

    // What a drop does to the list: its model moves the row, stage 1 below stage 2.
    QListWidget* list = w.window->stageList()->list();
    ASSERT_EQ(list->count(), 2);
    ASSERT_TRUE(list->model()->moveRow(QModelIndex(), 0, QModelIndex(), 2));
    QCoreApplication::processEvents();
    EXPECT_EQ(targets(w.window->document().stages()), (std::vector<int>{2, 1}));
    EXPECT_EQ(undo->count(), 1);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(w.window->stage().target, 1);  // the moved stage is shown

    ASSERT_TRUE(w.window->saveTo(QString::fromStdString(folder.path())));
    EXPECT_TRUE(undo->isClean());
    EXPECT_TRUE(w.errors.isEmpty()) << w.errors.join('\n').toStdString();
    auto back = game::openPack(folder.path());
    ASSERT_TRUE(std::holds_alternative<game::Pack>(back));
    const game::Pack& pack = std::get<game::Pack>(back);
    EXPECT_EQ(targets(pack.stages), (std::vector<int>{2, 1}));
    EXPECT_EQ(pack.info, (game::PackInfo{"Two", "Me", "CC0-1.0", 2}));
}

TEST(PackWindow, UndoingAnEditGoesBackToTheStageItWasMadeOn) {
    TempFolder folder;
    writePackOf(folder, 2);
    Window w;
    ASSERT_TRUE(w.window->openFolder(QString::fromStdString(folder.path())));
    auto* target = w.window->findChild<QSpinBox*>(QStringLiteral("targetBox"));
    ASSERT_NE(target, nullptr);
    target->setValue(7);
    w.window->selectStage(1);
    // Edits of the same number in a row merge; of two stages they must not.
    target->setValue(8);
    w.window->selectStage(0);
    w.window->undoStack()->undo();
    EXPECT_EQ(w.window->document().current(), 1);
    EXPECT_EQ(targets(w.window->document().stages()), (std::vector<int>{7, 2}));
    w.window->undoStack()->undo();
    EXPECT_EQ(w.window->document().current(), 0);
    EXPECT_EQ(target->value(), 1);
}

TEST(PackWindow, WhatCannotBeOpenedOrSavedIsToldAndTouchesNothing) {
    enum class Spoil { Write, Remove, Folder };  // what becomes of `file`
    struct Case {
        const char* name;
        const char* file;
        std::string bytes;
        bool open;  // else a save into the folder
        const char* told;
        int stages = 2;
        Spoil spoil = Spoil::Write;
    };
    const std::string noTarget = testing_support::stageFile({"....P...."}, "many", "3");
    const Case cases[] = {
        {"a count that is no number", game::kPackFileName, "[Pack]\r\nStages=two\r\n", true,
         "pack.ini line 2"},
        {"a section never closed", game::kPackFileName, "[Pack\r\nStages=2\r\n", true,
         "pack.ini line 1"},
        {"a stage file cut short", "mmap2.bkm", ".........\r\n", true, "mmap2.bkm"},
        {"a stage missing", "mmap2.bkm", "", true, "mmap2.bkm: cannot open", 2, Spoil::Remove},
        {"a folder for a stage", "amap1.bkm", "", true, "amap1.bkm: ", 2, Spoil::Folder},
        {"one stage of 99 that does not parse", "mmap57.bkm", noTarget, true,
         "mmap57.bkm line 10: \"many\"", 99},
        {"a folder of other files", "notes.txt", "keep me", false, "not a pack"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        if (c.open) writePackOf(folder, c.stages);
        if (c.spoil != Spoil::Write) folder.remove(c.file);
        if (c.spoil == Spoil::Folder)
            std::filesystem::create_directory(folder.path() + "/" + c.file);
        if (c.spoil == Spoil::Write) folder.write(c.file, c.bytes);
        const auto before = contents(folder);
        Window w;
        w.window->replaceStage(stageNo(5), game::plain("five"));
        const QString path = QString::fromStdString(folder.path());
        EXPECT_FALSE(c.open ? w.window->openFolder(path) : w.window->saveTo(path)) << c.name;
        ASSERT_EQ(w.errors.size(), 1) << c.name;
        EXPECT_TRUE(w.errors[0].contains(QString::fromLatin1(c.told))) << w.errors[0].toStdString();
        EXPECT_EQ(contents(folder), before) << c.name;
        // The pack being edited is still there, with its changes unsaved.
        EXPECT_EQ(w.window->stage().target, 5) << c.name;
        EXPECT_FALSE(w.window->undoStack()->isClean()) << c.name;
    }
}

namespace {
QStringList* gWarnings = nullptr;
void keepWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg && gWarnings != nullptr) gWarnings->append(message);
}
}  // namespace

// A pack of one stage is a curve of one point: its axis must still have a width.
TEST(PackWindow, TheCurveOfAOneStagePackDrawsWithoutAWarning) {
    Window w;
    auto* chart = w.window->packView()->findChild<QChartView*>(QStringLiteral("packChart"));
    ASSERT_NE(chart, nullptr);
    QStringList warnings;
    gWarnings = &warnings;
    const QtMessageHandler previous = qInstallMessageHandler(keepWarning);
    w.window->resize(1180, 680);
    // The point comes with the proof of the stage.
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.window->proofPanel()->finished(); }, 60'000));
    chart->grab();
    qInstallMessageHandler(previous);
    gWarnings = nullptr;
    EXPECT_TRUE(warnings.filter(QStringLiteral("NaN")).isEmpty())
        << warnings.join('\n').toStdString();
}

// While the editor's own proof searches, the pack's own proofs wait, so that
// one search at a time holds the memory a proof is allowed; when it ends,
// the stages without a row are proven. The live stage's row is left to it.
TEST(PackWindow, ThePacksProofsWaitWhileTheEditorsOwnSearches) {
    workshop::PackView view;
    view.holdProofs(true);
    view.setStages({stageNo(1), stageNo(2)}, 0);
    EXPECT_FALSE(QTest::qWaitFor([&] { return view.provenCount() > 0; }, 300));
    view.holdProofs(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.provenCount() == 1; }, 60'000));
}
