// Stone and wood: the checkered tray and menu ground, the wooden plates and
// the picture buttons.

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "art.h"

namespace artgen {

// Stone squares for the tray and the menu background.
namespace {

struct StoneColors {
    QColor base, light, dark;
};
const StoneColors kBlueStone{QColor(0x34, 0x55, 0x8f), QColor(0x5c, 0x80, 0xbe),
                             QColor(0x1c, 0x30, 0x5c)};
const StoneColors kPurpleStone{QColor(0x4d, 0x39, 0x78), QColor(0x76, 0x62, 0xa8),
                               QColor(0x2a, 0x1d, 0x4a)};

void stoneSquare(QImage& img, const QRect& r, const StoneColors& sc, Rng& rng) {
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.fillRect(r, sc.base);
        p.setClipRect(r);
        // soft mottling
        for (int i = 0; i < 7; ++i) {
            const QPointF c(r.left() + rng.uniform(0, r.width()),
                            r.top() + rng.uniform(0, r.height()));
            const double rad = rng.uniform(4, r.width() * 0.3);
            QRadialGradient g(c, rad);
            const QColor tone = rng.uniform() < 0.5 ? sc.light : sc.dark;
            g.setColorAt(0, withAlpha(tone, 60));
            g.setColorAt(1, withAlpha(tone, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(c, rad, rad);
        }
    }
    // grain speckle
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const double u = rng.uniform();
            if (u < 0.06)
                img.setPixelColor(x, y, mix(img.pixelColor(x, y), sc.dark, 0.45));
            else if (u < 0.10)
                img.setPixelColor(x, y, mix(img.pixelColor(x, y), sc.light, 0.4));
        }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    const int s = r.width();
    // chiselled inner panel
    const QRect inner = r.adjusted(s / 6, s / 6, -s / 6, -s / 6);
    p.setPen(sc.dark);
    p.drawLine(inner.topLeft(), inner.topRight());
    p.drawLine(inner.topLeft(), inner.bottomLeft());
    p.setPen(sc.light);
    p.drawLine(inner.bottomLeft() + QPoint(1, 0), inner.bottomRight());
    p.drawLine(inner.topRight() + QPoint(0, 1), inner.bottomRight());
    p.setRenderHint(QPainter::Antialiasing, true);
    bevel(p, QRectF(r.left(), r.top(), r.width() - 1, r.height() - 1), 2.5, sc.light, sc.dark);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(withAlpha(pal::ink, 255));
    p.drawLine(r.topRight(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.setPen(mix(sc.light, Qt::white, 0.35));
    p.drawLine(r.topLeft(), r.topRight() - QPoint(1, 0));
    p.drawLine(r.topLeft(), r.bottomLeft() - QPoint(0, 1));
}

}  // namespace

void stoneChecker(QImage& img, int cell, std::uint64_t seed) {
    Rng rng(seed);
    for (int y = 0; y < img.height(); y += cell)
        for (int x = 0; x < img.width(); x += cell) {
            const bool blue = ((x / cell) + (y / cell)) % 2 == 0;
            stoneSquare(img, QRect(x, y, cell, cell), blue ? kBlueStone : kPurpleStone, rng);
        }
}

// ---------------------------------------------------------------------------
// Wood.

namespace {

void woodGrain(QPainter& p, const QRectF& r, Rng& rng) {
    p.save();
    p.setClipRect(r);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, pal::woodHi);
    g.setColorAt(0.18, pal::woodLight);
    g.setColorAt(1.0, mix(pal::woodMid, pal::woodLight, 0.3));
    p.fillRect(r, g);
    const int lines = std::max(3, int(r.height() / 3.2));
    for (int i = 0; i < lines; ++i) {
        const double y0 = r.top() + (i + 0.5) * r.height() / lines + rng.uniform(-0.8, 0.8);
        const double amp = rng.uniform(0.4, 1.4);
        const double freq = rng.uniform(0.03, 0.07);
        const double ph = rng.uniform(0, 6.28);
        QPainterPath path;
        path.moveTo(r.left(), y0 + amp * std::sin(ph + r.left() * freq));
        for (double x = r.left(); x <= r.right() + 2; x += 2)
            path.lineTo(x, y0 + amp * std::sin(ph + x * freq));
        const int a = rng.range(60, 120);
        p.setPen(QPen(withAlpha(pal::woodDark, a), rng.uniform(0.6, 1.1)));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    // a knot or two
    const int knots = r.width() > 100 ? 2 : 1;
    for (int k = 0; k < knots; ++k) {
        const QPointF c(r.left() + rng.uniform(0.15, 0.85) * r.width(),
                        r.top() + rng.uniform(0.3, 0.7) * r.height());
        p.setBrush(Qt::NoBrush);
        for (int ring = 3; ring >= 1; --ring) {
            p.setPen(QPen(withAlpha(pal::woodDark, 90 + ring * 20), 0.8));
            p.drawEllipse(c, ring * 2.2, ring * 0.9);
        }
        p.setBrush(withAlpha(pal::woodDark, 200));
        p.setPen(Qt::NoPen);
        p.drawEllipse(c, 1.4, 0.7);
    }
    p.restore();
}

void bolt(QPainter& p, QPointF c, double r) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(pal::woodInk, 200));
    p.drawEllipse(c + QPointF(0.6, 0.8), r + 0.4, r + 0.4);
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.35), r * 1.3);
    g.setColorAt(0.0, QColor(0xf2, 0xf0, 0xe6));
    g.setColorAt(0.5, pal::iron);
    g.setColorAt(1.0, pal::ironDark);
    p.setPen(QPen(pal::woodInk, 0.9));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(withAlpha(pal::ironDark, 220), 0.9));
    p.drawLine(c + QPointF(-r * 0.55, r * 0.55), c + QPointF(r * 0.55, -r * 0.55));
    p.restore();
}

// A framed plank board: outer dark line, bevelled frame with bolts, and a
// recessed panel of horizontal planks.

}  // namespace

void woodPlate(QImage& img, const QRect& r, std::uint64_t seed) {
    Rng rng(seed);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF outer(r);
    p.fillRect(outer, pal::woodInk);
    const QRectF frame = outer.adjusted(1, 1, -1, -1);
    // frame wood
    {
        QLinearGradient g(frame.topLeft(), frame.bottomLeft());
        g.setColorAt(0.0, pal::woodLight);
        g.setColorAt(1.0, pal::woodMid);
        p.fillRect(frame, g);
    }
    const double fw = 6.0;
    bevel(p, frame, 2.0, withAlpha(pal::woodHi, 230), withAlpha(pal::woodInk, 170));
    const QRectF panel = frame.adjusted(fw, fw, -fw, -fw);
    // planks
    const int planks = std::max(2, int(std::round(panel.height() / 17.0)));
    const double ph = panel.height() / planks;
    for (int i = 0; i < planks; ++i) {
        const QRectF pr(panel.left(), panel.top() + i * ph, panel.width(), ph);
        woodGrain(p, pr, rng);
        if (i > 0) {
            p.setPen(QPen(pal::woodInk, 1.0));
            p.drawLine(QPointF(pr.left(), std::round(pr.top()) + 0.5),
                       QPointF(pr.right(), std::round(pr.top()) + 0.5));
            p.setPen(QPen(withAlpha(pal::woodHi, 160), 1.0));
            p.drawLine(QPointF(pr.left(), std::round(pr.top()) + 1.5),
                       QPointF(pr.right(), std::round(pr.top()) + 1.5));
        }
    }
    // recess: the panel sits below the frame
    p.setPen(QPen(pal::woodInk, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(panel.adjusted(-0.5, -0.5, 0.5, 0.5));
    p.setPen(QPen(withAlpha(pal::woodInk, 110), 2.0));
    p.drawLine(panel.topLeft() + QPointF(1, 1), panel.topRight() + QPointF(0, 1));
    p.drawLine(panel.topLeft() + QPointF(1, 1), panel.bottomLeft() + QPointF(1, 0));
    p.setPen(QPen(withAlpha(pal::woodHi, 200), 1.0));
    p.drawLine(panel.bottomLeft() + QPointF(0, 1.5), panel.bottomRight() + QPointF(1, 1.5));
    p.drawLine(panel.topRight() + QPointF(1.5, 0), panel.bottomRight() + QPointF(1.5, 1));
    // bolts in the frame corners
    const double br = 2.3;
    const double o = 1 + fw / 2 + 0.5;
    for (QPointF c : {QPointF(outer.left() + o, outer.top() + o),
                      QPointF(outer.right() - o + 1, outer.top() + o),
                      QPointF(outer.left() + o, outer.bottom() - o + 1),
                      QPointF(outer.right() - o + 1, outer.bottom() - o + 1)})
        bolt(p, c, br);
}

QImage makePlate(const QString& title) {
    QImage img = newImage(144, 62, pal::woodInk);
    woodPlate(img, img.rect(), 0x57A6E);
    if (!title.isEmpty()) {
        QPainter p(&img);
        TextStyle st;
        st.pixelSize = 34;
        st.rim = 4.0;
        st.shadow = QPointF(1.5, 2.0);
        st.top = pal::titleTop;
        st.bottom = pal::titleBottom;
        st.letterSpacing = 0.5;
        drawTitleText(p, QRectF(0, 0, 144, 62).adjusted(0, 0, 0, -1), title, st);
    }
    return img;
}

QImage makeButton(const QString& label) {
    QImage img = newImage(144, 28, pal::ink);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF face(1, 1, 142, 26);
    QPainterPath path;
    path.addRoundedRect(face, 4.5, 4.5);
    {
        QLinearGradient g(face.topLeft(), face.bottomLeft());
        g.setColorAt(0.0, pal::woodHi);
        g.setColorAt(0.5, pal::woodLight);
        g.setColorAt(1.0, pal::woodMid);
        p.fillPath(path, g);
    }
    // faint grain
    p.save();
    p.setClipPath(path);
    Rng rng(0xB7700 + std::uint64_t(label.size()));
    for (int i = 0; i < 5; ++i) {
        const double y0 = 4 + i * 4.6 + rng.uniform(-0.6, 0.6);
        const double ph = rng.uniform(0, 6.28);
        QPainterPath gp;
        gp.moveTo(0, y0);
        for (double x = 0; x <= 146; x += 2) gp.lineTo(x, y0 + 0.8 * std::sin(ph + x * 0.05));
        p.setPen(QPen(withAlpha(pal::woodDark, 55), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawPath(gp);
    }
    p.restore();
    // raised edge: bright top/left, dark bottom/right
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(pal::woodInk, 170), 1.6));
    p.drawRoundedRect(face.adjusted(1.2, 1.2, -0.6, -0.6), 3.6, 3.6);
    p.setPen(QPen(withAlpha(QColor(0xff, 0xe6, 0xb8), 220), 1.4));
    p.drawRoundedRect(face.adjusted(0.9, 0.9, -1.9, -1.9), 3.6, 3.6);
    p.setPen(QPen(pal::ink, 1.2));
    p.drawRoundedRect(face.adjusted(-0.2, -0.2, 0.2, 0.2), 4.5, 4.5);
    // corner studs
    for (double x : {6.5, 137.5}) {
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(pal::woodInk, 180));
        p.drawEllipse(QPointF(x + 0.4, 14.4), 1.9, 1.9);
        p.setBrush(pal::gold);
        p.drawEllipse(QPointF(x, 14), 1.6, 1.6);
        p.setBrush(pal::cream);
        p.drawEllipse(QPointF(x - 0.5, 13.5), 0.6, 0.6);
    }
    TextStyle st;
    st.pixelSize = 17;
    st.rim = 3.0;
    st.shadow = QPointF(1.0, 1.0);
    st.top = QColor(0xff, 0xfb, 0xee);
    st.bottom = QColor(0xfb, 0xe1, 0x9a);
    drawTitleText(p, QRectF(0, 0, 144, 28), label, st);
    return img;
}

}  // namespace artgen
