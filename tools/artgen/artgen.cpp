// lumora-artgen: draws every picture Lumora ships, from scratch, with QPainter.
//
//   QT_QPA_PLATFORM=offscreen lumora-artgen <assets-dir>
//
// writes <assets-dir>/MainWindow/*.png, <assets-dir>/Menu/*.png and
// <assets-dir>/icon.png, then reads every file back and checks sizes,
// transparency and the pictures that must be byte-for-byte twins.
// All "randomness" comes from a fixed-seed generator, so two runs on the
// same Qt build produce identical files.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QRadialGradient>
#include <QRegion>
#include <QString>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <numbers>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// One palette for everything.  Light always comes from the top-left.
namespace pal {
const QColor ink(0x1f, 0x14, 0x28);  // outlines everywhere

const QColor leafInk(0x10, 0x2e, 0x1a);
const QColor leafDark(0x1d, 0x4a, 0x2a);
const QColor leafMid(0x35, 0x80, 0x3c);
const QColor leafLight(0x62, 0xb4, 0x50);
const QColor leafHi(0xae, 0xe6, 0x7c);

const QColor blueInk(0x0e, 0x22, 0x47);
const QColor blueDark(0x1f, 0x4a, 0x8c);
const QColor blueMid(0x3a, 0x74, 0xcc);
const QColor blueLight(0x72, 0xaa, 0xec);
const QColor bluePale(0xc2, 0xe2, 0xff);
const QColor blueWhite(0xee, 0xf8, 0xff);

const QColor purpInk(0x12, 0x09, 0x1f);
const QColor purpDeep(0x24, 0x15, 0x3a);
const QColor purpDark(0x35, 0x20, 0x52);
const QColor purpMid(0x4e, 0x32, 0x75);
const QColor purpLight(0x76, 0x58, 0xa6);
const QColor purpPale(0xa7, 0x8a, 0xd2);

const QColor woodInk(0x2b, 0x16, 0x0a);
const QColor woodDark(0x5c, 0x35, 0x19);
const QColor woodMid(0x8a, 0x55, 0x2a);
const QColor woodLight(0xb3, 0x78, 0x3e);
const QColor woodHi(0xdb, 0xa4, 0x64);

const QColor cream(0xff, 0xf3, 0xd0);
const QColor gold(0xf2, 0xc1, 0x4e);
const QColor goldDark(0xb0, 0x7d, 0x1e);
const QColor iron(0x9a, 0xa0, 0xb4);
const QColor ironDark(0x4a, 0x4c, 0x5e);

const QColor skin(0xf8, 0xd2, 0xac);
const QColor skinShade(0xdb, 0xa2, 0x7a);
const QColor blush(0xf2, 0x96, 0x96);
const QColor robe(0xd0, 0x45, 0x3a);
const QColor robeShade(0x93, 0x2a, 0x2e);
const QColor robeLight(0xee, 0x78, 0x58);
const QColor hat(0xb8, 0x36, 0x34);
const QColor hatShade(0x7e, 0x22, 0x2a);
const QColor hair(0xf3, 0xd2, 0x7a);
const QColor hairShade(0xc4, 0x96, 0x40);
const QColor tights(0x3b, 0x2b, 0x52);
const QColor tightsFar(0x2a, 0x1e, 0x3c);
const QColor boot(0x6e, 0x44, 0x26);
const QColor bootShade(0x45, 0x28, 0x16);
const QColor bootFar(0x4e, 0x30, 0x1b);
const QColor staff(0x8a, 0x58, 0x2c);
const QColor staffLight(0xbc, 0x84, 0x48);
const QColor orb(0x7f, 0xd4, 0xff);
const QColor orbDeep(0x3a, 0x8e, 0xe0);
const QColor eye(0x2a, 0x1a, 0x2e);
const QColor mouth(0x8e, 0x24, 0x30);
const QColor tear(0x8c, 0xd2, 0xff);
}  // namespace pal

// SplitMix64 - tiny, fixed-seed, identical on every platform.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    int range(int lo, int hi) { return lo + int(next() % std::uint64_t(hi - lo + 1)); }

private:
    std::uint64_t state_;
};

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QColor withAlpha(QColor c, int a) {
    c.setAlpha(a);
    return c;
}

QImage newImage(int w, int h, const QColor& fill) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

QImage newSprite() { return newImage(48, 48, Qt::transparent); }

// ---------------------------------------------------------------------------
// Text: bundled Liberation Serif Bold, light face with a dark rim and a drop
// shadow, centred in a box.
QString g_serif = QStringLiteral("Liberation Serif");

void loadFonts() {
    const char* paths[] = {
        "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf",
        "/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf",
    };
    for (const char* p : paths) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(p));
        if (id >= 0) {
            const QStringList fams = QFontDatabase::applicationFontFamilies(id);
            if (!fams.isEmpty()) {
                g_serif = fams.first();
                return;
            }
        }
    }
}

QFont serifBold(int pixelSize) {
    QFont f(g_serif);
    f.setPixelSize(pixelSize);
    f.setBold(true);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

struct TextStyle {
    int pixelSize = 17;
    double rim = 3.0;            // stroke width of the dark rim
    QPointF shadow{1.0, 1.5};    // drop shadow offset
    QColor top = pal::cream;     // face gradient, top ...
    QColor bottom = pal::cream;  // ... to bottom
    QColor rimColor = pal::woodInk;
    double letterSpacing = 0.0;
};

void drawTitleText(QPainter& p, const QRectF& box, const QString& text, const TextStyle& st) {
    QFont f = serifBold(st.pixelSize);
    if (st.letterSpacing != 0.0) f.setLetterSpacing(QFont::AbsoluteSpacing, st.letterSpacing);
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF br = path.boundingRect();
    // Centre on the ink, and snap to whole pixels so stems stay crisp.
    const double dx = std::round(box.center().x() - br.center().x());
    const double dy = std::round(box.center().y() - br.center().y());
    path.translate(dx, dy);

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    // shadow
    p.setPen(QPen(withAlpha(pal::ink, 150), st.rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(withAlpha(pal::ink, 150));
    p.drawPath(path.translated(st.shadow));
    // rim
    p.setPen(QPen(st.rimColor, st.rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(st.rimColor);
    p.drawPath(path);
    // face
    const QRectF pb = path.boundingRect();
    QLinearGradient g(pb.topLeft(), pb.bottomLeft());
    g.setColorAt(0.0, st.top);
    g.setColorAt(1.0, st.bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
    p.restore();
}

// ---------------------------------------------------------------------------
// Pixel helpers for the character sprites (drawn without anti-aliasing so
// they stay crisp at 48 px).

// Paint a 1-px outline around every opaque area of a layer.
void outlineLayer(QImage& layer, const QColor& color) {
    const QImage src = layer.copy();
    const int w = src.width(), h = src.height();
    auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && qAlpha(src.pixel(x, y)) > 0;
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (!opaque(x, y) &&
                (opaque(x - 1, y) || opaque(x + 1, y) || opaque(x, y - 1) || opaque(x, y + 1)))
                layer.setPixelColor(x, y, color);
}

void composite(QImage& dst, const QImage& src) {
    QPainter p(&dst);
    p.drawImage(0, 0, src);
}

// Re-colour a flat-filled layer: the first `lit` opaque columns of every row
// get `light`, the last `shade` columns get `dark` (only pixels that still
// carry `base`).
void sideShade(QImage& layer, const QColor& base, int lit, const QColor& light, int shade,
               const QColor& dark) {
    const QRgb b = base.rgba();
    for (int y = 0; y < layer.height(); ++y) {
        int lo = -1, hi = -1;
        for (int x = 0; x < layer.width(); ++x)
            if (qAlpha(layer.pixel(x, y)) > 0) {
                if (lo < 0) lo = x;
                hi = x;
            }
        if (lo < 0) continue;
        for (int x = lo; x <= hi; ++x) {
            if (layer.pixel(x, y) != b) continue;
            if (x < lo + lit)
                layer.setPixelColor(x, y, light);
            else if (x > hi - shade)
                layer.setPixelColor(x, y, dark);
        }
    }
}

void px(QImage& img, int x, int y, const QColor& c) {
    if (x >= 0 && y >= 0 && x < img.width() && y < img.height()) img.setPixelColor(x, y, c);
}

void hline(QImage& img, int x0, int x1, int y, const QColor& c) {
    for (int x = x0; x <= x1; ++x) px(img, x, y, c);
}

class PixelPainter : public QPainter {
public:
    explicit PixelPainter(QImage* img) : QPainter(img) {
        setRenderHint(QPainter::Antialiasing, false);
        setPen(Qt::NoPen);
    }
    void poly(std::initializer_list<QPoint> pts, const QColor& c) {
        setPen(Qt::NoPen);
        setBrush(c);
        drawPolygon(QPolygon(QList<QPoint>(pts)));
    }
    void ellipse(const QRect& r, const QColor& c) {
        setPen(Qt::NoPen);
        setBrush(c);
        drawEllipse(r);
    }
    void line(QPoint a, QPoint b, int width, const QColor& c) {
        setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        drawLine(a, b);
        setPen(Qt::NoPen);
    }
};

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

// ---------------------------------------------------------------------------
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
    {
        const QPointF hf =
            QPointF(s.staffFoot) + (QPointF(s.staffHead) - QPointF(s.staffFoot)) * s.handT;
        const QPoint hand(int(std::lround(hf.x())), int(std::lround(hf.y())));
        QImage l = newSprite();
        {
            PixelPainter p(&l);
            const QPoint shoulder(24, 30 + dy);
            const QPoint wrist = shoulder + (hand - shoulder) * 3 / 4;
            p.line(shoulder, wrist, 4, pal::robeLight);
            p.line(shoulder + QPoint(0, 1), wrist + QPoint(0, 1), 2, pal::robe);
            p.ellipse(QRect(hand.x() - 2, hand.y() - 2, 4, 4), pal::skin);
        }
        outlineLayer(l, pal::ink);
        composite(out, l);
    }
    return out;
}

// ---------------------------------------------------------------------------
// Front view, staff in the figure's left hand (picture right).
enum class Face { Plain, Cry, Smile };

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
    auto arm = [&](QPoint shoulder, QPoint hand) {
        QImage l = newSprite();
        {
            PixelPainter p(&l);
            const QPoint wrist = shoulder + (hand - shoulder) * 3 / 4;
            p.line(shoulder, wrist, 4, pal::robeLight);
            p.line(shoulder + QPoint(0, 1), wrist + QPoint(0, 1), 2, pal::robe);
            p.ellipse(QRect(hand.x() - 2, hand.y() - 2, 4, 4), pal::skin);
        }
        outlineLayer(l, pal::ink);
        composite(out, l);
    };
    arm(QPoint(19, 30), QPoint(15, 37));
    arm(QPoint(28, 30), QPoint(36, 33));

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

// ---------------------------------------------------------------------------
// Board cells.

QPainterPath leafPath(double len, double wid) {
    QPainterPath p;
    p.moveTo(-len / 2, 0);
    p.quadTo(0, -wid, len / 2, 0);
    p.quadTo(0, wid, -len / 2, 0);
    return p;
}

// Soft light from the top-left over a whole tile.
void tileLight(QPainter& p, const QRectF& r, int lightAlpha, int darkAlpha) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, QColor(255, 255, 255, lightAlpha));
    g.setColorAt(0.45, QColor(255, 255, 255, 0));
    g.setColorAt(0.55, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, QColor(0, 0, 0, darkAlpha));
    p.fillRect(r, g);
}

// Bevel: light strips along top/left, dark along bottom/right, mitred.
void bevel(QPainter& p, const QRectF& r, double w, const QColor& light, const QColor& dark) {
    const double l = r.left(), t = r.top(), rr = r.right(), b = r.bottom();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawPolygon(
        QPolygonF({QPointF(l, t), QPointF(rr, t), QPointF(rr - w, t + w), QPointF(l + w, t + w)}));
    p.drawPolygon(
        QPolygonF({QPointF(l, t), QPointF(l + w, t + w), QPointF(l + w, b - w), QPointF(l, b)}));
    p.setBrush(dark);
    p.drawPolygon(
        QPolygonF({QPointF(l, b), QPointF(l + w, b - w), QPointF(rr - w, b - w), QPointF(rr, b)}));
    p.drawPolygon(QPolygonF(
        {QPointF(rr, t), QPointF(rr, b), QPointF(rr - w, b - w), QPointF(rr - w, t + w)}));
    p.restore();
}

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
    tileLight(p, QRectF(0, 0, 48, 48), 70, 90);
    p.setClipping(false);
    // rim of the hedge cube
    p.setPen(QPen(withAlpha(pal::leafHi, 150), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.2, 2.2, 43.6, 43.6), 4, 4);
    p.setPen(QPen(pal::leafInk, 1.6));
    p.drawRoundedRect(QRectF(1.0, 1.0, 46, 46), 5, 5);
    return img;
}

QImage makeBubble(int size, const QColor& ground, bool groundShadow, double radius, double outlineW,
                  const QColor& outline) {
    QImage img = newImage(size, size, ground);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double s = size / 48.0;
    const QPointF c(24 * s, 23 * s);
    const double r = radius * s;
    if (groundShadow) {
        QRadialGradient sh(QPointF(c.x() + 2 * s, c.y() + r + 1 * s), r * 0.9);
        sh.setColorAt(0.0, QColor(0x9d, 0xb6, 0xd4, 150));
        sh.setColorAt(1.0, QColor(0x9d, 0xb6, 0xd4, 0));
        p.save();
        p.translate(0, 0);
        p.setPen(Qt::NoPen);
        p.setBrush(sh);
        p.drawEllipse(QPointF(c.x() + 2 * s, c.y() + r - 1 * s), r * 0.95, r * 0.3);
        p.restore();
    }
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
    return img;
}

QImage makeSand() {
    QImage img =
        makeBubble(48, QColor(0xfb, 0xfd, 0xff), true, 18.5, 1.6, QColor(0x3f, 0x78, 0xc0));
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
    tileLight(p, QRectF(0, 0, 48, 48), 40, 60);
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

// ---------------------------------------------------------------------------
// Stone squares for the tray and the menu background.
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
        st.top = QColor(0xff, 0xfb, 0xe8);
        st.bottom = QColor(0xf6, 0xcf, 0x78);
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
    QImage bubble = makeBubble(48, Qt::transparent, false, 17.5, 2.6, pal::blueInk);
    {
        QPainter p(&img);
        p.drawImage(0, 1, bubble);
    }
    return img;
}

// ---------------------------------------------------------------------------
// Menu background and program icon.

QImage makeMenuForm(const QImage& leftFigure, const QImage& rightFigure) {
    QImage img = newImage(288, 288, pal::ink);
    stoneChecker(img, 48, 0xF0A3);
    const QRect plate(6, 10, 276, 84);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawRoundedRect(QRectF(plate).translated(3, 4), 3, 3);
    }
    woodPlate(img, plate, 0xF0A4);
    QPainter p(&img);
    TextStyle st;
    st.pixelSize = 46;
    st.rim = 5.0;
    st.shadow = QPointF(2.0, 2.5);
    st.top = QColor(0xff, 0xfb, 0xe8);
    st.bottom = QColor(0xf6, 0xcf, 0x78);
    st.letterSpacing = 1.0;
    drawTitleText(p, QRectF(54, plate.top(), 180, plate.height()), QStringLiteral("Lumora"), st);
    // the little mage at each end of the plate, standing on its bottom rail
    p.drawImage(10, plate.bottom() - 9 - 47, leftFigure);
    p.drawImage(plate.right() - 10 - 47, plate.bottom() - 9 - 47, rightFigure);
    return img;
}

// The program icon is pixel art on a blue tile.  16, 24 and 32 pixels are
// drawn as they are; every bigger size is one of them enlarged by a whole
// factor, pixel for pixel, so no size is ever a blurred rescale.

// Clear pixels at the start of each top row; the other corners mirror it.
std::vector<int> iconCornerCut(int n) {
    if (n <= 16) return {2, 1};
    if (n <= 24) return {3, 1, 1};
    return {4, 2, 1, 1};
}

bool inIconTile(int n, int x, int y) {
    if (x < 0 || y < 0 || x >= n || y >= n) return false;
    const std::vector<int> cut = iconCornerCut(n);
    const int row = std::min(y, n - 1 - y);
    const int col = std::min(x, n - 1 - x);
    return row >= int(cut.size()) || col >= cut[size_t(row)];
}

bool onIconEdge(int n, int x, int y) {
    return inIconTile(n, x, y) && (!inIconTile(n, x - 1, y) || !inIconTile(n, x + 1, y) ||
                                   !inIconTile(n, x, y - 1) || !inIconTile(n, x, y + 1));
}

// The tile without its rim: lit from the top-left like every other picture.
QImage iconTile(int n) {
    QImage img = newImage(n, n, Qt::transparent);
    const QColor top(0x4e, 0x8c, 0xe0), bottom(0x1f, 0x46, 0x8c);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            if (!inIconTile(n, x, y) || onIconEdge(n, x, y)) continue;
            // quantised to a few bands so the enlarged sizes show clean steps
            const double t = std::floor((x + y) * 6.0 / (2 * n - 2)) / 6.0;
            QColor c = mix(top, bottom, t);
            if (onIconEdge(n, x - 1, y) || onIconEdge(n, x, y - 1))
                c = mix(c, pal::bluePale, 0.55);
            else if (onIconEdge(n, x + 1, y) || onIconEdge(n, x, y + 1))
                c = mix(c, pal::blueInk, 0.45);
            img.setPixelColor(x, y, c);
        }
    return img;
}

void iconRim(QImage& img) {
    const int n = img.width();
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (onIconEdge(n, x, y)) img.setPixelColor(x, y, pal::blueInk);
}

QColor iconInk(char ch) {
    static const std::pair<char, QColor> inks[] = {
        {'k', pal::ink},        {'H', pal::hat},       {'h', pal::hatShade}, {'g', pal::gold},
        {'G', pal::goldDark},   {'c', pal::cream},     {'y', pal::hair},     {'Y', pal::hairShade},
        {'s', pal::skin},       {'S', pal::skinShade}, {'p', pal::blush},    {'m', pal::mouth},
        {'e', pal::eye},        {'w', Qt::white},      {'r', pal::robe},     {'R', pal::robeShade},
        {'L', pal::robeLight},  {'o', pal::orb},       {'O', pal::orbDeep},  {'t', pal::staff},
        {'T', pal::staffLight},
    };
    for (const auto& [key, color] : inks)
        if (key == ch) return color;
    return QColor();
}

// A hand-placed face for the sizes too small to take the sprite's: one
// character per pixel, '-' lets the tile show.
QImage iconFromRows(const std::vector<const char*>& rows) {
    const int n = int(rows.size());
    QImage img = iconTile(n);
    for (int y = 0; y < n; ++y) {
        const QByteArray row(rows[size_t(y)]);
        if (row.size() != n) {
            std::fprintf(stderr, "artgen: icon row %d is %lld wide, wants %d\n", y,
                         static_cast<long long>(row.size()), n);
            std::abort();
        }
        for (int x = 0; x < n; ++x) {
            const QColor c = iconInk(row[x]);
            if (c.isValid() && inIconTile(n, x, y)) img.setPixelColor(x, y, c);
        }
    }
    iconRim(img);
    return img;
}

// clang-format off
QImage makeIcon16() {
    return iconFromRows({
        "----------------",
        "---kkk----------",
        "--kHHk----------",
        "---kHHHk--------",
        "---kHHgHHk------",
        "--kHHHHHhhk-----",
        "--kggggggGGk----",
        "-kHHHHHHHHHhhhk-",
        "--kyyyyyyyyyyk--",
        "--kyssssssssyk--",
        "--kysessssesyk--",
        "--kysessssesyk--",
        "--kYpssmmsspYk--",
        "---kSssssssSk---",
        "----krrccrrk----",
        "----------------",
    });
}

QImage makeIcon24() {
    return iconFromRows({
        "------------------------",
        "------------------------",
        "----kkk-------------kk--",
        "---kHHk------------kwok-",
        "----kHHk----------kwooOk",
        "----kHHHk---------kooOOk",
        "----kHHHgHk--------kOOk-",
        "---kHHHgcgHhk------kggk-",
        "---kHHHHgHHhhk-----kTtk-",
        "--kggggggggggGGk---kTtk-",
        "-kHHHHHHHHHHHHHHhhhhhhk-",
        "--khhhhhhhhhhhhhhhhkTtk-",
        "---kyyyyyyyyyyyyyk-kTtk-",
        "---kyyssysssyssyyk-kTtk-",
        "---kyssewsssewssyk-kTtk-",
        "---kysseessseessyk-kTtk-",
        "---kysssssssssssyk-kTtk-",
        "---kYppsssmsssppYk-kTtk-",
        "---kYSsssssssssSYk-kTtk-",
        "---kYkSsssssssSkYk-kTtk-",
        "---kLrkccccccckrRk-kTtk-",
        "--kLrrrrcccccrrrRRkkTtk-",
        "-kLrrrrrrrrrrrrrRRRkTtk-",
        "------------------------",
    });
}
// clang-format on

// The sprite's own head and hat, pixel for pixel.
QImage makeIcon32(const QImage& front) {
    QImage img = iconTile(32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QColor c = front.pixelColor(x + 8, y);
            if (c.alpha() == 255 && inIconTile(32, x, y)) img.setPixelColor(x, y, c);
        }
    iconRim(img);
    return img;
}

QString iconPath(int n) {
    return QStringLiteral("icons/hicolor/%1x%1/apps/io.github.lumora.Lumora.png").arg(n);
}

QImage enlarged(const QImage& img, int factor) {
    return img.scaled(img.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// ---------------------------------------------------------------------------
// Output and self-check.

struct Written {
    QString path;
    QSize size;
    bool transparent;
};

class Writer {
public:
    explicit Writer(QString root) : root_(std::move(root)) {}

    bool save(const QString& rel, const QImage& img, bool transparent) {
        const QString path = root_ + QLatin1Char('/') + rel;
        QDir().mkpath(QFileInfo(path).absolutePath());
        const QImage out =
            img.convertToFormat(transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        if (!out.save(path, "PNG")) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
            return false;
        }
        files_.push_back({path, img.size(), transparent});
        return true;
    }
    const std::vector<Written>& files() const { return files_; }
    QString path(const QString& rel) const { return root_ + QLatin1Char('/') + rel; }

private:
    QString root_;
    std::vector<Written> files_;
};

bool checkOutput(const Writer& w, const std::vector<std::pair<QString, QString>>& twins,
                 const std::vector<std::pair<QString, QSize>>& expected) {
    bool ok = true;
    auto fail = [&](const QString& msg) {
        std::fprintf(stderr, "artgen: check failed: %s\n", qPrintable(msg));
        ok = false;
    };
    for (const auto& [rel, size] : expected) {
        QImage img(w.path(rel));
        if (img.isNull())
            fail(rel + QStringLiteral(" missing or unreadable"));
        else if (img.size() != size)
            fail(QStringLiteral("%1 is %2x%3, wants %4x%5")
                     .arg(rel)
                     .arg(img.width())
                     .arg(img.height())
                     .arg(size.width())
                     .arg(size.height()));
    }
    for (const Written& f : w.files()) {
        const QImage img = QImage(f.path).convertToFormat(QImage::Format_ARGB32);
        int clear = 0, solid = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const int a = qAlpha(img.pixel(x, y));
                clear += a == 0;
                solid += a == 255;
            }
        const int total = img.width() * img.height();
        if (f.transparent) {
            // a sprite: clear corners, a real figure in the middle
            if (qAlpha(img.pixel(0, 0)) != 0 || qAlpha(img.pixel(img.width() - 1, 0)) != 0)
                fail(f.path + QStringLiteral(" should have a transparent background"));
            if (solid < total / 6) fail(f.path + QStringLiteral(" has almost nothing drawn"));
        } else if (solid != total) {
            fail(f.path + QStringLiteral(" should be fully opaque"));
        }
    }
    for (const auto& [a, b] : twins) {
        QFile fa(w.path(a)), fb(w.path(b));
        if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) ||
            fa.readAll() != fb.readAll())
            fail(a + QStringLiteral(" and ") + b + QStringLiteral(" must be identical"));
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <assets-dir>\n", argv[0]);
        return 2;
    }
    loadFonts();
    Writer w(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    const QString mw = QStringLiteral("MainWindow/");
    const QString mn = QStringLiteral("Menu/");

    // ---- character -------------------------------------------------------
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

    const QImage rWalk[3] = {drawSide(walkA), drawSide(stand), drawSide(walkB)};
    const QImage rJump[5] = {rWalk[1], drawSide(crouch), drawSide(air), drawSide(air),
                             drawSide(land)};
    for (int i = 0; i < 3; ++i) {
        ok &= w.save(mw + QStringLiteral("RightWalk_%1.png").arg(i), rWalk[i], true);
        ok &= w.save(mw + QStringLiteral("LeftWalk_%1.png").arg(i), rWalk[i].mirrored(true, false),
                     true);
    }
    for (int i = 0; i < 5; ++i) {
        ok &= w.save(mw + QStringLiteral("RightJump_%1.png").arg(i), rJump[i], true);
        ok &= w.save(mw + QStringLiteral("LeftJump_%1.png").arg(i), rJump[i].mirrored(true, false),
                     true);
    }
    const QImage plain = drawFront(Face::Plain);
    const QImage cry = drawFront(Face::Cry);
    const QImage smile = drawFront(Face::Smile);
    ok &= w.save(mw + QStringLiteral("RightNaku_0.png"), plain, true);
    ok &= w.save(mw + QStringLiteral("RightNaku_1.png"), cry, true);
    ok &= w.save(mw + QStringLiteral("RightNiko_0.png"), plain, true);
    ok &= w.save(mw + QStringLiteral("RightNiko_1.png"), smile, true);
    ok &= w.save(mw + QStringLiteral("LeftNaku_0.png"), plain.mirrored(true, false), true);
    ok &= w.save(mw + QStringLiteral("LeftNaku_1.png"), cry.mirrored(true, false), true);
    ok &= w.save(mw + QStringLiteral("LeftNiko_0.png"), plain.mirrored(true, false), true);
    ok &= w.save(mw + QStringLiteral("LeftNiko_1.png"), smile.mirrored(true, false), true);

    // ---- board cells and tray --------------------------------------------
    const QImage block = makeBlock();
    const QImage water = makeWater();
    ok &= w.save(mw + QStringLiteral("Block.png"), block, false);
    ok &= w.save(mw + QStringLiteral("Green.png"), block, false);
    ok &= w.save(mw + QStringLiteral("Sand.png"), makeSand(), false);
    ok &= w.save(mw + QStringLiteral("Water.png"), water, false);
    ok &= w.save(mw + QStringLiteral("Stone.png"), water, false);
    ok &= w.save(mw + QStringLiteral("Wall.png"), makeWall(), false);
    ok &= w.save(mw + QStringLiteral("Image1.png"), makeMagicIcon(), false);

    QImage tray = newImage(144, 432, pal::ink);
    stoneChecker(tray, 48, 0x7EA1);
    ok &= w.save(mw + QStringLiteral("ButtonTray.png"), tray, false);
    const QImage plate = makePlate(QString());
    ok &= w.save(mw + QStringLiteral("Batti.png"), makePlate(QStringLiteral("Lumora")), false);
    ok &= w.save(mw + QStringLiteral("Stage.png"), plate, false);
    ok &= w.save(mw + QStringLiteral("MoriCount.png"), plate, false);

    const QImage tryAgain = makeButton(QStringLiteral("Try Again"));
    const QImage exitButton = makeButton(QStringLiteral("Exit"));
    ok &= w.save(mw + QStringLiteral("Command1.png"), tryAgain, false);
    ok &= w.save(mw + QStringLiteral("Command3.png"), exitButton, false);

    // ---- menu ------------------------------------------------------------
    ok &= w.save(mn + QStringLiteral("Form.png"), makeMenuForm(smile.mirrored(true, false), smile),
                 false);
    ok &= w.save(mn + QStringLiteral("Command1.png"), makeButton(QStringLiteral("Start")), false);
    ok &= w.save(mn + QStringLiteral("Command2.png"), makeButton(QStringLiteral("Load")), false);
    ok &= w.save(mn + QStringLiteral("Command3.png"), exitButton, false);
    ok &= w.save(mn + QStringLiteral("Command4.png"), makeButton(QStringLiteral("Stage Clear")),
                 false);
    ok &= w.save(mn + QStringLiteral("Command5.png"), tryAgain, false);

    // Every size of the program icon, each drawn at 16, 24 or 32 pixels.
    const QImage icon16 = makeIcon16(), icon24 = makeIcon24(), icon32 = makeIcon32(plain);
    const std::pair<const QImage*, int> iconSizes[] = {{&icon16, 1}, {&icon24, 1}, {&icon32, 1},
                                                       {&icon24, 2}, {&icon32, 2}, {&icon32, 4},
                                                       {&icon32, 8}};
    for (const auto& [source, factor] : iconSizes)
        ok &= w.save(iconPath(source->width() * factor), enlarged(*source, factor), true);
    ok &= w.save(QStringLiteral("icon.png"), icon32, true);

    if (!ok) return 1;

    // ---- read everything back ---------------------------------------------
    std::vector<std::pair<QString, QSize>> expected;
    const QSize cell(48, 48), button(144, 28), plateSize(144, 62);
    for (const char* n : {"Block", "Sand", "Water", "Wall", "Image1", "Stone", "Green"})
        expected.push_back({mw + QLatin1String(n) + QStringLiteral(".png"), cell});
    for (const char* side : {"Left", "Right"}) {
        const QString s = QLatin1String(side);
        for (int i = 0; i < 3; ++i)
            expected.push_back({mw + s + QStringLiteral("Walk_%1.png").arg(i), cell});
        for (int i = 0; i < 5; ++i)
            expected.push_back({mw + s + QStringLiteral("Jump_%1.png").arg(i), cell});
        for (int i = 0; i < 2; ++i) {
            expected.push_back({mw + s + QStringLiteral("Naku_%1.png").arg(i), cell});
            expected.push_back({mw + s + QStringLiteral("Niko_%1.png").arg(i), cell});
        }
    }
    expected.push_back({mw + QStringLiteral("ButtonTray.png"), QSize(144, 432)});
    for (const char* n : {"Batti", "Stage", "MoriCount"})
        expected.push_back({mw + QLatin1String(n) + QStringLiteral(".png"), plateSize});
    expected.push_back({mw + QStringLiteral("Command1.png"), button});
    expected.push_back({mw + QStringLiteral("Command3.png"), button});
    expected.push_back({mn + QStringLiteral("Form.png"), QSize(288, 288)});
    for (int i = 1; i <= 5; ++i)
        expected.push_back({mn + QStringLiteral("Command%1.png").arg(i), button});
    expected.push_back({QStringLiteral("icon.png"), QSize(32, 32)});
    for (int n : {16, 24, 32, 48, 64, 128, 256}) expected.push_back({iconPath(n), QSize(n, n)});

    const std::vector<std::pair<QString, QString>> twins = {
        {mw + QStringLiteral("LeftJump_0.png"), mw + QStringLiteral("LeftWalk_1.png")},
        {mw + QStringLiteral("RightJump_0.png"), mw + QStringLiteral("RightWalk_1.png")},
        {mw + QStringLiteral("LeftJump_2.png"), mw + QStringLiteral("LeftJump_3.png")},
        {mw + QStringLiteral("RightJump_2.png"), mw + QStringLiteral("RightJump_3.png")},
        {mw + QStringLiteral("LeftNiko_0.png"), mw + QStringLiteral("LeftNaku_0.png")},
        {mw + QStringLiteral("RightNiko_0.png"), mw + QStringLiteral("RightNaku_0.png")},
        {mw + QStringLiteral("MoriCount.png"), mw + QStringLiteral("Stage.png")},
        {mw + QStringLiteral("Stone.png"), mw + QStringLiteral("Water.png")},
        {mw + QStringLiteral("Green.png"), mw + QStringLiteral("Block.png")},
        {mn + QStringLiteral("Command3.png"), mw + QStringLiteral("Command3.png")},
        {mn + QStringLiteral("Command5.png"), mw + QStringLiteral("Command1.png")},
        {QStringLiteral("icon.png"), iconPath(32)},
    };
    if (!checkOutput(w, twins, expected)) return 1;
    std::printf("artgen: wrote %zu pictures to %s\n", w.files().size(), argv[1]);
    return 0;
}
