// What the families of pictures share: the pixel and colour tools, the title
// lettering, and one entry point per family.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QString>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include "palette.h"

namespace artgen {

// ---- colour and pixel tools (pixels.cpp) ----------------------------------
QColor mix(const QColor& a, const QColor& b, double t);
QColor withAlpha(QColor c, int a);
QImage newImage(int w, int h, const QColor& fill);
QImage newSprite();

void outlineLayer(QImage& layer, const QColor& color);
void composite(QImage& dst, const QImage& src);
void sideShade(QImage& layer, const QColor& base, int lit, const QColor& light, int shade,
               const QColor& dark);
void px(QImage& img, int x, int y, const QColor& c);
void hline(QImage& img, int x0, int x1, int y, const QColor& c);
void tileLight(QPainter& p, const QRectF& r, int lightAlpha, int darkAlpha);
void bevel(QPainter& p, const QRectF& r, double w, const QColor& light, const QColor& dark);

// Hard-edged shapes for the character sprites, so they stay crisp at 48 px.
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

// ---- title lettering (pixels.cpp) -----------------------------------------
struct TextStyle {
    int pixelSize = 17;
    double rim = 3.0;            // stroke width of the dark rim
    QPointF shadow{1.0, 1.5};    // drop shadow offset
    QColor top = pal::cream;     // face gradient, top ...
    QColor bottom = pal::cream;  // ... to bottom
    QColor rimColor = pal::woodInk;
    double letterSpacing = 0.0;
};

void loadFonts();
void drawTitleText(QPainter& p, const QRectF& box, const QString& text, const TextStyle& st);

// ---- the character (character_side.cpp, character_front.cpp) --------------
QImage staffLayer(QPoint foot, QPoint head);
QImage bootLayer(QPoint ankle, bool far, bool sideView);
QImage legLayer(QPoint hip, QPoint knee, QPoint ankle, bool far);
QImage armLayer(QPoint shoulder, QPoint hand);

// Facing right; the left-facing frames are their mirror images.
struct SideFrames {
    QImage walk[3];  // 1 is the standing pose
    QImage jump[5];  // 0 = stand, 1 crouch, 2 = 3 top of the jump, 4 landing
};
SideFrames drawSideFrames();

enum class Face { Plain, Cry, Smile };
QImage drawFront(Face face);

// ---- board cells and the magic counter (cells.cpp) ------------------------
QImage makeBlock();
QImage makeSand();
QImage makeWater();
QImage makeWall();
QImage makeMagicIcon();

// ---- stone and wood (plates.cpp) ------------------------------------------
void stoneChecker(QImage& img, int cell, std::uint64_t seed);
void woodPlate(QImage& img, const QRect& r, std::uint64_t seed);
QImage makePlate(const QString& title);
QImage makeButton(const QString& label);

// ---- the menu and the program icon (menu_icons.cpp) -----------------------
QImage makeMenuForm(const QImage& leftFigure, const QImage& rightFigure);
QImage makeIcon16();
QImage makeIcon24();
QImage makeIcon32(const QImage& front);
QString iconPath(int n, const QString& app = QStringLiteral("Lumora"));
QImage makeWorkshopIcon(const QImage& gameIcon);
QString packIconPath(int n);
QImage makePackIcon(const QImage& gameIcon);
QImage enlarged(const QImage& img, int factor);

// ---- output and self-check (writer.cpp) -----------------------------------
struct Written {
    QString path;
    QSize size;
    bool transparent;
};

class Writer {
public:
    explicit Writer(QString root) : root_(std::move(root)) {}
    bool save(const QString& rel, const QImage& img, bool transparent);
    const std::vector<Written>& files() const { return files_; }
    QString path(const QString& rel) const { return root_ + QLatin1Char('/') + rel; }

private:
    QString root_;
    std::vector<Written> files_;
};

bool checkOutput(const Writer& w, const std::vector<std::pair<QString, QString>>& twins,
                 const std::vector<std::pair<QString, QSize>>& expected);

}  // namespace artgen
