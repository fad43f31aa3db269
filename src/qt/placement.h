#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace qtfront {

// Where a window of this outer size goes when it would like to stand at
// `wanted`: wholly inside `area` where it fits there, and otherwise with its
// top-left corner, title bar and close control inside, never out of reach.
QPoint placeInside(const QRect& area, QSize outer, QPoint wanted);

}  // namespace qtfront
