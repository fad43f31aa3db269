#include <gtest/gtest.h>

#include <QPainter>

#include "harness.h"

using qt_testing::Harness;

namespace {

QImage art(const std::string& name) {
    return QImage(QString::fromStdString(":/MainWindow/" + name + ".png"));
}

// How a picture looks drawn on the white window at its natural size.
QImage onWhite(const QImage& picture, QRect part) {
    QImage out(part.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage(QPoint(0, 0), picture, part);
    return out;
}

QRect cellRect(int c, int r) { return {48 * (c - 1), 48 * (r - 1), 48, 48}; }

}  // namespace

// Each cell shows the picture of what the stage put there, at its place on the
// board; empty cells show the white window; the sprite stands on its cell.
TEST(BoardPictures, CellsAndSpriteShowTheirArtwork) {
    Harness h;
    qt_testing::addShowcaseStage(h, 1);
    h.start();
    h.clickAt("Menu", h.centreOf("Menu", "Command1"));
    ASSERT_NE(h.window("MainWindow"), nullptr);
    const QImage shot = h.grab("MainWindow");
    ASSERT_EQ(shot.size(), QSize(576, 432));

    const struct {
        int c, r;
        const char* picture;
    } cells[] = {{2, 2, "Sand"},  {4, 2, "Sand"},  {2, 3, "Block"}, {4, 3, "Block"},
                 {7, 3, "Water"}, {8, 4, "Water"}, {1, 7, "Wall"},  {9, 9, "Wall"}};
    for (const auto& cell : cells) {
        const QImage picture = art(cell.picture);
        ASSERT_FALSE(picture.isNull()) << cell.picture;
        EXPECT_EQ(shot.copy(cellRect(cell.c, cell.r)), onWhite(picture, picture.rect()))
            << cell.picture << " at " << cell.c << "," << cell.r;
    }
    for (QRect empty : {cellRect(1, 1), cellRect(9, 6), cellRect(5, 5)}) {
        QImage white(48, 48, QImage::Format_RGB32);
        white.fill(Qt::white);
        EXPECT_EQ(shot.copy(empty), white) << empty.x() << "," << empty.y();
    }
    const QImage standing = art("LeftWalk_1");
    EXPECT_EQ(shot.copy(cellRect(5, 6)), onWhite(standing, standing.rect()));
}

// The tray: plates under the labels, and the answer mini-map whose 12-pixel
// boxes show the top-left corner of a 48-pixel picture or their own colour.
TEST(BoardPictures, TrayAndMiniMap) {
    Harness h;
    qt_testing::addShowcaseStage(h, 1);
    h.start();
    h.clickAt("Menu", h.centreOf("Menu", "Command1"));
    ASSERT_NE(h.window("MainWindow"), nullptr);
    const QImage shot = h.grab("MainWindow");

    // The buttons at the foot of the tray show their faces whole.
    for (const char* button : {"Command1", "Command3"}) {
        const forms::Control& c = *h.game().program().find("MainWindow")->find(button);
        const QImage face = art(button);
        EXPECT_EQ(shot.copy(QRect(432, static_cast<int>(c.Top), 144, 28)),
                  face.convertToFormat(QImage::Format_RGB32))
            << button;
    }

    // Mini-map box k sits at (450 + 12(c-1), 85 + 12(r-1)). Inside any thin
    // border, the middle pixels are those of the picture's top-left corner.
    auto boxMiddle = [&](int c, int r) {
        return shot.copy(QRect(450 + 12 * (c - 1) + 2, 85 + 12 * (r - 1) + 2, 8, 8));
    };
    const QImage block = art("Block").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(boxMiddle(1, 1), block.copy(2, 2, 8, 8));
    EXPECT_EQ(boxMiddle(3, 4), art("Water").convertToFormat(QImage::Format_RGB32).copy(2, 2, 8, 8));
    const QRgb pink = qRgb(255, 192, 192);
    EXPECT_EQ(boxMiddle(2, 1).pixel(3, 3), pink);                 // "." keeps the pale red
    EXPECT_EQ(boxMiddle(5, 2).pixel(3, 3), qRgb(255, 255, 255));  // "O" turns white

    // The counters: the magic box's pale magenta shows behind its text.
    const forms::Control& magic = *h.game().gameWindow()->controls().txtMagic;
    EXPECT_EQ(
        shot.pixel(static_cast<int>(magic.Left + magic.Width) - 3, static_cast<int>(magic.Top) + 3),
        qRgb(255, 192, 255));
}
