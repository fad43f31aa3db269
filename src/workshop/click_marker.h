#pragma once

#include <QRect>

class QWidget;

namespace workshop {

// Rings the cell of a window where a shown click lands, left and right
// clicks in colours of their own; the ring fades and goes by itself.
void markClick(QWidget* window, const QRect& cell, int button);

}  // namespace workshop
