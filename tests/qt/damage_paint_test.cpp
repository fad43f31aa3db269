#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPaintEvent>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "harness.h"

using qt_testing::Harness;

namespace {

// Counts what a window is asked to paint.
class PaintLog : public QObject {
public:
    explicit PaintLog(QWidget* window) { window->installEventFilter(this); }
    int paints = 0;
    QRegion region;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            region += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

QPoint cell(int c, int r) { return {48 * (c - 1) + 24, 48 * (r - 1) + 24}; }

using Step = std::function<void(Harness&)>;

Step leftClick(int c, int r) {
    return [=](Harness& h) { h.clickAt("MainWindow", cell(c, r)); };
}
Step rightClick(int c, int r) {
    return [=](Harness& h) { h.clickAt("MainWindow", cell(c, r), Qt::RightButton); };
}
Step ticks(int n) {
    return [=](Harness& h) {
        for (int i = 0; i < n; ++i) h.tick(100);
    };
}

struct Sequence {
    const char* what;
    const char* target;  // blocks to clear the stage
    std::vector<Step> steps;
};

void PrintTo(const Sequence& s, std::ostream* out) { *out << s.what; }

class DamagePaint : public testing::TestWithParam<Sequence> {};

// After every step, what the window shows from painting only the damage is
// what it would show painted whole.
TEST_P(DamagePaint, MatchesAFullRepaint) {
    Harness h;
    // Every kind of cell, the character in the middle on a floor of walls.
    h.addStage(1,
               {".........", ".SSS.....", ".BBB..WW.", "......WW.", ".........", "....P....",
                "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK"},
               GetParam().target, "30");
    h.start();
    h.clickAt("Menu", h.centreOf("Menu", "Command1"));
    ASSERT_NE(h.window("MainWindow"), nullptr);
    h.painted("MainWindow");
    int step = 0;
    for (const Step& s : GetParam().steps) {
        s(h);
        ++step;
        ASSERT_NE(h.window("MainWindow"), nullptr) << "step " << step;
        // Painting only the damage with fonts, texts and pictures kept from
        // earlier paints shows what a renderer starting afresh draws.
        ASSERT_EQ(h.painted("MainWindow"), h.freshPaint("MainWindow")) << "step " << step;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Play, DamagePaint,
    testing::Values(
        Sequence{"walk", "9", {leftClick(1, 6), ticks(3), ticks(1), ticks(5), ticks(30)}},
        // Magic on either side, a climb onto the new block and a fall off it.
        Sequence{"climb",
                 "9",
                 {rightClick(6, 6), leftClick(9, 6), ticks(1), ticks(4), ticks(6), ticks(12),
                  ticks(20), rightClick(7, 6), leftClick(1, 6), ticks(25)}},
        // The fourth block clears the stage: its closing pictures play.
        Sequence{"clear", "4", {rightClick(6, 6), ticks(1), ticks(3), ticks(5), ticks(10)}},
        // The button sinks under the pointer, rises off it, and a click on it
        // deals the stage again in a new window.
        Sequence{
            "button",
            "9",
            {[](Harness& h) {
                 QPoint at = h.centreOf("MainWindow", "Command1");
                 h.pressAt("MainWindow", at, Qt::LeftButton);
             },
             [](Harness& h) { QTest::mouseMove(h.window("MainWindow"), QPoint(10, 10)); },
             [](Harness& h) {
                 QTest::mouseMove(h.window("MainWindow"), h.centreOf("MainWindow", "Command1"));
             },
             [](Harness& h) {
                 h.releaseAt("MainWindow", h.centreOf("MainWindow", "Command1"), Qt::LeftButton);
             },
             leftClick(1, 6), ticks(6)}}),
    [](const testing::TestParamInfo<Sequence>& param) { return std::string(param.param.what); });

// A walk tick asks for the sprite's old and new place and nothing else; a
// wake-up that changes nothing paints nothing.
TEST(DamagePaint, WalkTickPaintsOnlyTheSprite) {
    Harness h;
    qt_testing::openFloorStage(h, "4");
    ASSERT_NE(h.window("MainWindow"), nullptr);
    h.clickAt("MainWindow", cell(1, 6));
    h.painted("MainWindow");

    const forms::Control& sprite = *h.game().program().find("MainWindow")->find("AnimeFrame");
    const QRect before = qtfront::pixelRect(sprite);
    PaintLog log(h.window("MainWindow"));
    h.tick(100);
    const QRect after = qtfront::pixelRect(sprite);
    ASSERT_NE(before, after);
    EXPECT_EQ(log.paints, 1);
    EXPECT_EQ(log.region, QRegion(before) + QRegion(after));

    log.paints = 0;
    h.windows().clock().wake();
    QCoreApplication::processEvents();
    EXPECT_EQ(log.paints, 0);
}

// A picture is decoded when it is first drawn: the menu's two buttons beyond
// its edge and the game window's parked stock pictures never are.
TEST(DamagePaint, PicturesNotDrawnAreNotDecoded) {
    Harness h;
    qt_testing::addShowcaseStage(h, 1);
    h.start();
    h.painted("Menu");
    const qtfront::PictureLibrary& pictures = h.windows().pictures();
    EXPECT_TRUE(pictures.looked("Menu", "Command2"));
    EXPECT_FALSE(pictures.looked("Menu", "Command4"));
    EXPECT_FALSE(pictures.looked("Menu", "Command5"));

    h.clickAt("Menu", h.centreOf("Menu", "Command1"));
    ASSERT_NE(h.window("MainWindow"), nullptr);
    h.painted("MainWindow");
    EXPECT_TRUE(pictures.looked("MainWindow", "LeftWalk(1)"));
    for (const char* parked : {"LeftWalk(0)", "RightJump(2)", "LeftNiko(1)", "RightNaku(0)"})
        EXPECT_FALSE(pictures.looked("MainWindow", parked)) << parked;
}

}  // namespace
