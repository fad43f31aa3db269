#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <variant>

namespace solvecli {

// The whole text as a number, or nothing: no sign where T has none, no blanks,
// nothing after the digits.
template <typename T>
std::optional<T> wholeNumber(const std::string& text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return value;
}

// Every number the command line gives goes through here, so a bad one is
// refused with the option's name instead of being read as something else.
template <typename T>
std::variant<T, std::string> optionNumber(const std::string& option, const std::string& text, T lo,
                                          T hi) {
    const std::optional<T> value = wholeNumber<T>(text);
    if (value && *value >= lo && *value <= hi) return *value;
    return option + " takes a whole number from " + std::to_string(lo) + " to " +
           std::to_string(hi) + ", not \"" + text + "\"";
}

}  // namespace solvecli
