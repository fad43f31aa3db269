#include <gtest/gtest.h>

#include <QTest>
#include <vector>

#include "harness.h"
#include "qt/mouse_router.h"
#include "ui/main_window.h"

using qt_testing::Harness;

namespace {

// The pixel in the middle of board cell (c, r).
QPoint cell(int c, int r) { return {48 * (c - 1) + 24, 48 * (r - 1) + 24}; }

void openStage(Harness& h) {
    qt_testing::openFloorStage(h, "2");
    ASSERT_NE(h.window("MainWindow"), nullptr);
}

}  // namespace

// A press on a cell reaches Tile_MouseDown with that cell's index and the
// button's number: left walks towards the column, right casts on the neighbour.
TEST(BoardInput, PressesReachTheCellUnderThePointer) {
    Harness h;
    openStage(h);
    game::LumoraBas& bas = h.game().bas();
    auto& w = h.game().gameWindow()->controls();

    h.clickAt("MainWindow", cell(2, 3));
    EXPECT_EQ(bas.ClickCol, 2);
    EXPECT_EQ(bas.ClickRow, 3);
    EXPECT_TRUE(w.LeftWalkTimer->Enabled());
    EXPECT_FALSE(w.RightWalkTimer->Enabled());

    h.clickAt("MainWindow", cell(8, 1));
    EXPECT_EQ(bas.ClickCol, 8);
    EXPECT_EQ(bas.ClickRow, 1);
    EXPECT_TRUE(w.RightWalkTimer->Enabled());
    w.RightWalkTimer->setEnabled(false);

    // A right click on the cell left of the character puts a block there.
    h.clickAt("MainWindow", cell(4, 6), Qt::RightButton);
    EXPECT_EQ(bas.BlockGrid[4][6], 1);
    EXPECT_EQ(w.Tile[9 * 5 + 4]->picture.name, "Block");

    // The last pixel row and column of a cell still belong to it.
    h.clickAt("MainWindow", QPoint(48 * 6 + 47, 48 * 2 + 47), Qt::MiddleButton);
    EXPECT_EQ(bas.ClickCol, 7);
    EXPECT_EQ(bas.ClickRow, 3);
}

// Records the types of the mouse events a widget is sent.
class MouseLog : public QObject {
public:
    std::vector<QEvent::Type> types;
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
                types.push_back(event->type());
                break;
            default:
                break;
        }
        return false;
    }
};

// Two quick clicks from the window system reach the widget as press, release,
// double click, release: the double click stands in for the second press and
// must count as one, on a cell and on a picture button alike.
TEST(BoardInput, EveryPressOfADoubleClickCounts) {
    Harness h;
    openStage(h);
    game::LumoraBas& bas = h.game().bas();
    const int magic = bas.MagicCount;
    qtfront::FormWindow* w = h.window("MainWindow");
    MouseLog log;
    w->installEventFilter(&log);
    // Through the window system, which makes the double click of the second press.
    QTest::mouseDClick(w->windowHandle(), Qt::RightButton, Qt::NoModifier, cell(4, 6));
    EXPECT_EQ(log.types,
              (std::vector<QEvent::Type>{QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                         QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}));
    EXPECT_EQ(bas.BlockGrid[4][6], 0);  // put down, then taken away again
    EXPECT_EQ(bas.MagicCount, magic - 2 + 1);
    ASSERT_EQ(h.window("MainWindow"), w);

    // Try Again: the first click let go off the button does nothing, the
    // second, a double click, restarts the stage.
    const QPoint tryAgain = h.centreOf("MainWindow", "Command1");
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, tryAgain);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, cell(9, 9));
    EXPECT_EQ(h.window("MainWindow"), w);
    QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, tryAgain);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, tryAgain);
    EXPECT_NE(h.window("MainWindow"), w);
    EXPECT_EQ(bas.MagicCount, magic);
}

// The sprite lies over the cells and takes no presses: a press on it reaches
// nothing, neither the cell it stands on nor any other.
TEST(BoardInput, PressOnTheSpriteReachesNothing) {
    Harness h;
    openStage(h);
    game::LumoraBas& bas = h.game().bas();
    auto& w = h.game().gameWindow()->controls();
    bas.ClickCol = 0;
    bas.ClickRow = 0;
    w.Text4->Text = "untouched";
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
        h.clickAt("MainWindow", cell(5, 6), b);
        h.clickAt("MainWindow", QPoint(48 * 4, 48 * 5), b);  // the sprite's top-left pixel
    }
    EXPECT_EQ(bas.ClickCol, 0);
    EXPECT_EQ(bas.ClickRow, 0);
    EXPECT_EQ(w.Text4->Text, "untouched");
    EXPECT_EQ(h.game().program().clock().nextDue(), std::nullopt);
    // Nor does the tray: its plates and labels lie over nothing that listens.
    h.clickAt("MainWindow", QPoint(500, 50));
    EXPECT_EQ(bas.ClickCol, 0);
}

// The release goes to the cell that took the press, wherever the pointer is
// then, and a second button pressed meanwhile goes there too.
TEST(BoardInput, ReleaseGoesToThePressedCell) {
    Harness h;
    openStage(h);
    const forms::Form& form = *h.game().program().find("MainWindow");
    qtfront::MouseRouter router;
    auto down = router.press(form, cell(2, 2), Qt::LeftButton);
    ASSERT_TRUE(down);
    EXPECT_EQ(down->kind, qtfront::MouseDelivery::Kind::MouseDown);
    EXPECT_EQ(down->index, 11);
    EXPECT_EQ(down->button, 1);
    auto second = router.press(form, cell(9, 9), Qt::RightButton);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->index, 11);
    EXPECT_EQ(second->button, 2);
    auto up = router.release(form, cell(9, 9), Qt::LeftButton);
    ASSERT_TRUE(up);
    EXPECT_EQ(up->kind, qtfront::MouseDelivery::Kind::MouseUp);
    EXPECT_EQ(up->index, 11);
    EXPECT_EQ(up->button, 1);
    up = router.release(form, QPoint(500, 500), Qt::RightButton);
    ASSERT_TRUE(up);
    EXPECT_EQ(up->index, 11);
    EXPECT_EQ(up->button, 2);
    // All buttons up: the next press is hit-tested afresh, and a stray release is dropped.
    EXPECT_FALSE(router.release(form, cell(2, 2), Qt::LeftButton));
    auto fresh = router.press(form, cell(1, 9), Qt::LeftButton);
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->index, 73);
}

// Closing the game window with its own close control goes through the program:
// the stage is saved and, with no window left, the program ends normally.
TEST(BoardInput, CloseControlUnloadsThroughTheProgram) {
    Harness h;
    openStage(h);
    h.temp().write("save.bkm", "7\r\n");  // unload writes the stage being played over it
    h.window("MainWindow")->close();
    EXPECT_EQ(h.temp().read("save.bkm"), "1\r\n");
    EXPECT_EQ(h.exitCode, 0);
    EXPECT_EQ(h.window("MainWindow"), nullptr);
}
