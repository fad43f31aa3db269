// The mage from the side: the parts both views share (staff, boots, legs),
// and the walking and jumping frames, all facing right.

#include <QRegion>
#include <cmath>

#include "art.h"

namespace artgen {

// The staff: a wooden shaft from `foot` to `head` with a glowing orb on top.
QImage staffLayer(QPoint foot, QPoint head) {
    QImage l = newSprite();
    {
        PixelPainter p(&l);
        p.line(foot, head, 2, pal::staff);
        // a lighter line on the lit side of the shaft
        p.line(foot + QPoint(0, 0), head + QPoint(0, 0), 1, pal::staffLight);
        // gold cap under the orb
        const QPointF dir =
            QPointF(foot - head) / std::hypot(foot.x() - head.x(), foot.y() - head.y());
        const QPoint cap =
            head + QPoint(int(std::lround(dir.x() * 4)), int(std::lround(dir.y() * 4)));
        p.fillRect(QRect(cap.x() - 2, cap.y() - 1, 4, 2), pal::gold);
        px(l, cap.x() - 2, cap.y() - 1, pal::cream);
        p.ellipse(QRect(head.x() - 3, head.y() - 3, 7, 7), pal::orbDeep);
        p.ellipse(QRect(head.x() - 3, head.y() - 3, 6, 6), pal::orb);
    }
    px(l, head.x() - 1, head.y() - 1, Qt::white);
    px(l, head.x(), head.y() - 2, Qt::white);
    px(l, head.x() - 2, head.y(), pal::blueWhite);
    outlineLayer(l, pal::ink);
    return l;
}

QImage bootLayer(QPoint ankle, bool far, bool sideView) {
    QImage l = newSprite();
    const QColor c = far ? pal::bootFar : pal::boot;
    {
        PixelPainter p(&l);
        if (sideView) {
            p.fillRect(QRect(ankle.x() - 2, ankle.y(), 5, 5), c);
            p.fillRect(QRect(ankle.x() + 3, ankle.y() + 2, 2, 3), c);  // toe
        } else {
            p.fillRect(QRect(ankle.x() - 2, ankle.y(), 5, 5), c);
        }
    }
    // sole and a highlight on the toe cap
    const int soleY = ankle.y() + 4;
    for (int x = 0; x < 48; ++x)
        if (qAlpha(l.pixel(x, soleY)) > 0) px(l, x, soleY, pal::bootShade);
    px(l, ankle.x() - 1, ankle.y() + 1, far ? pal::boot : mix(pal::boot, pal::woodHi, 0.6));
    outlineLayer(l, pal::ink);
    return l;
}

QImage armLayer(QPoint shoulder, QPoint hand) {
    QImage l = newSprite();
    {
        PixelPainter p(&l);
        const QPoint wrist = shoulder + (hand - shoulder) * 3 / 4;
        p.line(shoulder, wrist, 4, pal::robeLight);
        p.line(shoulder + QPoint(0, 1), wrist + QPoint(0, 1), 2, pal::robe);
        p.ellipse(QRect(hand.x() - 2, hand.y() - 2, 4, 4), pal::skin);
    }
    outlineLayer(l, pal::ink);
    return l;
}

QImage legLayer(QPoint hip, QPoint knee, QPoint ankle, bool far) {
    QImage l = newSprite();
    {
        PixelPainter p(&l);
        const QColor c = far ? pal::tightsFar : pal::tights;
        p.line(hip, knee, 3, c);
        p.line(knee, ankle, 3, c);
    }
    outlineLayer(l, pal::ink);
    return l;
}

namespace {

// Side view (facing right).  Left-facing frames are mirror images.
struct SidePose {
    int dy = 0;               // upper body offset, + is down
    QPoint farAnkle{20, 42};  // top-left-ish anchor of each boot
    QPoint nearAnkle{26, 42};
    QPoint farKnee{-1, -1};  // optional bend; (-1,-1) = straight leg
    QPoint nearKnee{-1, -1};
    QPoint staffFoot{34, 46};
    QPoint staffHead{34, 10};
    double handT = 0.40;  // where the hand grips, 0 = foot, 1 = head
    int robeFlare = 0;    // widen the hem (crouch / landing)
    bool hemUp = false;   // robe flares upwards when jumping
};

QImage drawSide(const SidePose& s) {
    QImage out = newSprite();
    const int dy = s.dy;

    // legs and boots (far side first, darker)
    auto leg = [&](QPoint hip, QPoint knee, QPoint ankle, bool far) {
        if (knee.x() < 0) knee = (hip + ankle) / 2;
        composite(out, legLayer(hip, knee, ankle + QPoint(0, 1), far));
        composite(out, bootLayer(ankle, far, true));
    };
    leg(QPoint(22, 38 + dy), s.farKnee, s.farAnkle, true);
    leg(QPoint(25, 38 + dy), s.nearKnee, s.nearAnkle, false);

    // robe
    {
        QImage l = newSprite();
        const int f = s.robeFlare;
        const int hem = 41 + dy + (s.hemUp ? -2 : 0);
        {
            PixelPainter p(&l);
            p.poly({QPoint(19, 27 + dy), QPoint(29, 27 + dy), QPoint(33 + f, hem),
                    QPoint(15 - f, hem + (s.hemUp ? 2 : 0))},
                   pal::robe);
        }
        sideShade(l, pal::robe, 2, pal::robeLight, 3, pal::robeShade);
        // gold hem trim and belt
        for (int x = 0; x < 48; ++x) {
            for (int y = hem - 1; y <= hem + 2; ++y)
                if (qAlpha(l.pixel(x, y)) > 0 && (y >= hem || (s.hemUp && x < 20)))
                    px(l, x, y, pal::gold);
            if (qAlpha(l.pixel(x, 33 + dy)) > 0) {
                px(l, x, 33 + dy, pal::goldDark);
                px(l, x, 32 + dy, pal::gold);
            }
        }
        px(l, 27, 32 + dy, pal::cream);
        outlineLayer(l, pal::ink);
        composite(out, l);
    }

    // head with hair
    {
        QImage l = newSprite();
        {
            PixelPainter p(&l);
            p.ellipse(QRect(14, 16 + dy, 8, 11), pal::hair);  // hair at the back
            p.ellipse(QRect(17, 14 + dy, 15, 14), pal::skinShade);
            p.setClipRegion(QRegion(QRect(17, 14 + dy, 15, 14), QRegion::Ellipse));
            p.ellipse(QRect(16, 13 + dy, 15, 14), pal::skin);
            p.setClipping(false);
        }
        // hair shading and fringe under the brim
        for (int y = 16 + dy; y < 27 + dy; ++y)
            for (int x = 14; x < 18; ++x)
                if (l.pixelColor(x, y) == pal::hair && (y > 23 + dy || x == 14))
                    px(l, x, y, pal::hairShade);
        hline(l, 18, 31, 18 + dy, pal::hair);
        hline(l, 19, 24, 19 + dy, pal::hair);
        px(l, 27, 19 + dy, pal::hair);
        px(l, 20, 20 + dy, pal::hair);
        // eye, blush, mouth
        px(l, 27, 21 + dy, pal::eye);
        px(l, 28, 21 + dy, pal::eye);
        px(l, 27, 22 + dy, pal::eye);
        px(l, 28, 22 + dy, pal::eye);
        px(l, 27, 21 + dy, Qt::white);
        px(l, 25, 24 + dy, pal::blush);
        px(l, 26, 24 + dy, pal::blush);
        px(l, 29, 25 + dy, pal::mouth);
        outlineLayer(l, pal::ink);
        composite(out, l);
    }

    // hat: a floppy cone leaning back, gold band and star
    {
        QImage l = newSprite();
        {
            PixelPainter p(&l);
            p.poly(
                {QPoint(18, 16 + dy), QPoint(31, 16 + dy), QPoint(28, 9 + dy), QPoint(25, 5 + dy),
                 QPoint(20, 2 + dy), QPoint(15, 3 + dy), QPoint(20, 6 + dy), QPoint(21, 10 + dy)},
                pal::hat);
            p.ellipse(QRect(12, 14 + dy, 24, 5), pal::hatShade);
            p.ellipse(QRect(12, 13 + dy, 24, 5), pal::hat);
        }
        sideShade(l, pal::hat, 1, pal::robe, 2, pal::hatShade);
        hline(l, 19, 30, 12 + dy, pal::gold);
        hline(l, 19, 30, 13 + dy, pal::goldDark);
        px(l, 25, 8 + dy, pal::gold);
        px(l, 24, 9 + dy, pal::gold);
        px(l, 26, 9 + dy, pal::gold);
        px(l, 25, 10 + dy, pal::gold);
        px(l, 25, 9 + dy, pal::cream);
        outlineLayer(l, pal::ink);
        composite(out, l);
    }

    // staff, then the arm gripping it
    composite(out, staffLayer(s.staffFoot, s.staffHead));
    const QPointF hand =
        QPointF(s.staffFoot) + (QPointF(s.staffHead) - QPointF(s.staffFoot)) * s.handT;
    composite(out, armLayer(QPoint(24, 30 + dy),
                            QPoint(int(std::lround(hand.x())), int(std::lround(hand.y())))));
    return out;
}

}  // namespace

SideFrames drawSideFrames() {
    SidePose stand;  // frame 1 of the walk: feet together
    stand.farAnkle = {22, 42};
    stand.nearAnkle = {25, 42};

    SidePose walkA = stand;     // near leg forward
    walkA.farAnkle = {18, 41};  // heel of the back foot lifting off
    walkA.nearAnkle = {29, 42};
    walkA.staffFoot = {36, 46};
    walkA.staffHead = {33, 10};

    SidePose walkB = stand;  // far leg forward
    walkB.farAnkle = {28, 42};
    walkB.nearAnkle = {19, 41};
    walkB.staffFoot = {33, 46};
    walkB.staffHead = {35, 10};

    SidePose crouch;  // gathering for the jump
    crouch.dy = 3;
    crouch.farAnkle = {19, 42};
    crouch.nearAnkle = {27, 42};
    crouch.farKnee = {17, 40};
    crouch.nearKnee = {29, 40};
    crouch.robeFlare = 1;
    crouch.staffFoot = {35, 46};
    crouch.staffHead = {35, 13};
    crouch.handT = 0.42;

    SidePose air;  // top of the jump: staff thrust up, knees tucked
    air.dy = -1;
    air.farKnee = {27, 40};
    air.farAnkle = {20, 39};
    air.nearKnee = {30, 38};
    air.nearAnkle = {24, 40};
    air.staffFoot = {27, 40};
    air.staffHead = {38, 5};
    air.handT = 0.55;
    air.hemUp = true;

    SidePose land;  // touching down, legs wide
    land.dy = 2;
    land.farAnkle = {16, 42};
    land.nearAnkle = {29, 42};
    land.robeFlare = 2;
    land.staffFoot = {39, 46};
    land.staffHead = {33, 12};
    land.handT = 0.40;

    const QImage standing = drawSide(stand);
    return {{drawSide(walkA), standing, drawSide(walkB)},
            {standing, drawSide(crouch), drawSide(air), drawSide(air), drawSide(land)}};
}

}  // namespace artgen
