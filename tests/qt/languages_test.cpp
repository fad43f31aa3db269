#include "qt/languages.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <map>
#include <string>

#include "game/file_error.h"
#include "solver/refute.h"
#include "workshop/core/editing.h"

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
        {{{"LANG", "de_AT.UTF-8@euro"}}, "de"},                 // any German
        {{{"LANGUAGE", "ja"}}, "ja"},                           // nothing else set
        {{{"LANGUAGE", "it:fr:de"}, {"LANG", "es_ES"}}, "fr"},  // first one carried
        {{{"LANGUAGE", "it"}, {"LANG", "es_ES"}}, "es"},        // none carried: the locale
        {{{"LANGUAGE", "en:de"}}, kEnglish},                    // English is a choice too
        {{{"LANGUAGE", "de"}, {"LANG", "en_US.UTF-8"}}, "de"},
        {{{"LANGUAGE", "de"}, {"LC_ALL", "C"}}, "de"},  // the list comes first
        {{{"LANG", "POSIX"}}, kEnglish},
        {{{"LC_ALL", "fr_FR"}, {"LC_MESSAGES", "de_DE"}, {"LANG", "ja_JP"}}, "fr"},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", "de_DE"}, {"LANG", "ja_JP"}}, "de"},  // empty is unset
        {{{"LANG", "pt_BR.UTF-8"}}, "pt_BR"},
        {{{"LANG", "pt_PT.UTF-8"}}, "pt_BR"},  // the Portuguese there is
        {{{"LANG", "ptx_BR"}}, kEnglish},      // not Portuguese at all
        {{{"LANGUAGE", "::de:"}}, "de"},       // empty entries skipped
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

// A sentence made without the toolkit reads in English exactly as it always
// has, one and many alike; in another language each plural form is its own
// and the values (a path with a % in it, the system's words) stay as they are.
TEST(Languages, PhrasesCountAndKeepTheirValues) {
    const auto fixed = [](int count) {
        return solver::refutationPhrase({solver::RefutationKind::TooManyFixed, -1, -1, count, 0});
    };
    workshop::Stroke stroke(workshop::blankStage(), workshop::Kind::Water);
    stroke.to(3, 3);
    const game::Phrase full =
        game::cannot("save.bkm", game::FileAct::Write, "/tmp/100%2 %n", "No space left on device")
            .words;
    const struct {
        std::string_view language;
        game::Phrase phrase;
        std::string expected;
    } cases[] = {
        {kEnglish, fixed(1), "1 block can never be reached to remove, more than the target of 0"},
        {kEnglish, fixed(3), "3 blocks can never be reached to remove, more than the target of 0"},
        {kEnglish, stroke.finish()->description, "Paint 1 cell with water"},
        {kEnglish, full, "save.bkm: cannot write /tmp/100%2 %n (No space left on device)"},
        {"de", fixed(1), "1 Block ist nie zum Entfernen erreichbar, mehr als das Ziel von 0"},
        {"de", fixed(3), "3 Blöcke sind nie zum Entfernen erreichbar, mehr als das Ziel von 0"},
        {"de", full,
         "save.bkm: /tmp/100%2 %n lässt sich nicht schreiben (No space left on device)"},
        {"ja", fixed(3), "消すために行けないブロックが 3 個あり、目標の 0 を超えています"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(qtfront::useLanguage(c.language));
        EXPECT_EQ(qtfront::phraseText(c.phrase).toStdString(), c.expected) << c.language;
        if (c.language == kEnglish) {
            EXPECT_EQ(game::english(c.phrase), c.expected);
        }
    }
    EXPECT_TRUE(qtfront::useLanguage(kEnglish));
}

}  // namespace
