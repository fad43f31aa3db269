#include "game/number_text.h"

#include <cstdint>

namespace game {
namespace {

bool isBlank(char ch) { return ch == ' ' || ch == '\t'; }
bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Where a fraction's digits lie against one half.
enum class Half { Zero, Below, Exactly, Above };

Half compareToHalf(std::string_view digits) {
    if (digits.empty()) return Half::Zero;
    bool restNonZero = false;
    for (std::size_t i = 1; i < digits.size(); ++i) restNonZero |= digits[i] != '0';
    if (digits[0] > '5') return Half::Above;
    if (digits[0] < '5') return (digits[0] == '0' && !restNonZero) ? Half::Zero : Half::Below;
    return restNonZero ? Half::Above : Half::Exactly;
}

Half mirror(Half h) {
    switch (h) {
        case Half::Below:
            return Half::Above;
        case Half::Above:
            return Half::Below;
        default:
            return h;
    }
}

}  // namespace

std::variant<std::int16_t, NumberError> roundToInt16(std::string_view text, int offset) {
    std::string_view s = trimBlanks(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    std::size_t dot = s.find('.');
    std::string_view whole = s.substr(0, dot);
    std::string_view fraction =
        dot == std::string_view::npos ? std::string_view{} : s.substr(dot + 1);
    if (whole.empty() && fraction.empty()) return NumberError::NotANumber;
    for (char ch : whole)
        if (!isDigit(ch)) return NumberError::NotANumber;
    for (char ch : fraction)
        if (!isDigit(ch)) return NumberError::NotANumber;

    // Leading zeros say nothing; anything longer than this is out of range anyway.
    while (whole.size() > 1 && whole.front() == '0') whole.remove_prefix(1);
    if (whole.size() > 12) return NumberError::OutOfRange;
    std::int64_t magnitude = 0;
    for (char ch : whole) magnitude = magnitude * 10 + (ch - '0');

    // value = floor + part, with part in [0, 1) classed against one half.
    Half part = compareToHalf(fraction);
    std::int64_t floorValue = negative ? -magnitude : magnitude;
    if (negative && part != Half::Zero) {
        floorValue -= 1;
        part = mirror(part);
    }
    floorValue += offset;

    std::int64_t rounded = floorValue;
    if (part == Half::Above || (part == Half::Exactly && floorValue % 2 != 0)) rounded += 1;
    if (rounded < INT16_MIN || rounded > INT16_MAX) return NumberError::OutOfRange;
    return static_cast<std::int16_t>(rounded);
}

std::int32_t parseStageNumber(std::string_view text) {
    // A save file touched by an editor that ends lines with LF alone still
    // holds a plain stage number: the LF counts as a blank here.
    std::string_view s = text;
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\n')) s.remove_suffix(1);
    // Leading zeros say nothing, however many there are.
    while (s.size() > 1 && s.front() == '0') s.remove_prefix(1);
    if (s.empty() || s.size() > 5) return -1;
    std::int32_t value = 0;
    for (char ch : s) {
        if (!isDigit(ch)) return -1;
        value = value * 10 + (ch - '0');
    }
    return value <= INT16_MAX ? value : -1;
}

}  // namespace game
