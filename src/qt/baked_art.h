#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The artwork as the pixels a painted picture holds, written into the program
// at build time from the PNGs under assets/ (see art_baker.cpp).
namespace qtfront::baked_art {

struct Picture {
    const char* name;  // "Menu/Form", "MainWindow/LeftWalk_1", "icon/16"
    int width;
    int height;
    // Premultiplied ARGB when some pixel lets the window through, else opaque RGB.
    bool seeThrough;
    const std::uint32_t* pixels;  // width * height, rows without padding
};

// Sorted by name.
extern const Picture kPictures[];
extern const std::size_t kPictureCount;

// Null when the program carries no such picture.
const Picture* find(std::string_view name);

}  // namespace qtfront::baked_art
