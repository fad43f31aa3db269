#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <cmath>

#include "harness.h"
#include "qt/placement.h"
#include "ui/main_window.h"

using qt_testing::Harness;

// Try Again makes a new game window under the same name: it gets a window of
// its own that shows the fresh board, where the player had put the old one.
// Back at the menu, the menu opens in the middle of the screen again.
TEST(WindowLifecycle, EveryNewFormGetsItsOwnWindow) {
    Harness h;
    qt_testing::openFloorStage(h, "2");
    qtfront::FormWindow* first = h.window("MainWindow");
    ASSERT_NE(first, nullptr);
    const forms::Form* firstForm = first->form();
    first->move(37, 41);
    const QPoint place = first->pos();

    h.clickAt("MainWindow", QPoint(3 * 48 + 24, 5 * 48 + 24),
              Qt::RightButton);  // a block at (4, 6)
    const QRect blockCell(3 * 48, 5 * 48, 48, 48);
    const QImage withBlock = h.grab("MainWindow").copy(blockCell);

    h.clickAt("MainWindow", h.centreOf("MainWindow", "Command1"));  // Try Again
    qtfront::FormWindow* second = h.window("MainWindow");
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second->form(), firstForm);
    EXPECT_EQ(second->form(), h.game().program().find("MainWindow"));
    EXPECT_EQ(first->form(), nullptr) << "the old window lets go of its form";
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(second->pos(), place);
    QImage white(48, 48, QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_NE(withBlock, white);
    EXPECT_EQ(h.grab("MainWindow").copy(blockCell), white)
        << "the retry starts from the stage file";

    h.clickAt("MainWindow", h.centreOf("MainWindow", "Command3"));  // Exit to the menu
    qtfront::FormWindow* menu = h.window("Menu");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(h.window("MainWindow"), nullptr);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const forms::Form& form = *menu->form();
    const int outerWidth = static_cast<int>(std::lround(form.Width / form.twipsPerPixel()));
    EXPECT_EQ(menu->pos().x(), screen.x() + (screen.width() - outerWidth) / 2);
}

// A stage cleared while the player holds the mouse on the board: the game
// window goes away under the pointer, and the release reaches nothing.
TEST(WindowLifecycle, ReleaseAfterTheWindowClosedGoesNowhere) {
    Harness h;
    qt_testing::openFloorStage(h, "1");
    qtfront::FormWindow* game = h.window("MainWindow");
    ASSERT_NE(game, nullptr);
    // One block is the whole target: the cast wins and the outcome timer runs.
    h.clickAt("MainWindow", QPoint(5 * 48 + 24, 5 * 48 + 24), Qt::RightButton);
    EXPECT_EQ(h.windows().clock().armedDelay(), 2000);
    h.pressAt("MainWindow", QPoint(24, 24), Qt::LeftButton);
    h.now = 8000;  // the two pictures are shown and the menu opens
    h.windows().clock().wake();
    EXPECT_EQ(h.window("MainWindow"), nullptr);
    ASSERT_NE(h.window("Menu"), nullptr);
    QTest::mouseRelease(game, Qt::LeftButton, Qt::NoModifier, QPoint(24, 24));
    EXPECT_NE(h.window("Menu"), nullptr);
    EXPECT_EQ(h.exitCode, std::nullopt);
    EXPECT_EQ(h.windows().clock().armedDelay(), std::nullopt);
}

// The press comes before the wake-up that would have ended the stage: the ticks
// already due run first, close the game window, and the press finds nothing.
TEST(WindowLifecycle, PressWhileTheOutcomeIsOverdueMeetsTheMenu) {
    Harness h;
    qt_testing::openFloorStage(h, "1");
    qtfront::FormWindow* game = h.window("MainWindow");
    ASSERT_NE(game, nullptr);
    h.clickAt("MainWindow", QPoint(5 * 48 + 24, 5 * 48 + 24), Qt::RightButton);
    h.now = 9000;
    QTest::mousePress(game, Qt::LeftButton, Qt::NoModifier, QPoint(24, 24));
    QTest::mouseRelease(game, Qt::LeftButton, Qt::NoModifier, QPoint(24, 24));
    EXPECT_EQ(h.window("MainWindow"), nullptr);
    ASSERT_NE(h.window("Menu"), nullptr);
    EXPECT_EQ(h.game().bas().MenuMode, 0);
    EXPECT_EQ(h.temp().read("save.bkm"), "1\r\n");
    EXPECT_EQ(h.exitCode, std::nullopt);
    // The closed window's press started nothing: no game timer is armed.
    EXPECT_EQ(h.windows().clock().armedDelay(), std::nullopt);
}

// Every window lands inside the screen's free area, or at least with its
// top-left corner there when it is the larger of the two.
TEST(WindowPlacement, InsideTheAreaOrTopLeftCornerFirst) {
    const QRect area(10, 30, 400, 300);  // a panel takes the top 30 pixels
    struct Case {
        QSize outer;
        QPoint wanted, placed;
    };
    const Case cases[] = {
        {{200, 100}, {50, 60}, {50, 60}},      // fits where it is
        {{200, 100}, {-80, -5}, {10, 30}},     // off the top-left
        {{200, 100}, {300, 290}, {210, 230}},  // off the bottom-right
        {{582, 456}, {-90, -78}, {10, 30}},    // larger than the screen, centred
        {{582, 456}, {100, 100}, {10, 30}},    // larger, wherever it was
        {{400, 300}, {11, 31}, {10, 30}},      // exactly as large as the area
    };
    for (const Case& c : cases)
        EXPECT_EQ(qtfront::placeInside(area, c.outer, c.wanted), c.placed)
            << c.wanted.x() << "," << c.wanted.y();
}

// The game window reopens where the player left it only as far as the screen
// still shows it.
TEST(WindowPlacement, TheGameWindowComesBackOnScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    for (QPoint left : {QPoint(-300, -250), QPoint(area.right() + 100, area.bottom() + 100)}) {
        Harness h;
        qt_testing::openFloorStage(h, "2");
        qtfront::FormWindow* first = h.window("MainWindow");
        first->move(left);
        const QSize outer = first->frameGeometry().size();
        h.clickAt("MainWindow", h.centreOf("MainWindow", "Command1"));  // Try Again
        qtfront::FormWindow* second = h.window("MainWindow");
        ASSERT_NE(second, first);
        EXPECT_EQ(second->pos(), left.x() < 0 ? area.topLeft()
                                              : QPoint(area.right() + 1 - outer.width(),
                                                       area.bottom() + 1 - outer.height()));
    }
}
