// The mage from the front: plain, crying and smiling faces, staff on the
// picture's right.

#include <QRegion>

#include "art.h"

namespace artgen {

namespace {

// 4-point twinkle, drawn straight into a layer.
void sparkle(QImage& img, int cx, int cy, int arm) {
    for (int i = -arm; i <= arm; ++i) {
        px(img, cx + i, cy, pal::gold);
        px(img, cx, cy + i, pal::gold);
    }
    if (arm >= 2) {
        px(img, cx - 1, cy - 1, pal::gold);
        px(img, cx + 1, cy - 1, pal::gold);
        px(img, cx - 1, cy + 1, pal::gold);
        px(img, cx + 1, cy + 1, pal::gold);
    }
    px(img, cx, cy, Qt::white);
}

}  // namespace

// Front view, staff in the figure's left hand (picture right).
QImage drawFront(Face face) {
    QImage out = newSprite();
    composite(out, bootLayer(QPoint(20, 42), false, false));
    composite(out, bootLayer(QPoint(27, 42), false, false));

    // robe
    {
        QImage l = newSprite();
        {
            PixelPainter p(&l);
            p.poly({QPoint(18, 27), QPoint(29, 27), QPoint(32, 41), QPoint(15, 41)}, pal::robe);
        }
        sideShade(l, pal::robe, 2, pal::robeLight, 3, pal::robeShade);
        for (int x = 0; x < 48; ++x) {
            if (qAlpha(l.pixel(x, 41)) > 0) {
                px(l, x, 41, pal::gold);
                px(l, x, 40, pal::gold);
            }
            if (qAlpha(l.pixel(x, 33)) > 0) {
                px(l, x, 32, pal::gold);
                px(l, x, 33, pal::goldDark);
            }
        }
        hline(l, 22, 25, 32, pal::cream);
        hline(l, 22, 25, 33, pal::gold);
        // collar
        hline(l, 21, 26, 28, pal::cream);
        hline(l, 22, 25, 29, pal::cream);
        outlineLayer(l, pal::ink);
        composite(out, l);
    }

    // staff on picture right
    composite(out, staffLayer(QPoint(36, 46), QPoint(36, 10)));

    // arms: one hanging, one gripping the staff
    composite(out, armLayer(QPoint(19, 30), QPoint(15, 37)));
    composite(out, armLayer(QPoint(28, 30), QPoint(36, 33)));

    // head
    {
        QImage l = newSprite();
        {
            PixelPainter p(&l);
            p.ellipse(QRect(14, 17, 6, 11), pal::hair);
            p.ellipse(QRect(28, 17, 6, 11), pal::hair);
            p.ellipse(QRect(17, 14, 14, 14), pal::skinShade);
            p.setClipRegion(QRegion(QRect(17, 14, 14, 14), QRegion::Ellipse));
            p.ellipse(QRect(16, 13, 14, 14), pal::skin);
            p.setClipping(false);
        }
        for (int y = 23; y < 28; ++y) {
            for (int x = 14; x < 17; ++x)
                if (l.pixelColor(x, y) == pal::hair) px(l, x, y, pal::hairShade);
            for (int x = 31; x < 34; ++x)
                if (l.pixelColor(x, y) == pal::hair) px(l, x, y, pal::hairShade);
        }
        // fringe
        hline(l, 17, 30, 18, pal::hair);
        hline(l, 17, 30, 19, pal::hair);
        for (int x : {17, 18, 20, 21, 23, 26, 27, 29, 30}) px(l, x, 20, pal::hair);
        px(l, 21, 19, pal::hairShade);
        px(l, 26, 19, pal::hairShade);

        switch (face) {
            case Face::Plain:
                for (int x : {20, 21, 26, 27})
                    for (int y = 21; y <= 23; ++y) px(l, x, y, pal::eye);
                px(l, 21, 21, Qt::white);
                px(l, 27, 21, Qt::white);
                hline(l, 18, 19, 25, pal::blush);
                hline(l, 28, 29, 25, pal::blush);
                hline(l, 23, 24, 26, pal::mouth);
                break;
            case Face::Cry:
                // eyes squeezed shut, tears running down, wobbly open mouth
                hline(l, 19, 22, 22, pal::eye);
                hline(l, 25, 28, 22, pal::eye);
                px(l, 19, 21, pal::eye);
                px(l, 28, 21, pal::eye);
                hline(l, 22, 25, 25, pal::mouth);
                hline(l, 21, 26, 26, pal::mouth);
                px(l, 21, 26, pal::eye);
                px(l, 26, 26, pal::eye);
                hline(l, 22, 25, 24, pal::eye);
                for (int y = 23; y <= 27; ++y) {
                    px(l, 20, y, pal::tear);
                    px(l, 27, y, pal::tear);
                }
                px(l, 21, 23, pal::tear);
                px(l, 26, 23, pal::tear);
                break;
            case Face::Smile:
                // ^ ^ eyes, open grin, rosy cheeks
                px(l, 19, 23, pal::eye);
                px(l, 20, 22, pal::eye);
                px(l, 21, 22, pal::eye);
                px(l, 22, 23, pal::eye);
                px(l, 25, 23, pal::eye);
                px(l, 26, 22, pal::eye);
                px(l, 27, 22, pal::eye);
                px(l, 28, 23, pal::eye);
                hline(l, 18, 19, 25, pal::blush);
                hline(l, 28, 29, 25, pal::blush);
                hline(l, 17, 18, 24, withAlpha(pal::blush, 255));
                hline(l, 29, 30, 24, withAlpha(pal::blush, 255));
                hline(l, 21, 26, 25, pal::eye);
                hline(l, 22, 25, 26, pal::mouth);
                hline(l, 23, 24, 27, pal::eye);
                hline(l, 23, 24, 26, pal::blush);
                break;
        }
        outlineLayer(l, pal::ink);
        composite(out, l);
    }

    // hat
    {
        QImage l = newSprite();
        {
            PixelPainter p(&l);
            p.poly({QPoint(17, 16), QPoint(30, 16), QPoint(28, 9), QPoint(25, 4), QPoint(20, 1),
                    QPoint(14, 3), QPoint(19, 6), QPoint(20, 10)},
                   pal::hat);
            p.ellipse(QRect(11, 14, 26, 5), pal::hatShade);
            p.ellipse(QRect(11, 13, 26, 5), pal::hat);
        }
        sideShade(l, pal::hat, 1, pal::robe, 2, pal::hatShade);
        hline(l, 18, 29, 12, pal::gold);
        hline(l, 18, 29, 13, pal::goldDark);
        px(l, 24, 7, pal::gold);
        px(l, 23, 8, pal::gold);
        px(l, 25, 8, pal::gold);
        px(l, 24, 9, pal::gold);
        px(l, 24, 8, pal::cream);
        outlineLayer(l, pal::ink);
        composite(out, l);
    }

    if (face == Face::Cry) {
        // drops flying off to the sides
        QImage l = newSprite();
        for (auto [x, y] : {std::pair{12, 20}, std::pair{34, 19}, std::pair{11, 25}}) {
            px(l, x, y, pal::tear);
            px(l, x, y + 1, pal::tear);
            px(l, x + 1, y + 1, pal::tear);
            px(l, x - 1, y + 1, pal::tear);
            px(l, x, y + 2, pal::tear);
            px(l, x - 1, y + 1, Qt::white);
        }
        outlineLayer(l, pal::blueDark);
        composite(out, l);
    }
    if (face == Face::Smile) {
        QImage l = newSprite();
        sparkle(l, 7, 9, 3);
        sparkle(l, 42, 24, 2);
        sparkle(l, 8, 31, 2);
        outlineLayer(l, pal::goldDark);
        composite(out, l);
    }
    return out;
}

}  // namespace artgen
