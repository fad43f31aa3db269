#include "workshop/click_marker.h"

#include <QPainter>
#include <QVariantAnimation>
#include <QWidget>

namespace workshop {
namespace {

constexpr int kFadeMs = 600;
constexpr int kRingWidth = 4;
constexpr int kLeftButton = 1;
const QColor kLeftColour(40, 160, 255);
const QColor kRightColour(255, 110, 20);

class ClickMarker : public QWidget {
public:
    ClickMarker(QWidget* window, const QRect& cell, const QColor& colour)
        : QWidget(window), colour_(colour) {
        // Under the ring the board still takes the mouse.
        setAttribute(Qt::WA_TransparentForMouseEvents);
        // Inside the cell: a cell at the window's edge keeps its whole ring.
        setGeometry(cell);
        auto* fade = new QVariantAnimation(this);
        fade->setStartValue(1.0);
        fade->setEndValue(0.0);
        fade->setDuration(kFadeMs);
        connect(fade, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
            opacity_ = value.toReal();
            update();
        });
        connect(fade, &QVariantAnimation::finished, this, &QObject::deleteLater);
        show();
        raise();
        fade->start();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setOpacity(opacity_);
        painter.setPen(QPen(colour_, kRingWidth));
        const int inset = kRingWidth / 2 + 1;
        painter.drawEllipse(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }

private:
    QColor colour_;
    qreal opacity_ = 1.0;
};

}  // namespace

void markClick(QWidget* window, const QRect& cell, int button) {
    if (window == nullptr) return;
    // Owned by the window: it goes with it, or by itself once faded.
    new ClickMarker(window, cell, button == kLeftButton ? kLeftColour : kRightColour);
}

}  // namespace workshop
