#pragma once

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <QStaticText>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "forms/control.h"
#include "forms/form.h"
#include "qt/picture_library.h"

namespace qtfront {

// The pixels a control covers. Drawing, hit-testing and damage all go through
// the same rounding, so a press lands on exactly what the player sees there.
QRect pixelRect(const forms::Control& control);
QRect toQRect(const forms::Rect& rect);

// Point sizes are turned into pixels with the form's own twips per pixel, so
// the text fits the layout exactly whatever Qt thinks the screen's DPI is.
QFont controlFont(const forms::Control& control, float twipsPerPixel);

// Draws one form's window. Only what meets the exposed region is drawn, and
// nothing that lies outside the window; a picture is decoded the first time it
// is drawn. Fonts and laid-out texts are kept from one paint to the next.
class FormRenderer {
public:
    explicit FormRenderer(PictureLibrary& pictures) : pictures_(pictures) {}

    // `pressed` is the picture button held down under the pointer, if any.
    void paint(QPainter& painter, const forms::Form& form, const QRegion& exposed,
               const forms::Control* pressed = nullptr);

private:
    struct Text {
        std::string source;
        const QFont* font = nullptr;
        int width = -1;
        QStaticText laidOut;
    };
    // What one control was last drawn with.
    struct Slot {
        bool pictureKnown = false;
        std::string pictureName;
        const QPixmap* pixmap = nullptr;
        Text text;
    };
    Slot& slot(std::size_t index);
    const QPixmap* picture(std::size_t slot, const std::string& form, const std::string& name);
    const QFont& font(const forms::Control& control, float twipsPerPixel);
    const QStaticText& text(std::size_t slot, const forms::Control& control,
                            const std::string& source, int width, float twipsPerPixel);
    void drawLabel(QPainter& p, std::size_t slot, const forms::Control& c, const QRect& r,
                   float twipsPerPixel);
    void drawTextBox(QPainter& p, std::size_t slot, const forms::Control& c, const QRect& r,
                     float twipsPerPixel);

    PictureLibrary& pictures_;
    std::map<std::tuple<std::string, int, bool>, QFont> fonts_;
    std::vector<Slot> slots_;  // by the control's place in its form
};

}  // namespace qtfront
