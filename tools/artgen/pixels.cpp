// Colour and pixel tools shared by every family of pictures, and the title
// lettering of the plates and buttons.

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "art.h"

namespace artgen {

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

// ---------------------------------------------------------------------------
// Text: bundled Liberation Serif Bold, light face with a dark rim and a drop
// shadow, centred in a box.

namespace {

QString g_serif = QStringLiteral("Liberation Serif");

QFont serifBold(int pixelSize) {
    QFont f(g_serif);
    f.setPixelSize(pixelSize);
    f.setBold(true);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

}  // namespace

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

}  // namespace artgen
