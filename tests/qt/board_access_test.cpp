// The board as the keyboard and a screen reader meet it.
#include <QtGui/private/qguiapplication_p.h>
#include <gtest/gtest.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessible>
#include <QApplication>
#include <QStandardPaths>
#include <QTest>
#include <QUndoStack>
#include <algorithm>
#include <cctype>
#include <memory>
#include <utility>
#include <vector>

#include "qt/picture_library.h"
#include "workshop/board_accessible.h"
#include "workshop/board_view.h"
#include "workshop/editor_window.h"
#include "workshop/proof_panel.h"

using workshop::Kind;

namespace {

struct Told {  // what Qt told assistive tools, read as it came
    QAccessible::Event type;
    QString name, description;
};
std::vector<Told> told;

// A workshop with its board focused and Qt's accessibility on, as a screen
// reader's coming turns it on; Qt tells of nothing while none listens.
struct Window {
    Window() {
        QStandardPaths::setTestModeEnabled(true);
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        told.clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
            QAccessibleInterface* i = e->accessibleInterface();
            told.push_back({e->type(), i ? i->text(QAccessible::Name) : QString(),
                            i ? i->text(QAccessible::Description) : QString()});
        });
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    ~Window() {
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    }
    QAccessibleInterface* table() { return QAccessible::queryAccessibleInterface(window->board()); }
    bool wasTold(QAccessible::Event type, const QString& text) {
        return std::any_of(told.begin(), told.end(), [&](const Told& t) {
            return t.type == type && (t.name.startsWith(text) || t.description == text);
        });
    }
    qtfront::PictureLibrary pictures;
    std::unique_ptr<workshop::EditorWindow> window =
        std::make_unique<workshop::EditorWindow>(pictures);
};

// Keys in short: arrows as LRUD, with Shift held as lrud; '.' lets Shift go;
// ' ' Space, 'x' Delete, 'z' Ctrl+Z.
void press(QWidget* board, const char* keys) {
    bool shift = false;
    for (const char* k = keys; *k != '\0'; ++k) {
        const QByteArray arrows = shift || islower(*k) ? "lrud" : "LRUD";
        if (islower(*k) && arrows.contains(*k) && !shift)
            QTest::keyPress(board, Qt::Key_Shift, Qt::ShiftModifier), shift = true;
        if (*k == '.') QTest::keyRelease(board, Qt::Key_Shift, Qt::NoModifier), shift = false;
        constexpr Qt::Key kArrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
        if (const qsizetype a = arrows.indexOf(*k); a >= 0)
            QTest::keyPress(board, kArrows[a], shift ? Qt::ShiftModifier : Qt::NoModifier);
        if (*k == ' ') QTest::keyPress(board, Qt::Key_Space);
        if (*k == 'x') QTest::keyPress(board, Qt::Key_Delete);
        if (*k == 'z') QTest::keyPress(board, Qt::Key_Z, Qt::ControlModifier);
    }
}

}  // namespace

TEST(BoardAccess, TheBoardIsATableOfNamedCellsThatNeverGoStale) {
    QAccessible::Id kept = 0;
    {
        Window w;
        game::StageDesc s = w.window->stage();
        s.set(5, 3, game::CellKind::Water);
        w.window->replaceStage(s, game::plain("test"));
        QAccessibleInterface* board = w.table();
        ASSERT_EQ(board->role(), QAccessible::Table);
        ASSERT_EQ(board->childCount(), 81);
        QAccessibleTableInterface* table = board->tableInterface();
        EXPECT_EQ(table->rowCount() * 10 + table->columnCount(), 99);
        // What a reader asks of no cell gets nothing, safely.
        for (auto [r, c] : {std::pair{-1, -1}, {9, 0}, {0, 9}})
            EXPECT_EQ(table->cellAt(r, c), nullptr);
        EXPECT_EQ(board->child(81), nullptr);
        EXPECT_EQ(board->indexOfChild(nullptr), -1);
        const std::tuple<int, int, const char*> kCells[] = {
            {5, 3, "column 5, row 3: water"}, {1, 9, "column 1, row 9: empty, start"}};
        for (auto [c, r, name] : kCells) {
            QAccessibleInterface* cell = table->cellAt(r - 1, c - 1);
            EXPECT_EQ(cell->text(QAccessible::Name), name);
            EXPECT_EQ(board->indexOfChild(cell), game::boardIndex(c, r)) << name;
            EXPECT_EQ(cell->parent(), board) << name;
            EXPECT_EQ(board->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
        }
        // A cell handed out before a change says what it holds now, and is told of.
        QAccessibleInterface* water = table->cellAt(2, 4);
        w.window->undoStack()->undo();
        EXPECT_EQ(water->text(QAccessible::Name), "column 5, row 3: empty");
        EXPECT_TRUE(w.wasTold(QAccessible::NameChanged, "column 5, row 3: empty"));
        kept = QAccessible::uniqueId(water);
    }
    EXPECT_EQ(QAccessible::accessibleInterface(kept), nullptr) << "a cell outlived its board";
}

// Each case on a fresh stage: what the keys paint, in how many undo steps,
// and where the cursor, and so the reader's focus, ends.
TEST(BoardAccess, TheKeysPaintAsADragDoesAndTheFocusFollows) {
    struct Case {
        const char* keys;
        Kind kind;
        std::vector<std::pair<int, int>> painted;
        int steps, c, r;
    } const kCases[] = {
        {"RD ", Kind::Water, {{2, 2}}, 1, 2, 2},
        {"rrd.", Kind::Wall, {{1, 1}, {2, 1}, {3, 1}, {3, 2}}, 1, 3, 2},  // one stroke
        {"r.Rr.", Kind::Block, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}, 2, 4, 1},
        {"LU x", Kind::Sand, {}, 2, 1, 1},         // the edge holds the cursor
        {" Rrrz", Kind::Wall, {{1, 1}}, 2, 4, 1},  // an undo mid-stroke undoes just it
        {"rr.", Kind::Start, {{3, 1}}, 1, 3, 1},
    };
    for (const Case& k : kCases) {
        Window w;
        workshop::BoardView* board = w.window->board();
        board->setFocus();
        board->setKind(k.kind);
        press(board, k.keys);
        EXPECT_EQ(w.window->undoStack()->count(), k.steps) << k.keys;
        std::vector<std::pair<int, int>> ofKind;
        for (int r = 1; r <= game::kBoardSide; ++r)
            for (int c = 1; c <= game::kBoardSide; ++c)
                if (workshop::kindAt(w.window->stage(), c, r) == k.kind) ofKind.push_back({c, r});
        EXPECT_EQ(ofKind, k.painted) << k.keys;
        const QString at = workshop::cellSpoken(w.window->stage(), k.c, k.r);
        EXPECT_EQ(w.table()->focusChild()->text(QAccessible::Name), at) << k.keys;
        EXPECT_TRUE(w.table()->focusChild()->state().focused);
        const QString place = QStringLiteral("column %1, row %2:").arg(k.c).arg(k.r);
        EXPECT_TRUE(w.wasTold(QAccessible::Focus, place) || (k.c == 1 && k.r == 1)) << k.keys;
    }
}

TEST(BoardAccess, EachVerdictIsToldAsItArrives) {
    Window w;
    game::StageDesc unclearable = w.window->stage();
    unclearable.target = 1;  // a block with no magic to cast it
    unclearable.magic = workshop::kMinMagic;
    QString last;
    for (int i = 0; i < 2; ++i) {
        told.clear();
        if (i == 0) w.window->replaceStage(unclearable, game::plain("test"));
        if (i == 1) w.window->undoStack()->undo();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return w.window->proofPanel()->solutionKnown(); }, 20'000));
        const QString verdict = w.window->proofPanel()->verdict();
        EXPECT_NE(verdict, std::exchange(last, verdict));
        EXPECT_EQ(w.table()->text(QAccessible::Description), verdict);
        EXPECT_TRUE(w.wasTold(QAccessible::DescriptionChanged, verdict)) << i;
    }
}
