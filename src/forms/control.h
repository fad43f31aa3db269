#pragma once

#include <cstdint>
#include <string>

namespace forms {

// A picture is named after the stock control it was drawn for; the front end
// looks the pixels up by that name, so the core never holds any.
struct Picture {
    std::string name;
    int width = 0;
    int height = 0;

    bool empty() const { return name.empty(); }
    bool operator==(const Picture&) const = default;
};

enum class Kind { Image, PictureBox, Label, TextBox, PictureButton };

// RGB as 0xRRGGBB.
using Color = std::uint32_t;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kBlack = 0x000000;

struct Control {
    Kind kind = Kind::Image;
    std::string name;
    int index = -1;  // position in its control array, -1 when not an array element

    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;

    Picture picture;
    bool Stretch = false;  // an image that scales its picture to its box

    std::string Caption;  // labels
    std::string Text;     // text boxes
    std::string FontName;
    float FontSize = 0;
    bool FontBold = false;
    Color BackColor = kWhite;
    Color ForeColor = kBlack;
    bool Enabled = true;

    // "Tile(5)" for an array element, "AnimeFrame" otherwise.
    std::string key() const;

    // Copies the picture of another control. Images that do not stretch take
    // the size of every non-empty picture they are given.
    void setPicture(const Control& source);
    void setPicture(const Picture& source);
};

}  // namespace forms
