#include <gtest/gtest.h>

#include <QPixmap>

#include "harness.h"
#include "qt/form_renderer.h"
#include "qt/picture_library.h"

using qt_testing::Harness;

namespace {

bool sameRegion(const QImage& shot, const QRect& where, const QImage& expected) {
    if (!shot.rect().contains(where)) return false;
    return shot.copy(where) ==
           expected.convertToFormat(QImage::Format_RGB32).copy(0, 0, where.width(), where.height());
}

QImage art(const char* path) { return QImage(QString::fromUtf8(path)); }

}  // namespace

// The title screen shows exactly Start, Load and Exit: the other two buttons lie
// beyond the window's edge, and what the player can click opens the game.
TEST(MenuWindow, ShowsStartLoadExitAndNothingElse) {
    Harness h;
    qt_testing::addShowcaseStage(h, 1);
    h.start();
    qtfront::FormWindow* menu = h.window("Menu");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->size(), QSize(288, 288));
    EXPECT_EQ(menu->windowTitle(), " Menu");
    EXPECT_TRUE(menu->isVisible());

    const QImage shot = h.grab("Menu");
    const forms::Form& form = *h.game().program().find("Menu");
    const QRect client = menu->rect();
    const char* faces[] = {":/Menu/Command1.png", ":/Menu/Command2.png", ":/Menu/Command3.png"};
    int top = 0;
    for (int i = 0; i < 3; ++i) {
        const QRect r = qtfront::pixelRect(*form.find("Command" + std::to_string(i + 1)));
        EXPECT_TRUE(client.contains(r)) << "Command" << i + 1;
        EXPECT_GT(r.top(), top) << "Start, Load, Exit run from the top down";
        top = r.top();
        EXPECT_TRUE(sameRegion(shot, r, art(faces[i]))) << faces[i];
    }
    for (const char* hidden : {"Command4", "Command5"})
        EXPECT_FALSE(client.intersects(qtfront::pixelRect(*form.find(hidden)))) << hidden;
    // Where no button is, the background picture shows.
    EXPECT_TRUE(sameRegion(shot, QRect(0, 0, 288, 100), art(":/Menu/Form.png")));

    h.clickAt("Menu", h.centreOf("Menu", "Command1"));
    EXPECT_EQ(h.window("Menu"), nullptr);
    qtfront::FormWindow* game = h.window("MainWindow");
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(game->size(), QSize(576, 432));
    EXPECT_EQ(game->windowTitle(), " Lumora");
}

// A push button clicks on release over itself: slipping off it cancels, and a
// right click does nothing.
TEST(MenuWindow, ButtonClicksOnlyWhenReleasedOverIt) {
    Harness h;
    qt_testing::addShowcaseStage(h, 1);
    h.start();
    const QPoint start = h.centreOf("Menu", "Command1");
    h.pressAt("Menu", start, Qt::LeftButton);
    h.releaseAt("Menu", h.centreOf("Menu", "Command2"), Qt::LeftButton);
    EXPECT_NE(h.window("Menu"), nullptr);
    h.clickAt("Menu", start, Qt::RightButton);
    EXPECT_NE(h.window("Menu"), nullptr);
    EXPECT_EQ(h.window("MainWindow"), nullptr);

    h.clickAt("Menu", h.centreOf("Menu", "Command3"));
    EXPECT_EQ(h.exitCode, 0);
    EXPECT_TRUE(h.errors.empty());
    EXPECT_EQ(h.window("Menu"), nullptr);
}

// On a 120-dpi screen the menu keeps showing the same three buttons, now
// 145 x 27, inside a window sized from the smaller twips values.
TEST(MenuWindow, LargeFontScreenKeepsTheArrangement) {
    Harness h(12.0f);
    qt_testing::addShowcaseStage(h, 1);
    h.start();
    qtfront::FormWindow* menu = h.window("Menu");
    ASSERT_NE(menu, nullptr);
    const forms::Form& form = *h.game().program().find("Menu");
    EXPECT_EQ(menu->size(), QSize(form.clientWidth(), form.clientHeight()));
    for (const char* shown : {"Command1", "Command2", "Command3"})
        EXPECT_TRUE(menu->rect().contains(qtfront::pixelRect(*form.find(shown)))) << shown;
    for (const char* hidden : {"Command4", "Command5"})
        EXPECT_FALSE(menu->rect().intersects(qtfront::pixelRect(*form.find(hidden)))) << hidden;
}
