#include <gtest/gtest.h>

#include <QCoreApplication>
#include <map>
#include <string>

#include "qt/languages.h"

namespace {

using qtfront::kEnglish;

// The system's words for the language: a colon list in LANGUAGE first, then
// the locale from LC_ALL, LC_MESSAGES or LANG, the first one set; English when
// nothing is carried.
TEST(Languages, FollowTheSystem) {
    const struct {
        std::map<std::string, std::string> env;
        std::string_view expected;
    } cases[] = {
        {{}, kEnglish},
        {{{"LANG", "C.UTF-8"}}, kEnglish},
        {{{"LANG", "de_DE.UTF-8"}}, "de"},
        {{{"LANG", "de_AT.UTF-8@euro"}}, "de"},             // any German
        {{{"LANGUAGE", "ja"}}, "ja"},                        // nothing else set
        {{{"LANGUAGE", "it:fr:de"}, {"LANG", "es_ES"}}, "fr"},  // first one carried
        {{{"LANGUAGE", "it"}, {"LANG", "es_ES"}}, "es"},     // none carried: the locale
        {{{"LANGUAGE", "en:de"}}, kEnglish},                 // English is a choice too
        {{{"LANGUAGE", "de"}, {"LANG", "en_US.UTF-8"}}, "de"},
        {{{"LANGUAGE", "de"}, {"LC_ALL", "C"}}, "de"},       // the list comes first
        {{{"LANG", "POSIX"}}, kEnglish},
        {{{"LC_ALL", "fr_FR"}, {"LC_MESSAGES", "de_DE"}, {"LANG", "ja_JP"}}, "fr"},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", "de_DE"}, {"LANG", "ja_JP"}}, "de"},  // empty is unset
        {{{"LANG", "pt_BR.UTF-8"}}, "pt_BR"},
        {{{"LANG", "pt_PT.UTF-8"}}, "pt_BR"},                // the Portuguese there is
        {{{"LANG", "ptx_BR"}}, kEnglish},                    // not Portuguese at all
        {{{"LANGUAGE", "::de:"}}, "de"},                     // empty entries skipped
    };
    for (const auto& c : cases) {
        const auto env = [&](const char* name) -> std::optional<std::string> {
            const auto it = c.env.find(name);
            if (it == c.env.end()) return std::nullopt;
            return it->second;
        };
        std::string shown;
        for (const auto& [k, v] : c.env) shown += k + "=" + v + " ";
        EXPECT_EQ(qtfront::systemLanguage(env), c.expected) << shown;
    }
}

// Every catalogue the programs name is compiled in and loads, with Qt's own
// for the dialogs' buttons; English takes them all away again: the game's
// texts read as written.
TEST(Languages, EveryCatalogueLoadsAndEnglishRestoresTheTexts) {
    const char* const source = "Stage";
    const auto yes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
    for (const qtfront::Language& l : qtfront::kLanguages) {
        EXPECT_TRUE(qtfront::useLanguage(l.code)) << l.code;
        EXPECT_NE(qtfront::gameText(source), source) << l.code;
        EXPECT_NE(yes(), QStringLiteral("&Yes")) << l.code;
    }
    // A message keeps the paragraphs the catalogue has no words for (a
    // file's name, the system's error) and translates the ones it has.
    const std::string said = qtfront::gameText(
        "/tmp/x: no room\n\nPlay goes on: the game keeps your progress while it runs.");
    EXPECT_EQ(said.rfind("/tmp/x: no room\n\n", 0), 0u) << said;
    EXPECT_EQ(said.find("Play goes on"), std::string::npos) << said;
    EXPECT_TRUE(qtfront::useLanguage(kEnglish));
    EXPECT_EQ(qtfront::gameText(source), source);
    EXPECT_EQ(yes(), QStringLiteral("&Yes"));
}

}  // namespace
