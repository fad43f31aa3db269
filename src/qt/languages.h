#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "game/phrase.h"

class QString;

namespace qtfront {

// A language the programs carry a catalogue for, besides the English they are
// written in. `code` names the catalogue (lumora_<code>.qm) and Qt's own
// (qtbase_<code>.qm); `name` is the language in its own words, for menus.
struct Language {
    std::string_view code;
    std::string_view name;
};

inline constexpr std::string_view kEnglish = "en";
inline constexpr std::array<Language, 5> kLanguages{{
    {"de", "Deutsch"},
    {"fr", "Français"},
    {"es", "Español"},
    {"pt_BR", "Português (Brasil)"},
    {"ja", "日本語"},
}};

// The catalogue for one locale name as the system writes it ("de_AT.UTF-8",
// "pt_PT@euro", "ja"): the exact language and territory first, then any
// catalogue of the same language. kEnglish for English, C and POSIX; nothing
// for a language without a catalogue.
std::optional<std::string_view> languageOf(std::string_view locale);

// The language the system asks for: the first entry of LANGUAGE (a colon
// list) that has a catalogue, else the locale of LC_ALL, LC_MESSAGES or LANG,
// the first one set. kEnglish when none of them has one (C and POSIX too).
using Environment = std::function<std::optional<std::string>(const char* name)>;
std::string_view systemLanguage(const Environment& env);
std::string_view systemLanguage();  // from the process's environment

// Installs the catalogues of `code` (this program's and Qt's own, for the
// standard dialogs' buttons) in place of the ones installed before; kEnglish
// removes them. Windows hear QEvent::LanguageChange. After the application is
// made. False when this program's catalogue could not be loaded.
bool useLanguage(std::string_view code);
// How many times useLanguage has changed the catalogues: a window worded at
// one count need not word itself again for a change it has already seen
// (the change is told to windows later, as an event).
int languageChanges();

// The game's own text (a caption, a message) as the installed catalogue has
// it; a message paragraph by paragraph, so a sentence of its own is translated
// beside a file's name and error that are not. The text itself where the
// catalogue has none, and always in English.
std::string gameText(const std::string& text);

// A phrase made without the toolkit, in the installed catalogue's words: its
// text and every nested phrase translated, the values filled in as they are.
// In English, and for a text the catalogue lacks, exactly game::english.
QString phraseText(const game::Phrase& phrase);

// One text in the language the system asks for, before the application is
// made (for --help); the text itself in English or when it has no translation.
std::string translateEarly(const char* context, const std::string& text);

}  // namespace qtfront
