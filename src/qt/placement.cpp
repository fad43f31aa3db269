#include "qt/placement.h"

#include <algorithm>

namespace qtfront {

QPoint placeInside(const QRect& area, QSize outer, QPoint wanted) {
    auto fit = [](int want, int start, int span, int size) {
        return std::max(start, std::min(want, start + span - size));
    };
    return {fit(wanted.x(), area.x(), area.width(), outer.width()),
            fit(wanted.y(), area.y(), area.height(), outer.height())};
}

}  // namespace qtfront
