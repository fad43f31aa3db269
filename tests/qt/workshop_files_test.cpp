// The workshop's files as a maker meets them: broken packs opened, and the
// journals of two workshops side by side.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUndoStack>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "game/pack.h"
#include "qt/picture_library.h"
#include "support/fixture.h"
#include "workshop/board_view.h"
#include "workshop/core/editing.h"
#include "workshop/editor_window.h"

using testing_support::TempFolder;

namespace {

game::StageDesc stageNo(int target) {
    game::StageDesc s = workshop::blankStage();
    s.target = static_cast<std::int16_t>(target);
    return s;
}

game::Pack packOf(const char* name, int count) {
    game::Pack pack{{name, "", "", count}, {}};
    for (int n = 1; n <= count; ++n) pack.stages.push_back(stageNo(n % 10));
    return pack;
}

std::map<std::string, std::string> contents(const TempFolder& folder) {
    std::map<std::string, std::string> out;
    for (const std::string& name : folder.files())
        out[name] =
            folder.exists(name) && !std::filesystem::is_directory(folder.path() + "/" + name)
                ? folder.read(name)
                : "(folder)";
    return out;
}

// Line 10 of a stage file, the block target, made into something else.
std::string withTarget(const game::StageDesc& s, const std::string& target) {
    std::string text = game::writeStageText(s);
    std::size_t at = 0;
    for (int line = 1; line < 10; ++line) at = text.find("\r\n", at) + 2;
    return text.replace(at, text.find("\r\n", at) - at, target);
}

// A workshop window whose state folder is the test's own, so that journals
// of other tests are none of its business.
struct Workshop {
    explicit Workshop(const QTemporaryDir& state) {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("XDG_STATE_HOME", state.path().toUtf8());
        window = std::make_unique<workshop::EditorWindow>(pictures);
        window->setErrorReporter([this](const QString&, const QString& text) { errors << text; });
    }
    void paint(int c, int r) {
        game::StageDesc s = window->stage();
        workshop::paint(s, c, r, workshop::Kind::Wall);
        window->replaceStage(s, QStringLiteral("Paint"));
    }
    qtfront::PictureLibrary pictures;
    std::unique_ptr<workshop::EditorWindow> window;
    QStringList errors;
};

}  // namespace

TEST(WorkshopFiles, ABrokenPackOpensNothingTellsOnceAndChangesNothing) {
    struct Case {
        const char* what;
        int stages;
        std::function<void(const TempFolder&)> breakIt;
        std::string told;  // the file, and the line where there is one
    };
    const std::vector<Case> cases = {
        {"pack.ini with a broken section", 2,
         [](const TempFolder& f) { f.write("pack.ini", "[Pack\r\nStages=2\r\n"); },
         "pack.ini line 1: \"[Pack\" is not a section name"},
        {"a stage missing", 2, [](const TempFolder& f) { f.remove("mmap2.bkm"); },
         "mmap2.bkm: cannot open"},
        {"a stage that cannot be read", 2,
         [](const TempFolder& f) {
             f.remove("mmap2.bkm");
             std::filesystem::create_directory(f.path() + "/mmap2.bkm");
         },
         "mmap2.bkm: "},
        {"a stage that does not parse", 2,
         [](const TempFolder& f) { f.write("mmap1.bkm", withTarget(stageNo(1), "many")); },
         "mmap1.bkm line 10: \"many\" is not a whole number"},
        {"one broken stage of 99", 99,
         [](const TempFolder& f) { f.write("mmap57.bkm", withTarget(stageNo(7), "x")); },
         "mmap57.bkm line 10: \"x\" is not a whole number"},
    };
    QTemporaryDir state;
    TempFolder good;
    ASSERT_FALSE(game::writePack(good.path(), packOf("Good", 3)));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Workshop w(state);
        ASSERT_TRUE(w.window->openFolder(QString::fromStdString(good.path())));
        w.paint(4, 4);
        const workshop::PackDocument before = w.window->document();
        const QString title = w.window->windowTitle();

        TempFolder broken;
        ASSERT_FALSE(game::writePack(broken.path(), packOf("Broken", c.stages)));
        c.breakIt(broken);
        const auto onDisk = contents(broken);
        EXPECT_FALSE(w.window->openFolder(QString::fromStdString(broken.path())));
        ASSERT_EQ(w.errors.size(), 1);
        EXPECT_TRUE(w.errors[0].contains(QString::fromStdString(c.told)))
            << w.errors[0].toStdString();
        EXPECT_EQ(w.window->document().stages(), before.stages());
        EXPECT_EQ(w.window->document().folder(), good.path());
        EXPECT_EQ(w.window->windowTitle(), title);
        EXPECT_EQ(w.window->undoStack()->count(), 1);
        EXPECT_EQ(contents(broken), onDisk);
    }
}

// Two workshops with unsaved work, the first killed, the second saved and
// closed: the next start offers the first one's work and nothing else. Two
// killed ones both come back, the second in a window of its own.
TEST(WorkshopFiles, EachWorkshopKeepsAJournalOfItsOwn) {
    QTemporaryDir state;
    TempFolder packFolder;
    ASSERT_FALSE(game::writePack(packFolder.path(), packOf("Second", 2)));
    auto first = std::make_unique<Workshop>(state);
    first->paint(2, 2);
    first->window->writeJournal();
    const game::StageDesc firstWork = first->window->stage();
    Workshop second(state);
    ASSERT_TRUE(second.window->openFolder(QString::fromStdString(packFolder.path())));
    second.paint(6, 6);
    second.window->writeJournal();

    int asked = 0;
    auto countAsks = [&asked](bool answer) {
        return [&asked, answer](const QString& question) {
            ++asked;
            EXPECT_TRUE(question.contains(QStringLiteral("written"))) << question.toStdString();
            return answer;
        };
    };
    {
        Workshop third(state);  // both run: nothing to offer
        EXPECT_FALSE(third.window->restoreJournal(countAsks(true)));
        EXPECT_EQ(asked, 0);
    }
    first.reset();  // killed: no close
    ASSERT_TRUE(second.window->saveTo(QString::fromStdString(packFolder.path())));
    ASSERT_TRUE(second.window->close());

    Workshop next(state);
    EXPECT_TRUE(next.window->restoreJournal(countAsks(true)));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(next.window->stage(), firstWork);
    EXPECT_TRUE(next.window->isWindowModified());

    // Killed with its work restored but not saved: it comes back once more,
    // beside one more killed workshop's.
    Workshop other(state);
    other.paint(8, 1);
    other.window->writeJournal();
    const game::StageDesc otherWork = other.window->stage();
    other.window.reset();
    next.window.reset();
    asked = 0;
    Workshop last(state);
    EXPECT_TRUE(last.window->restoreJournal(countAsks(true)));
    EXPECT_EQ(asked, 2);
    std::vector<game::StageDesc> shown;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* w = qobject_cast<workshop::EditorWindow*>(top); w && w->isVisible()) {
            shown.push_back(w->stage());
            w->deleteLater();
        }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    shown.push_back(last.window->stage());
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_NE(std::find(shown.begin(), shown.end(), firstWork), shown.end());
    EXPECT_NE(std::find(shown.begin(), shown.end(), otherWork), shown.end());
}
