#include "qt/form_renderer.h"

#include <QColor>
#include <algorithm>
#include <cmath>

namespace qtfront {
namespace {

QColor color(forms::Color rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

void drawImage(QPainter& p, const forms::Control& c, const QRect& r, const QPixmap* pixmap) {
    if (pixmap == nullptr) return;  // an empty image lets the window show through
    if (c.Stretch) {
        // The tray's icons shrink 48-pixel pictures to 17: smooth, or they break up.
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(r, *pixmap);
        p.restore();
    } else {
        p.drawPixmap(r.topLeft(), *pixmap);
    }
}

// Dark above and left, light below and right: the classic sunken edge.
void drawSunkenFrame(QPainter& p, const QRect& r) {
    if (r.width() <= 0 || r.height() <= 0) return;
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(0xE3, 0xE3, 0xE3));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void drawPictureBox(QPainter& p, const forms::Control& c, const QRect& r, const QPixmap* pixmap) {
    p.fillRect(r, color(c.BackColor));
    if (pixmap != nullptr) {
        p.save();
        p.setClipRect(r);
        p.drawPixmap(r.topLeft(), *pixmap);
        p.restore();
    }
    // The edge is drawn over the picture, so the picture still starts at the
    // box's corner; on the mini-map it parts the cells from one another.
    drawSunkenFrame(p, r);
}

void drawLabel(QPainter& p, const forms::Control& c, const QRect& r, float twipsPerPixel) {
    p.save();
    p.setClipRect(r);
    p.setFont(controlFont(c, twipsPerPixel));
    p.setPen(color(c.ForeColor));
    p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QString::fromStdString(c.Caption));
    p.restore();
}

void drawTextBox(QPainter& p, const forms::Control& c, const QRect& r, float twipsPerPixel) {
    p.fillRect(r, color(c.BackColor));
    drawSunkenFrame(p, r);
    QRect inner = r.adjusted(3, 1, -1, -1);
    p.save();
    p.setClipRect(inner);
    p.setFont(controlFont(c, twipsPerPixel));
    p.setPen(c.Enabled ? color(c.ForeColor) : QColor(0x80, 0x80, 0x80));
    p.drawText(inner, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
               QString::fromStdString(c.Text));
    p.restore();
}

void drawButton(QPainter& p, const QRect& r, const QPixmap* pixmap, bool pressed) {
    p.save();
    p.setClipRect(r);
    if (pixmap == nullptr) {
        p.fillRect(r, QColor(0xF0, 0xF0, 0xF0));
    } else {
        // The face is the picture, centred as on a graphical push button; held
        // down it sinks by a pixel.
        QPoint at = r.topLeft() +
                    QPoint((r.width() - pixmap->width()) / 2, (r.height() - pixmap->height()) / 2);
        if (pressed) at += QPoint(1, 1);
        p.drawPixmap(at, *pixmap);
    }
    if (pressed) {
        p.fillRect(r, QColor(0, 0, 0, 48));
        p.setPen(QColor(0x40, 0x40, 0x40));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
    }
    p.restore();
}

}  // namespace

QRect pixelRect(const forms::Control& c) {
    // Edges are rounded rather than sizes, so controls that abut in fractional
    // pixels still abut on the screen.
    const long x0 = std::lround(c.Left), y0 = std::lround(c.Top);
    const long x1 = std::lround(c.Left + c.Width), y1 = std::lround(c.Top + c.Height);
    return QRect(static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0),
                 static_cast<int>(y1 - y0));
}

QFont controlFont(const forms::Control& c, float twipsPerPixel) {
    QFont font(QString::fromStdString(c.FontName));
    const float pixels = c.FontSize * 20.0f / (twipsPerPixel > 0 ? twipsPerPixel : 15.0f);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setBold(c.FontBold);
    return font;
}

void paintForm(QPainter& p, const forms::Form& form, PictureLibrary& pictures,
               const forms::Control* pressed) {
    const std::string& formName = form.name();
    p.fillRect(p.window(), color(form.BackColor));
    if (const QPixmap* back = pictures.find(formName, form.picture.name)) p.drawPixmap(0, 0, *back);

    for (const forms::Control& c : form.controls()) {
        const QRect r = pixelRect(c);
        const QPixmap* pixmap = pictures.find(formName, c.picture.name);
        switch (c.kind) {
            case forms::Kind::Image:
                drawImage(p, c, r, pixmap);
                break;
            case forms::Kind::PictureBox:
                drawPictureBox(p, c, r, pixmap);
                break;
            case forms::Kind::Label:
                drawLabel(p, c, r, form.twipsPerPixel());
                break;
            case forms::Kind::TextBox:
                drawTextBox(p, c, r, form.twipsPerPixel());
                break;
            case forms::Kind::PictureButton:
                drawButton(p, r, pixmap, &c == pressed);
                break;
        }
    }
}

}  // namespace qtfront
