#include "qt/form_renderer.h"

#include <QColor>
#include <algorithm>
#include <cmath>

#include "forms/damage.h"
#include "qt/languages.h"

namespace qtfront {
namespace {

QColor color(forms::Color rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

// Every control keeps inside its own bounds, so repainting a changed control's
// bounds repaints all of it.
void drawImage(QPainter& p, const forms::Control& c, const QRect& r, const QPixmap* pixmap) {
    if (pixmap == nullptr) return;  // an empty image lets the window show through
    if (c.Stretch) {
        // The tray's icons shrink 48-pixel pictures to 17: smooth, or they break up.
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(r, *pixmap);
        p.restore();
    } else {
        const QRect part(0, 0, std::min(r.width(), pixmap->width()),
                         std::min(r.height(), pixmap->height()));
        p.drawPixmap(r.topLeft(), *pixmap, part);
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
        p.setClipRect(r, Qt::IntersectClip);
        p.drawPixmap(r.topLeft(), *pixmap);
        p.restore();
    }
    // The edge is drawn over the picture, so the picture still starts at the
    // box's corner; on the mini-map it parts the cells from one another.
    drawSunkenFrame(p, r);
}

void drawButton(QPainter& p, const QRect& r, const QPixmap* pixmap, bool pressed) {
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
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

QRect toQRect(const forms::Rect& r) { return QRect(r.x, r.y, r.width, r.height); }

QRect pixelRect(const forms::Control& c) { return toQRect(forms::pixelBounds(c)); }

QFont controlFont(const forms::Control& c, float twipsPerPixel) {
    QFont font(QString::fromStdString(c.FontName));
    const float pixels = c.FontSize * 20.0f / (twipsPerPixel > 0 ? twipsPerPixel : 15.0f);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setBold(c.FontBold);
    return font;
}

const QFont& FormRenderer::font(const forms::Control& c, float twipsPerPixel) {
    const QFont made = controlFont(c, twipsPerPixel);
    auto key = std::make_tuple(c.FontName, made.pixelSize(), c.FontBold);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) it = fonts_.emplace(std::move(key), made).first;
    return it->second;
}

FormRenderer::Slot& FormRenderer::slot(std::size_t index) {
    if (slots_.size() <= index) slots_.resize(index + 1);
    return slots_[index];
}

// The library is asked again only when the control's picture changes.
const QPixmap* FormRenderer::picture(std::size_t index, const std::string& form,
                                     const std::string& name) {
    Slot& s = slot(index);
    if (!s.pictureKnown || s.pictureName != name) {
        s.pixmap = pictures_.find(form, name);
        s.pictureName = name;
        s.pictureKnown = true;
    }
    return s.pixmap;
}

// A text is laid out again only when its words, font or width change.
const QStaticText& FormRenderer::text(std::size_t slot, const forms::Control& c,
                                      const std::string& source, int width, float twipsPerPixel) {
    Text& t = this->slot(slot).text;
    const QFont& f = font(c, twipsPerPixel);
    if (t.font != &f || t.width != width || t.source != source) {
        t.source = source;
        t.font = &f;
        t.width = width;
        t.laidOut = QStaticText(QString::fromStdString(source));
        t.laidOut.setTextFormat(Qt::PlainText);
        if (width >= 0) t.laidOut.setTextWidth(width);
        t.laidOut.prepare(QTransform(), f);
    }
    return t.laidOut;
}

void FormRenderer::drawLabel(QPainter& p, std::size_t slot, const forms::Control& c, const QRect& r,
                             float twipsPerPixel) {
    const QStaticText& laidOut = text(slot, c, gameText(c.Caption), r.width(), twipsPerPixel);
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    p.setFont(*slots_[slot].text.font);
    p.setPen(color(c.ForeColor));
    p.drawStaticText(r.topLeft(), laidOut);
    p.restore();
}

void FormRenderer::drawTextBox(QPainter& p, std::size_t slot, const forms::Control& c,
                               const QRect& r, float twipsPerPixel) {
    p.fillRect(r, color(c.BackColor));
    drawSunkenFrame(p, r);
    const QRect inner = r.adjusted(3, 1, -1, -1);
    // One line, however long: the box cuts it off at its edge.
    const QStaticText& laidOut = text(slot, c, c.Text, -1, twipsPerPixel);
    p.save();
    p.setClipRect(inner, Qt::IntersectClip);
    p.setFont(*slots_[slot].text.font);
    p.setPen(c.Enabled ? color(c.ForeColor) : QColor(0x80, 0x80, 0x80));
    p.drawStaticText(inner.topLeft(), laidOut);
    p.restore();
}

void FormRenderer::paint(QPainter& p, const forms::Form& form, const QRegion& exposed,
                         const forms::Control* pressed) {
    const std::string& formName = form.name();
    const QRect window(0, 0, form.clientWidth(), form.clientHeight());
    const QPixmap* back = pictures_.find(formName, form.picture.name);
    for (const QRect& r : exposed) {
        p.fillRect(r, color(form.BackColor));
        if (back != nullptr) p.drawPixmap(r.topLeft(), *back, r);
    }

    // Parked stock pictures and the hidden text boxes lie outside the window:
    // never drawn, never decoded.
    const QRect area = exposed.boundingRect() & window;
    const float left = static_cast<float>(area.left() - 1),
                right = static_cast<float>(area.right() + 1);
    const float top = static_cast<float>(area.top() - 1),
                bottom = static_cast<float>(area.bottom() + 1);
    std::size_t i = 0;
    for (auto it = form.controls().begin(); it != form.controls().end(); ++it, ++i) {
        const forms::Control& c = *it;
        // Most controls lie well away from a small exposed area: passed over
        // before their edges are rounded.
        if (c.Left > right || c.Top > bottom || c.Left + c.Width < left || c.Top + c.Height < top)
            continue;
        const QRect r = pixelRect(c);
        if (!r.intersects(area) || !exposed.intersects(r)) continue;
        switch (c.kind) {
            case forms::Kind::Image:
                drawImage(p, c, r, picture(i, formName, c.picture.name));
                break;
            case forms::Kind::PictureBox:
                drawPictureBox(p, c, r, picture(i, formName, c.picture.name));
                break;
            case forms::Kind::Label:
                drawLabel(p, i, c, r, form.twipsPerPixel());
                break;
            case forms::Kind::TextBox:
                drawTextBox(p, i, c, r, form.twipsPerPixel());
                break;
            case forms::Kind::PictureButton:
                drawButton(p, r, picture(i, formName, c.picture.name), &c == pressed);
                break;
        }
    }
}

}  // namespace qtfront
