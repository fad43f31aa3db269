// Stages passed on as text between workshops, and packs kept as one file:
// what each carries, what a save asks first, and what a refusal leaves.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <fstream>
#include <memory>
#include <sstream>

#include "game/files.h"
#include "game/pack_file.h"
#include "qt/picture_library.h"
#include "support/fixture.h"
#include "workshop/board_view.h"
#include "workshop/core/editing.h"
#include "workshop/core/stage_paste.h"
#include "workshop/editor_window.h"
#include "workshop/pack_view.h"

namespace {

using testing_support::TempFolder;

std::string shipped(const std::string& name) {
    std::ifstream in(std::string(LUMORA_TEST_DATA) + "/../../stages/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

game::StageDesc shippedStage(int n) {
    auto desc =
        std::get<game::StageDesc>(game::parseStageText("stage", shipped(game::stageFileName(n))));
    EXPECT_FALSE(game::parseAnswerText("answer", shipped(game::answerFileName(n)), desc));
    return desc;
}

std::string shippedSolution(int n) {
    return game::writeScript(
        game::readScript(shipped("solutions/stage" + std::to_string(n) + ".replay")).steps);
}

struct Window {
    Window() {
        QStandardPaths::setTestModeEnabled(true);  // no settings or recent packs of the player's
        window = std::make_unique<workshop::EditorWindow>(pictures);
        window->setErrorReporter([this](const QString&, const QString& text) { errors << text; });
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // The keys as a keyboard gives them to the window that has the focus.
    void press(int key) {
        QTest::keyClick(window->board(), static_cast<Qt::Key>(key), Qt::ControlModifier);
    }
    QString solutionCell(int row) const {
        const int column = window->packView()->table()->columnCount() - 1;
        const QTableWidgetItem* item = window->packView()->table()->item(row, column);
        return item != nullptr ? item->text() : QString();
    }
    qtfront::PictureLibrary pictures;
    std::unique_ptr<workshop::EditorWindow> window;
    QStringList errors;
};

game::StageDesc withoutAnswer(game::StageDesc s) {
    s.answer = {};
    return s;
}

// The question a save asks, answered by a click on `which` of its buttons
// as it comes up; its words are kept.
struct Answerer {
    explicit Answerer(QMessageBox::ButtonRole which) {
        QObject::connect(&timer, &QTimer::timeout, [this, which] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            asked << box->text();
            for (QAbstractButton* b : box->buttons())
                if (box->buttonRole(b) == which) QTest::mouseClick(b, Qt::LeftButton);
        });
        timer.start(5);
    }
    QTimer timer;
    QStringList asked;
};

}  // namespace

// A stage copied in one workshop pastes into another as one undo step, the
// answer left for the proof to give again.
TEST(WorkshopClipboard, AStageCopiedInOneWindowPastesIntoAnotherAsOneStep) {
    Window from;
    from.window->replaceStage(shippedStage(12), game::plain("stage 12"));
    from.press(Qt::Key_C);
    EXPECT_FALSE(QGuiApplication::clipboard()->text().contains(QLatin1Char('\r')));

    Window into;
    QApplication::setActiveWindow(into.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(into.window.get()));
    into.press(Qt::Key_V);
    QUndoStack* undo = into.window->undoStack();
    ASSERT_EQ(undo->count(), 1);
    EXPECT_EQ(undo->text(0), "Paste stage");
    EXPECT_EQ(withoutAnswer(into.window->stage()), withoutAnswer(shippedStage(12)));
    undo->undo();
    EXPECT_EQ(into.window->stage(), workshop::blankStage());
    EXPECT_TRUE(into.errors.isEmpty()) << into.errors.join('\n').toStdString();
}

// Text that is no stage is told at its line, and neither the stage nor the
// undo stack moves.
TEST(WorkshopClipboard, TextThatIsNoStageChangesNothing) {
    Window w;
    w.window->replaceStage(shippedStage(5), game::plain("stage 5"));
    const game::StageDesc before = w.window->stage();
    const std::string good = workshop::copiedStageText(shippedStage(7));
    const std::string badMagic = good.substr(0, good.rfind('\n', good.size() - 2) + 1) + "lots\n";
    const struct {
        std::string text;
        const char* told;
    } cases[] = {
        {"Have a look at this one!", "clipboard: the text has 1 line"},
        {"[Stage 3]\n" + badMagic, "clipboard line 12: \"lots\""},
        {"", "clipboard: the text has 0 lines"},
    };
    for (const auto& c : cases) {
        w.errors.clear();
        QGuiApplication::clipboard()->setText(QString::fromStdString(c.text));
        w.press(Qt::Key_V);
        ASSERT_EQ(w.errors.size(), 1) << c.told;
        EXPECT_TRUE(w.errors[0].contains(QLatin1String(c.told))) << w.errors[0].toStdString();
        EXPECT_EQ(w.window->stage(), before) << c.told;
        EXPECT_EQ(w.window->undoStack()->count(), 1) << c.told;
        EXPECT_EQ(w.window->undoStack()->index(), 1) << c.told;
    }
}

// A pack file opens with its solutions checked in the game and marked before
// a search could tell; saved again as a file, the good one goes with it,
// and a stage without one is named in a question first.
TEST(WorkshopPackFile, CarriedSolutionsAreCheckedMarkedAndSavedBack) {
    TempFolder folder;
    game::PackContents contents{{{"Trio", "Me", "CC0-1.0", 3}, {}}, {}};
    for (int n : {3, 4}) contents.pack.stages.push_back(shippedStage(n));
    game::StageDesc hopeless = workshop::blankStage();  // a target no board can meet
    hopeless.target = 81;
    contents.pack.stages.push_back(hopeless);
    const std::string good = shippedSolution(3), another = shippedSolution(5);
    contents.solutions = {good, another, ""};
    const std::string path = folder.path() + "/trio.lumora";
    ASSERT_FALSE(game::writePackFile(path, contents));

    Window w;
    ASSERT_TRUE(w.window->openPath(QString::fromStdString(path)));
    EXPECT_EQ(w.window->document().form(), workshop::PackForm::File);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.window->packView()->checkingCount() == 0; }));
    EXPECT_TRUE(w.solutionCell(0).contains(QStringLiteral("proven by its solution")));
    EXPECT_TRUE(w.solutionCell(1).contains(QStringLiteral("does not clear it")));

    const std::string copy = folder.path() + "/copy.lumora";
    {
        Answerer cancel(QMessageBox::RejectRole);
        EXPECT_FALSE(w.window->saveToFile(QString::fromStdString(copy)));
        ASSERT_EQ(cancel.asked.size(), 1);
        EXPECT_TRUE(cancel.asked[0].contains(QStringLiteral("Stage 3")));
        EXPECT_FALSE(cancel.asked[0].contains(QStringLiteral("Stage 1")));
    }
    EXPECT_FALSE(folder.exists("copy.lumora"));

    Answerer anyway(QMessageBox::AcceptRole);
    ASSERT_TRUE(w.window->saveToFile(QString::fromStdString(copy)));
    EXPECT_EQ(anyway.asked.size(), 1);
    auto back = game::readPackFile(copy);
    ASSERT_TRUE(std::holds_alternative<game::PackContents>(back));
    const auto& read = std::get<game::PackContents>(back);
    EXPECT_EQ(read.pack.stages, contents.pack.stages);
    EXPECT_EQ(read.solutions[0], good);
    EXPECT_EQ(read.solutions[2], "");

    // Save writes the file it was saved as, not a folder.
    w.window->replaceStage(shippedStage(6), game::plain("stage 6"));
    ASSERT_TRUE(w.window->pack()->save());
    EXPECT_EQ(w.window->document().folder(), copy);
    back = game::readPackFile(copy);
    ASSERT_TRUE(std::holds_alternative<game::PackContents>(back));
    EXPECT_EQ(withoutAnswer(std::get<game::PackContents>(back).pack.stages[0]),
              withoutAnswer(shippedStage(6)));
    EXPECT_TRUE(w.errors.isEmpty()) << w.errors.join('\n').toStdString();
}
