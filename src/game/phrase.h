#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "game/translatable.h"

namespace game {

struct Phrase;

// What a phrase's %1, %2 ... stand for: a text shown as it is in every
// language (a path, a file name, the system's words for an error), a number,
// or a phrase of its own, translated in its turn (a cell kind's name).
using PhraseValue = std::variant<std::string, long long, std::shared_ptr<const Phrase>>;

// A sentence made where there is no toolkit, kept as its English text and the
// values that fill it, so that a front end can translate the text and fill in
// the same values; everyone else reads it in English (english below).
//
// `text` is marked where it is written, QT_TRANSLATE_NOOP(context, ...), or
// QT_TRANSLATE_N_NOOP for a text that counts with %n: then `text` is the
// English for many ("%n blocks") and `one` the English for one ("%n block"),
// as English carries no catalogue of its own. A phrase without a context is no
// sentence of its own (a number, "%1\n\n%2"): it is never looked up, only
// filled.
struct Phrase {
    const char* context = nullptr;
    std::string text;
    std::vector<PhraseValue> values;
    const char* one = nullptr;  // for a counting text: its English for one
    long long count = 0;        // for a counting text: what %n stands for

    bool counts() const { return one != nullptr; }
    // The same words with the same values, wherever the marked texts are kept.
    friend bool operator==(const Phrase& a, const Phrase& b) {
        const auto same = [](const char* x, const char* y) {
            return x == y || (x != nullptr && y != nullptr && std::string_view(x) == y);
        };
        const auto sameValue = [](const PhraseValue& x, const PhraseValue& y) {
            const auto* px = std::get_if<std::shared_ptr<const Phrase>>(&x);
            const auto* py = std::get_if<std::shared_ptr<const Phrase>>(&y);
            if (px == nullptr || py == nullptr) return x == y;
            return *px == *py || (*px && *py && **px == **py);
        };
        return same(a.context, b.context) && a.text == b.text && same(a.one, b.one) &&
               a.count == b.count &&
               std::equal(a.values.begin(), a.values.end(), b.values.begin(), b.values.end(),
                          sameValue);
    }
};

// A marked text and its values.
inline Phrase phrase(const char* context, const char* text, std::vector<PhraseValue> values = {}) {
    return Phrase{context, text, std::move(values)};
}

// A marked text that counts `n` things with %n: `many` is the marked text.
inline Phrase counting(const char* context, const char* many, const char* one, long long n,
                       std::vector<PhraseValue> values = {}) {
    return Phrase{context, many, std::move(values), one, n};
}

// A text that is not translated, with values that may be: "%1: %2".
inline Phrase plain(std::string text, std::vector<PhraseValue> values = {}) {
    return Phrase{nullptr, std::move(text), std::move(values)};
}

inline PhraseValue nested(Phrase p) { return std::make_shared<const Phrase>(std::move(p)); }

// Puts `values[k - 1]` for every %k (1 to 9) of `text`, in one pass, so a
// value that holds a "%2" of its own (a file name can) is left as it is; a %
// not followed by a value's number stays.
inline std::string fillIn(std::string_view text, const std::vector<std::string>& values) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto k = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && k < values.size()) {
            out += values[k];
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

// The phrase in English, every nested phrase too.
inline std::string english(const Phrase& p) {
    std::vector<std::string> values;
    values.reserve(p.values.size());
    for (const PhraseValue& v : p.values) {
        if (const auto* s = std::get_if<std::string>(&v)) {
            values.push_back(*s);
        } else if (const auto* n = std::get_if<long long>(&v)) {
            values.push_back(std::to_string(*n));
        } else {
            const auto& inner = std::get<std::shared_ptr<const Phrase>>(v);
            values.push_back(inner ? english(*inner) : std::string());
        }
    }
    std::string text = p.counts() && p.count == 1 ? std::string(p.one) : p.text;
    if (p.counts())
        for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at))
            text.replace(at, 2, std::to_string(p.count));
    return fillIn(text, values);
}

}  // namespace game
