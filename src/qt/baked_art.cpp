#include "qt/baked_art.h"

#include <algorithm>

namespace qtfront::baked_art {

const Picture* find(std::string_view name) {
    const Picture* end = kPictures + kPictureCount;
    const Picture* it = std::lower_bound(
        kPictures, end, name, [](const Picture& p, std::string_view n) { return p.name < n; });
    return it != end && it->name == name ? it : nullptr;
}

}  // namespace qtfront::baked_art
