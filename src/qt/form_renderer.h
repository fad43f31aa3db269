#pragma once

#include <QFont>
#include <QPainter>
#include <QRect>

#include "forms/control.h"
#include "forms/form.h"
#include "qt/picture_library.h"

namespace qtfront {

// The pixels a control covers. Drawing and hit-testing both go through this,
// so a press lands on exactly what the player sees there.
QRect pixelRect(const forms::Control& control);

// Point sizes are turned into pixels with the form's own twips per pixel, so
// the text fits the layout exactly whatever Qt thinks the screen's DPI is.
QFont controlFont(const forms::Control& control, float twipsPerPixel);

// Draws a whole form: its background, then every control bottom first.
// `pressed` is the picture button held down under the pointer, if any.
void paintForm(QPainter& painter, const forms::Form& form, PictureLibrary& pictures,
               const forms::Control* pressed = nullptr);

}  // namespace qtfront
