#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <QWidget>
#include <memory>

#include "game/files.h"
#include "qt/picture_library.h"
#include "workshop/board_view.h"
#include "workshop/editor_window.h"
#include "workshop/core/stage_proof.h"
#include "workshop/proof_panel.h"

using workshop::Kind;

namespace {

QPointF cellCentre(int c, int r) {
    constexpr int side = workshop::BoardView::kCellPixels;
    return QPointF(side * (c - 1) + side / 2, side * (r - 1) + side / 2);
}

void send(QWidget* to, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, int c,
          int r) {
    const QPointF at = cellCentre(c, r);
    QMouseEvent event(type, at, to->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(to, &event);
}

struct Window {
    Window() {
        QStandardPaths::setTestModeEnabled(true);  // no settings of the player's
        window = std::make_unique<workshop::EditorWindow>(pictures);
    }
    // Press on the first cell, move over the rest, release on the last.
    void drag(Qt::MouseButton b, std::initializer_list<std::pair<int, int>> cells) {
        QWidget* board = window->board();
        auto it = cells.begin();
        send(board, QEvent::MouseButtonPress, b, b, it->first, it->second);
        for (++it; it != cells.end(); ++it)
            send(board, QEvent::MouseMove, Qt::NoButton, b, it->first, it->second);
        send(board, QEvent::MouseButtonRelease, b, Qt::NoButton, (cells.end() - 1)->first,
             (cells.end() - 1)->second);
    }
    qtfront::PictureLibrary pictures;
    std::unique_ptr<workshop::EditorWindow> window;
};

}  // namespace

TEST(WorkshopWindow, ADragOfEitherButtonIsOneUndoStep) {
    Window w;
    w.window->board()->setKind(Kind::Wall);
    const game::StageDesc blank = w.window->stage();
    w.drag(Qt::LeftButton, {{2, 5}, {3, 5}, {6, 5}});
    QUndoStack* undo = w.window->undoStack();
    ASSERT_EQ(undo->count(), 1);
    EXPECT_EQ(undo->text(0), "Paint 5 cells with wall");
    for (int c = 2; c <= 6; ++c) EXPECT_EQ(w.window->stage().at(c, 5), game::CellKind::Wall) << c;

    w.drag(Qt::RightButton, {{4, 5}, {5, 5}});
    ASSERT_EQ(undo->count(), 2);
    EXPECT_EQ(w.window->stage().at(4, 5), game::CellKind::Empty);
    undo->undo();
    EXPECT_EQ(w.window->stage().at(4, 5), game::CellKind::Wall);
    undo->undo();
    EXPECT_EQ(w.window->stage(), blank);

    w.drag(Qt::RightButton, {{7, 7}, {8, 8}});  // empty already: nothing to undo
    EXPECT_EQ(undo->count(), 2);
    EXPECT_EQ(undo->index(), 0);
}

TEST(WorkshopWindow, AnUndoInTheMiddleOfADragDropsTheDrag) {
    Window w;
    w.window->board()->setKind(Kind::Sand);
    w.drag(Qt::LeftButton, {{1, 1}});
    QWidget* board = w.window->board();
    send(board, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, 1, 2);
    send(board, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, 1, 3);
    w.window->undoStack()->undo();
    send(board, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, 1, 3);
    // Had the drag gone on, its edit would have put back the sand the undo took.
    EXPECT_EQ(w.window->stage(), workshop::blankStage());
    EXPECT_EQ(w.window->undoStack()->index(), 0);
}

// Work that was never saved comes back after the workshop was killed: the
// window is gone without closing (as kill -9 leaves it), and the next one
// offers the journal. Refused, it is gone for good.
TEST(WorkshopJournalFile, UnsavedWorkComesBackAfterAKill) {
    game::StageDesc edited;
    {
        Window w;
        w.drag(Qt::LeftButton, {{3, 3}, {5, 3}});
        w.window->writeJournal();
        edited = w.window->stage();
    }  // no close: nothing drops the journal
    for (bool restore : {true, false}) {
        Window w;
        QString asked;
        const bool back = w.window->restoreJournal([&](const QString& q) {
            asked = q;
            return restore;
        });
        EXPECT_EQ(back, restore);
        EXPECT_TRUE(asked.contains(QStringLiteral("Restore"))) << asked.toStdString();
        EXPECT_EQ(w.window->stage() == edited, restore);
        EXPECT_EQ(w.window->isWindowModified(), restore);
        if (restore) w.window->writeJournal();  // still unsaved: kept for the next start
    }
    Window w;  // the refused journal is not offered again
    EXPECT_FALSE(w.window->restoreJournal([](const QString&) { return true; }));
}

// Two workshops with unsaved work side by side: while both run a third offers
// neither; the first killed and the second saved and closed, the next start
// offers the first one's work alone.
TEST(WorkshopJournalFile, EachWorkshopKeepsItsOwn) {
    QTemporaryDir state, pack;
    const QByteArray before = qgetenv("XDG_STATE_HOME");
    const auto putBack = qScopeGuard([&] { qputenv("XDG_STATE_HOME", before); });
    qputenv("XDG_STATE_HOME", state.path().toUtf8());  // no other test's journals
    auto first = std::make_unique<Window>();
    first->drag(Qt::LeftButton, {{2, 2}});
    first->window->writeJournal();
    const game::StageDesc firstWork = first->window->stage();
    Window second;
    second.drag(Qt::LeftButton, {{6, 6}});
    second.window->writeJournal();
    int asked = 0;
    auto ask = [&asked](const QString& question) {
        ++asked;
        EXPECT_TRUE(question.contains(QStringLiteral("written"))) << question.toStdString();
        return true;
    };
    EXPECT_FALSE(Window().window->restoreJournal(ask));
    EXPECT_EQ(asked, 0);

    first.reset();  // no close, as kill -9 leaves it
    ASSERT_TRUE(second.window->saveTo(pack.path() + "/pack"));
    ASSERT_TRUE(second.window->close());
    Window next;
    EXPECT_TRUE(next.window->restoreJournal(ask));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(next.window->stage(), firstWork);
}

// The blank stage's one final board has no marks, the same as no answer: a
// fresh workshop's first Add Stage once sent the proof and the editor round
// each other until the stack ran out.
// The blank stage's whole proof, analysis included, takes a second or two, and
// under the sanitizers beside another test many times that.
constexpr int kBlankProofMs = 120'000;

TEST(WorkshopWindow, AddStageOnAFreshWorkshop) {
    Window w;
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return w.window->proofPanel()->finished(); }, kBlankProofMs));
    w.window->findChild<QAction*>(QStringLiteral("addStage"))->trigger();
    EXPECT_EQ(w.window->document().count(), 2);
}

// A drawn open stage is called solvable by the first checked clear, long
// before the exact search ends, and Show Solution already has that clear to
// play; the verdict line says a shorter one is still being looked for.
TEST(WorkshopWindow, AFirstVerdictOffersItsSolutionBeforeTheSearchEnds) {
    auto read = game::readStageFile(LUMORA_TEST_DATA, "drawn_open.bkm");
    ASSERT_TRUE(std::holds_alternative<game::StageDesc>(read));
    const std::size_t memory = workshop::proofMemoryMB();
    const auto restore = qScopeGuard([memory] { workshop::setProofMemoryMB(memory); });
    workshop::setProofMemoryMB(workshop::kMinProofMemoryMB);
    Window w;
    w.window->replaceStage(std::get<game::StageDesc>(read), game::plain("drawn"));
    workshop::ProofPanel* panel = w.window->proofPanel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->solutionKnown(); }, 60'000));
    EXPECT_FALSE(panel->finished());
    EXPECT_FALSE(panel->solutionScript().empty());
    EXPECT_TRUE(panel->verdict().startsWith(QStringLiteral("✔ Solvable: a ")));
    EXPECT_TRUE(panel->verdict().endsWith(QStringLiteral("; looking for a shorter one")));
    // Let go as a maker closing it would, so no journal of it is left for the
    // next workshop to offer.
    w.window->undoStack()->setClean();
    EXPECT_TRUE(w.window->close());
}
