// The workshop's board as a keyboard and a screen reader meet it: the table
// Qt hands to assistive tools, the focus following the keyboard's cell, the
// proof's verdict told as it arrives, and painting by keys.
#include <QtGui/private/qguiapplication_p.h>
#include <gtest/gtest.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <QUndoStack>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "qt/picture_library.h"
#include "workshop/board_view.h"
#include "workshop/editor_window.h"
#include "workshop/proof_panel.h"

using workshop::Kind;

namespace {

// What Qt told assistive tools while a test listened.
struct Told {
    QAccessible::Event type;
    QObject* object;
    QString name;  // of the interface the event is about, read as it came
    QString description;
};
std::vector<Told> told;

void listen(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    told.push_back({event->type(), event->object(),
                    iface != nullptr ? iface->text(QAccessible::Name) : QString(),
                    iface != nullptr ? iface->text(QAccessible::Description) : QString()});
}

struct Window {
    Window() {
        QStandardPaths::setTestModeEnabled(true);
        window = std::make_unique<workshop::EditorWindow>(pictures);
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->board()->setFocus();
        told.clear();
        QAccessible::installUpdateHandler(&listen);
        switchAccessibility(true);
    }
    ~Window() {
        QAccessible::installUpdateHandler(nullptr);
        switchAccessibility(false);
    }
    // As a screen reader's coming does: Qt tells of nothing while none listens.
    static void switchAccessibility(bool on) {
        if (QPlatformAccessibility* a =
                QGuiApplicationPrivate::platformIntegration()->accessibility())
            a->setActive(on);
    }
    QAccessibleInterface* board() const {
        return QAccessible::queryAccessibleInterface(window->board());
    }
    qtfront::PictureLibrary pictures;
    std::unique_ptr<workshop::EditorWindow> window;
};

// One key as the board gets it; `up` lets it go.
struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers held = Qt::NoModifier;
    bool up = false;
};
constexpr Key kShiftDown{Qt::Key_Shift, Qt::ShiftModifier};
constexpr Key kShiftUp{Qt::Key_Shift, Qt::NoModifier, true};
constexpr Key shifted(Qt::Key k) { return {k, Qt::ShiftModifier}; }

void press(QWidget* to, const std::vector<Key>& keys) {
    for (const Key& k : keys) {
        if (k.up)
            QTest::keyRelease(to, k.key, k.held);
        else
            QTest::keyPress(to, k.key, k.held);
    }
}

}  // namespace

TEST(BoardAccess, TheBoardIsATableOfNamedCells) {
    Window w;
    game::StageDesc s = w.window->stage();
    s.set(5, 3, game::CellKind::Water);
    s.set(9, 1, game::CellKind::Wall);
    w.window->replaceStage(s, QStringLiteral("test"));
    QAccessibleInterface* board = w.board();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->role(), QAccessible::Table);
    ASSERT_EQ(board->childCount(), 81);
    QAccessibleTableInterface* table = board->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 9);
    EXPECT_EQ(table->columnCount(), 9);
    // The ways a reader asks for what is not there get nothing, safely.
    EXPECT_EQ(table->cellAt(-1, -1), nullptr);
    EXPECT_EQ(table->cellAt(9, 0), nullptr);
    EXPECT_EQ(table->cellAt(0, 9), nullptr);
    EXPECT_EQ(board->child(-1), nullptr);
    EXPECT_EQ(board->child(81), nullptr);
    EXPECT_EQ(board->indexOfChild(nullptr), -1);
    EXPECT_EQ(board->indexOfChild(board), -1);

    struct Cell {
        int c, r;
        const char* name;
    };
    const Cell kCells[] = {
        {5, 3, "column 5, row 3: water"},
        {9, 1, "column 9, row 1: wall"},
        {1, 9, "column 1, row 9: empty, start"},
        {1, 1, "column 1, row 1: empty"},
    };
    for (const Cell& k : kCells) {
        QAccessibleInterface* cell = table->cellAt(k.r - 1, k.c - 1);
        ASSERT_NE(cell, nullptr) << k.name;
        EXPECT_EQ(cell->text(QAccessible::Name), k.name);
        EXPECT_EQ(cell->role(), QAccessible::Cell);
        EXPECT_EQ(cell->parent(), board) << k.name;
        const int index = board->indexOfChild(cell);
        EXPECT_EQ(index, game::boardIndex(k.c, k.r)) << k.name;
        EXPECT_EQ(board->child(index), cell) << "one interface for each cell";
        QAccessibleTableCellInterface* place = cell->tableCellInterface();
        ASSERT_NE(place, nullptr);
        EXPECT_EQ(place->columnIndex(), k.c - 1);
        EXPECT_EQ(place->rowIndex(), k.r - 1);
        const QRect at = cell->rect();
        EXPECT_EQ(board->childAt(at.center().x(), at.center().y()), cell) << k.name;
    }

    // A cell handed out before a change says what the cell holds now.
    QAccessibleInterface* water = table->cellAt(2, 4);
    w.window->undoStack()->undo();
    EXPECT_EQ(water->text(QAccessible::Name), "column 5, row 3: empty");
    const bool toldOfIt = std::any_of(told.begin(), told.end(), [](const Told& t) {
        return t.type == QAccessible::NameChanged && t.name == "column 5, row 3: empty";
    });
    EXPECT_TRUE(toldOfIt);
}

// The cells go with the board: an id a reader kept leads to nothing.
TEST(BoardAccess, TheCellsGoWithTheBoard) {
    QAccessible::Id id = 0;
    {
        Window w;
        QAccessibleInterface* cell = w.board()->tableInterface()->cellAt(4, 4);
        ASSERT_NE(cell, nullptr);
        id = QAccessible::uniqueId(cell);
        ASSERT_EQ(QAccessible::accessibleInterface(id), cell);
    }
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
}

TEST(BoardAccess, TheFocusFollowsTheKeyboardsCell) {
    Window w;
    ASSERT_TRUE(w.window->board()->hasFocus());
    struct Step {
        Key key;
        int c, r;  // where the cursor is after it
    };
    const Step kSteps[] = {
        {{Qt::Key_Right}, 2, 1}, {{Qt::Key_Down}, 2, 2}, {{Qt::Key_Down}, 2, 3},
        {{Qt::Key_Left}, 1, 3},  {{Qt::Key_Left}, 1, 3},  // the edge holds it
        {{Qt::Key_Up}, 1, 2},
    };
    for (const Step& s : kSteps) {
        told.clear();
        press(w.window->board(), {s.key});
        const QString where = QStringLiteral("column %1, row %2: empty").arg(s.c).arg(s.r);
        EXPECT_EQ(w.window->board()->cursorColumn(), s.c);
        EXPECT_EQ(w.window->board()->cursorRow(), s.r);
        QAccessibleInterface* focused = w.board()->focusChild();
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->text(QAccessible::Name), where);
        EXPECT_TRUE(focused->state().focused);
        const bool moved = &s == &kSteps[0] || s.c != (&s - 1)->c || s.r != (&s - 1)->r;
        ASSERT_EQ(told.size(), moved ? 1u : 0u);
        if (moved) {
            EXPECT_EQ(told.back().type, QAccessible::Focus);
            EXPECT_EQ(told.back().name, where);
        }
    }
}

// A new verdict becomes the board's description and is told as it comes.
TEST(BoardAccess, TheVerdictIsToldAsItArrives) {
    Window w;
    game::StageDesc unclearable = w.window->stage();
    unclearable.target = 1;  // a block with no magic to cast it
    unclearable.magic = workshop::kMinMagic;
    const std::function<void()> kChanges[] = {
        [&] { w.window->replaceStage(unclearable, QStringLiteral("test")); },
        [&] { w.window->undoStack()->undo(); },
    };
    QString last;
    for (const auto& change : kChanges) {
        told.clear();
        change();
        workshop::ProofPanel* panel = w.window->proofPanel();
        ASSERT_TRUE(QTest::qWaitFor([&] { return panel->solutionKnown(); }, 20'000));
        const QString verdict = panel->verdict();
        EXPECT_NE(verdict, last);
        last = verdict;
        EXPECT_EQ(w.board()->text(QAccessible::Description), verdict);
        const bool toldOfIt = std::any_of(told.begin(), told.end(), [&](const Told& t) {
            return t.type == QAccessible::DescriptionChanged && t.object == w.window->board() &&
                   t.description == verdict;
        });
        EXPECT_TRUE(toldOfIt) << verdict.toStdString();
    }
}

TEST(BoardAccess, TheKeysPaintAsTheMouseDoes) {
    struct Case {
        const char* what;
        Kind kind;
        std::vector<Key> keys;
        std::vector<std::pair<int, int>> painted;  // cells of `kind` afterwards
        int steps;                                 // undo steps made
    };
    const Case kCases[] = {
        {"Space paints the cursor's cell",
         Kind::Water,
         {{Qt::Key_Right}, {Qt::Key_Down}, {Qt::Key_Space}},
         {{2, 2}},
         1},
        {"Enter paints too", Kind::Sand, {{Qt::Key_Return}}, {{1, 1}}, 1},
        {"a Shift stroke is one step, the first cell included",
         Kind::Wall,
         {kShiftDown, shifted(Qt::Key_Right), shifted(Qt::Key_Right), shifted(Qt::Key_Down),
          kShiftUp},
         {{1, 1}, {2, 1}, {3, 1}, {3, 2}},
         1},
        {"a key that is no Shift arrow ends the stroke",
         Kind::Block,
         {kShiftDown,
          shifted(Qt::Key_Right),
          kShiftUp,
          {Qt::Key_Right},
          kShiftDown,
          shifted(Qt::Key_Right),
          kShiftUp},
         {{1, 1}, {2, 1}, {3, 1}, {4, 1}},
         2},
        {"Delete empties what Space painted",
         Kind::Sand,
         {{Qt::Key_Space}, {Qt::Key_Delete}},
         {},
         2},
        {"an undo in a stroke undoes the whole stroke",
         Kind::Wall,
         {kShiftDown,
          shifted(Qt::Key_Right),
          shifted(Qt::Key_Right),
          {Qt::Key_Z, Qt::ControlModifier}},
         {},
         1},
        {"a stroke of the start moves it once",
         Kind::Start,
         {kShiftDown, shifted(Qt::Key_Right), shifted(Qt::Key_Right), kShiftUp},
         {{3, 1}},
         1},
    };
    for (const Case& k : kCases) {
        Window w;
        workshop::BoardView* board = w.window->board();
        board->setKind(k.kind);
        press(board, k.keys);
        QUndoStack* undo = w.window->undoStack();
        EXPECT_EQ(undo->count(), k.steps) << k.what;
        for (auto [c, r] : k.painted)
            EXPECT_EQ(workshop::kindAt(w.window->stage(), c, r), k.kind) << k.what << " " << c << r;
        int ofKind = 0;
        for (int r = 1; r <= game::kBoardSide; ++r)
            for (int c = 1; c <= game::kBoardSide; ++c)
                ofKind += workshop::kindAt(w.window->stage(), c, r) == k.kind;
        EXPECT_EQ(ofKind, static_cast<int>(k.painted.size())) << k.what;
    }
}

// Each palette key held by the board chooses its kind and checks it in the palette.
TEST(BoardAccess, ThePaletteKeysChooseAsAClickDoes) {
    Window w;
    workshop::BoardView* board = w.window->board();
    for (const workshop::KindInfo& k : workshop::kKinds) {
        QTest::keyClick(board, k.key);
        EXPECT_EQ(board->kind(), k.kind) << k.key;
        int checked = 0;
        for (QAction* a : w.window->findChildren<QAction*>())
            if (a->isCheckable() && a->isChecked() && a->data().isValid())
                checked += a->data().toInt() == static_cast<int>(k.kind) ? 1 : 100;
        EXPECT_EQ(checked, 1) << k.key;
    }
}

// Every menu and every entry in it is reached from the keyboard: a shortcut,
// or a mnemonic no other entry of the same menu has.
TEST(BoardAccess, EveryMenuEntryIsReachedByKeys) {
    Window w;
    const auto mnemonic = [](const QString& text) -> QChar {
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != '&') continue;
            if (text[i + 1] != '&') return text[i + 1].toLower();
            ++i;  // "&&" is a plain "&"
        }
        return {};
    };
    const auto checkMenu = [&](const QList<QAction*>& entries, const QString& where) {
        QList<QChar> taken;
        for (QAction* a : entries) {
            if (a->isSeparator()) continue;
            const QChar key = mnemonic(a->text());
            const std::string what = (where + " > " + a->text()).toStdString();
            EXPECT_TRUE(!key.isNull() || !a->shortcut().isEmpty()) << what;
            if (key.isNull()) continue;
            EXPECT_FALSE(taken.contains(key)) << what << ": its mnemonic is another entry's";
            taken.append(key);
        }
    };
    const QList<QAction*> menus = w.window->menuBar()->actions();
    checkMenu(menus, QStringLiteral("menu bar"));
    for (QAction* top : menus)
        if (QMenu* menu = top->menu()) checkMenu(menu->actions(), top->text());
}
