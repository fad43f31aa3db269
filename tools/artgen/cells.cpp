// The board cells (block, sand, water, wall) and the tray's magic counter.

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "art.h"

namespace artgen {

namespace {

QPainterPath leafPath(double len, double wid) {
    QPainterPath p;
    p.moveTo(-len / 2, 0);
    p.quadTo(0, -wid, len / 2, 0);
    p.quadTo(0, wid, -len / 2, 0);
    return p;
}

}  // namespace

QImage makeBlock() {
    QImage img = newImage(48, 48, pal::leafInk);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath body;
    body.addRoundedRect(QRectF(1, 1, 46, 46), 5, 5);
    p.fillPath(body, pal::leafDark);
    p.setClipPath(body);

    // Overlapping leaves laid row by row, so each row tucks under the next:
    // the scaly leaf pattern is what tells a block apart from the other cells.
    Rng rng(0xB10C5);
    for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 7; ++col) {
            const double x = col * 8.0 + (row % 2) * 4.0 - 2 + rng.uniform(-1.2, 1.2);
            const double y = row * 6.4 + rng.uniform(-1.0, 1.0);
            const double ang = ((col + row) % 2 ? 35.0 : -35.0) + rng.uniform(-15, 15);
            const double light =
                std::clamp(1.0 - (x + y) / 80.0 + rng.uniform(-0.15, 0.15), 0.0, 1.0);
            const QColor base = light > 0.5 ? mix(pal::leafMid, pal::leafLight, (light - 0.5) * 2)
                                            : mix(pal::leafDark, pal::leafMid, light * 2);
            p.save();
            p.translate(x, y);
            p.rotate(ang);
            const QPainterPath leaf = leafPath(12.5, 7.5);
            // shadow the leaf casts on the one beneath it
            p.fillPath(leaf.translated(1.0, 1.6), withAlpha(pal::leafInk, 170));
            QLinearGradient g(0, -4, 0, 4);
            g.setColorAt(0.0, mix(base, pal::leafHi, 0.45));
            g.setColorAt(1.0, base);
            p.setPen(QPen(pal::leafInk, 0.8));
            p.setBrush(g);
            p.drawPath(leaf);
            p.setPen(QPen(mix(base, pal::leafDark, 0.6), 0.8));
            p.drawLine(QPointF(-5.0, 0.3), QPointF(5.0, 0.3));
            p.restore();
        }
    }
    // Only a faint glow at the top-left: that corner is all the answer
    // mini-map shows of a block, and it has to stay darker than water's.
    tileLight(p, QRectF(0, 0, 48, 48), 25, 90);
    p.setClipping(false);
    // rim of the hedge cube
    p.setPen(QPen(withAlpha(pal::leafHi, 150), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.2, 2.2, 43.6, 43.6), 4, 4);
    p.setPen(QPen(pal::leafInk, 1.6));
    p.drawRoundedRect(QRectF(1.0, 1.0, 46, 46), 5, 5);
    return img;
}

namespace {

// A soap bubble lit from the top-left; `s` scales its strokes and glints.
void drawBubble(QPainter& p, QPointF c, double r, double s, double outlineW,
                const QColor& outline) {
    QRadialGradient g(c, r, QPointF(c.x() - r * 0.35, c.y() - r * 0.4));
    g.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    g.setColorAt(0.45, QColor(0xe2, 0xf2, 0xff));
    g.setColorAt(0.82, QColor(0xa6, 0xd1, 0xfa));
    g.setColorAt(1.0, QColor(0x6f, 0xa9, 0xe8));
    p.setPen(QPen(outline, outlineW * s));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    // rim light on the shadow side
    p.setPen(QPen(QColor(0xf2, 0xfa, 0xff, 220), 1.6 * s, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const double ri = r - 3.2 * s;
    p.drawArc(QRectF(c.x() - ri, c.y() - ri, 2 * ri, 2 * ri), -80 * 16, 70 * 16);
    // glints
    p.save();
    p.translate(c.x() - r * 0.42, c.y() - r * 0.45);
    p.rotate(-38);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 240));
    p.drawEllipse(QPointF(0, 0), r * 0.34, r * 0.19);
    p.restore();
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(QPointF(c.x() - r * 0.66, c.y() + r * 0.02), r * 0.075, r * 0.075);
}

}  // namespace

// One big bubble afloat among small ones on a sky-blue ground.  The ground and
// the small bubble in the top-left corner are what the answer mini-map shows
// of sand: blue with a bubble in it, never the white of an answer mark.
QImage makeSand() {
    QImage img = newImage(48, 48, QColor(0x18, 0x88, 0xbc));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    {
        QLinearGradient g(0, 0, 48, 48);
        g.setColorAt(0.0, QColor(0x26, 0xbc, 0xd8));
        g.setColorAt(1.0, QColor(0x18, 0x88, 0xbc));
        p.fillRect(QRectF(0, 0, 48, 48), g);
    }
    const QColor outline(0x1c, 0x4c, 0x96);
    const QPointF c(24, 23);
    const double r = 18.5;
    // the big bubble's shadow on the ground
    QRadialGradient sh(QPointF(c.x() + 2, c.y() + r + 1), r * 0.9);
    sh.setColorAt(0.0, QColor(0x14, 0x3c, 0x80, 150));
    sh.setColorAt(1.0, QColor(0x14, 0x3c, 0x80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sh);
    p.drawEllipse(QPointF(c.x() + 2, c.y() + r - 1), r * 0.95, r * 0.3);
    for (const auto& [at, radius] :
         {std::pair{QPointF(6.5, 6.5), 4.0}, std::pair{QPointF(43, 8), 2.6},
          std::pair{QPointF(5, 40), 2.8}, std::pair{QPointF(42.5, 41), 3.2}})
        drawBubble(p, at, radius, 0.45, 2.2, outline);
    drawBubble(p, c, r, 1.0, 1.6, outline);
    return img;
}

QImage makeWater() {
    QImage img = newImage(48, 48, pal::blueInk);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    // grout between the cobbles, a touch lighter than the outline
    p.fillRect(QRectF(1, 1, 46, 46), QColor(0x1a, 0x36, 0x6a));
    const QRectF stones[] = {
        QRectF(1.5, 1.5, 24, 19),  QRectF(27.5, 1.5, 19, 14), QRectF(27.5, 17.5, 19, 13),
        QRectF(1.5, 22.5, 15, 24), QRectF(18.5, 22.5, 7, 8),  QRectF(18.5, 32.5, 28, 14),
    };
    Rng rng(0x3A7E4);
    for (const QRectF& r : stones) {
        const double rad = std::min(r.width(), r.height()) * 0.42;
        QPainterPath path;
        path.addRoundedRect(r, rad, rad);
        QLinearGradient g(r.topLeft(), r.bottomRight());
        g.setColorAt(0.0, QColor(0x8c, 0xc2, 0xf6));
        g.setColorAt(0.45, QColor(0x4d, 0x8a, 0xdc));
        g.setColorAt(1.0, QColor(0x28, 0x58, 0xa8));
        p.setPen(QPen(pal::blueInk, 1.2));
        p.setBrush(g);
        p.drawPath(path);
        // wet highlight hugging the top-left corner
        p.save();
        p.setClipPath(path);
        const QRectF in = r.adjusted(2.2, 2.2, -2.2, -2.2);
        const double ir = std::max(1.0, rad - 2.2);
        QPainterPath hl;
        hl.moveTo(in.left(), in.bottom() - ir);
        hl.lineTo(in.left(), in.top() + ir);
        hl.arcTo(QRectF(in.left(), in.top(), 2 * ir, 2 * ir), 180, -90);
        hl.lineTo(in.right() - ir, in.top());
        p.setPen(QPen(QColor(0xd8, 0xee, 0xff, 230), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(hl);
        // ripple lines across the stone
        if (r.width() >= 12 && r.height() >= 12) {
            const int waves = r.height() >= 18 ? 2 : 1;
            for (int k = 0; k < waves; ++k) {
                const double y = r.top() + r.height() * (waves == 2 ? 0.45 + 0.27 * k : 0.6);
                const double x0 = r.left() + r.width() * 0.2 + rng.uniform(-1, 1);
                const double x1 = r.right() - r.width() * 0.18;
                QPainterPath w;
                w.moveTo(x0, y);
                const double step = 4.0;
                bool up = true;
                for (double x = x0; x + step <= x1 + 0.01; x += step) {
                    w.quadTo(x + step / 2, y + (up ? -2.0 : 2.0), x + step, y);
                    up = !up;
                }
                p.setPen(QPen(QColor(0xe6, 0xf6, 0xff, 210), 1.2, Qt::SolidLine, Qt::RoundCap));
                p.drawPath(w);
            }
        }
        p.restore();
    }
    // No glow at the top-left, so the mini-map's corner of water stays
    // apart from sand's lighter blue.
    tileLight(p, QRectF(0, 0, 48, 48), 0, 60);
    return img;
}

QImage makeWall() {
    QImage img = newImage(48, 48, pal::purpInk);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(QRectF(1, 1, 46, 46), pal::purpDeep);

    // dense angular gravel
    Rng rng(0x6A7E1);
    const QColor shades[] = {pal::purpDark, pal::purpMid, QColor(0x5e, 0x40, 0x88), pal::purpMid,
                             QColor(0x44, 0x2a, 0x66)};
    for (int i = 0; i < 190; ++i) {
        const QPointF c(rng.uniform(2, 46), rng.uniform(2, 46));
        const int n = rng.range(3, 5);
        const double rad = rng.uniform(1.8, 3.6);
        const double a0 = rng.uniform(0, 2 * std::numbers::pi);
        QPolygonF poly;
        for (int k = 0; k < n; ++k) {
            const double a = a0 + k * 2 * std::numbers::pi / n + rng.uniform(-0.3, 0.3);
            const double rr = rad * rng.uniform(0.7, 1.15);
            poly << c + QPointF(std::cos(a) * rr, std::sin(a) * rr);
        }
        QColor col = shades[rng.range(0, 4)];
        const double lit = 1.0 - (c.x() + c.y()) / 96.0;
        col = mix(col, pal::purpLight, std::max(0.0, lit - 0.35) * 0.6);
        p.setPen(Qt::NoPen);
        p.setBrush(pal::purpInk);
        p.drawPolygon(poly.translated(0.8, 0.9));
        p.setBrush(col);
        p.drawPolygon(poly);
        // a chip of light on the top-left face of each stone
        QPointF best = poly[0];
        for (const QPointF& q : poly)
            if (q.x() + q.y() < best.x() + best.y()) best = q;
        p.setBrush(withAlpha(pal::purpPale, 200));
        p.drawEllipse((best + c) / 2, 0.8, 0.8);
    }
    // heavy bevelled frame: this block never moves
    bevel(p, QRectF(1, 1, 46, 46), 4, QColor(0x86, 0x66, 0xb4), QColor(0x1c, 0x0f, 0x2e));
    p.setPen(QPen(pal::purpInk, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(5.5, 5.5, 37, 37));
    p.setPen(QPen(withAlpha(pal::purpPale, 160), 1.0));
    p.drawLine(QPointF(1.5, 1.5), QPointF(46, 1.5));
    p.drawLine(QPointF(1.5, 1.5), QPointF(1.5, 46));
    // rivets in the corners of the frame
    for (QPointF r :
         {QPointF(3.5, 3.5), QPointF(44.5, 3.5), QPointF(3.5, 44.5), QPointF(44.5, 44.5)}) {
        p.setPen(Qt::NoPen);
        p.setBrush(pal::purpInk);
        p.drawEllipse(r + QPointF(0.4, 0.4), 1.7, 1.7);
        p.setBrush(pal::purpPale);
        p.drawEllipse(r, 1.3, 1.3);
    }
    return img;
}

QImage makeMagicIcon() {
    // a blue tile with a big bold bubble; it is shown at about 17 px
    QImage img = newImage(48, 48, pal::blueInk);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, true);
        QLinearGradient g(0, 0, 48, 48);
        g.setColorAt(0, QColor(0x3e, 0x7c, 0xd4));
        g.setColorAt(1, QColor(0x1c, 0x42, 0x86));
        p.fillRect(QRectF(1, 1, 46, 46), g);
        bevel(p, QRectF(1, 1, 46, 46), 2.5, withAlpha(pal::bluePale, 200),
              withAlpha(pal::blueInk, 200));
    }
    QImage bubble = newImage(48, 48, Qt::transparent);
    {
        QPainter p(&bubble);
        p.setRenderHint(QPainter::Antialiasing, true);
        drawBubble(p, QPointF(24, 23), 17.5, 1.0, 2.6, pal::blueInk);
    }
    {
        QPainter p(&img);
        p.drawImage(0, 1, bubble);
    }
    return img;
}

}  // namespace artgen
