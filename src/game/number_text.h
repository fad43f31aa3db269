#pragma once

#include <cstdint>
#include <string_view>
#include <variant>

namespace game {

enum class NumberError { NotANumber, OutOfRange };

// Reads a decimal number as the stage files write them: blanks around it, an
// optional sign, digits and an optional fraction. Adds `offset`, then rounds
// to the nearest whole number, a half going to the even neighbour. The result
// must fit 16 bits. The arithmetic is exact: "2.5" gives 2, and "2.5" with an
// offset of 1 gives 4.
std::variant<std::int16_t, NumberError> roundToInt16(std::string_view text, int offset = 0);

// Reads a whole number field of the save file: blanks around it, digits only.
// Returns -1 when the text is not such a number or exceeds 32767.
std::int32_t parseStageNumber(std::string_view text);

}  // namespace game
