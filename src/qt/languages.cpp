#include "qt/languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <variant>
#include <vector>

namespace qtfront {
namespace {

// Where the build puts the compiled catalogues among the resources.
constexpr auto kCatalogueFolder = ":/i18n";
constexpr auto kCatalogueName = "lumora_";
constexpr auto kQtCatalogueName = "qtbase_";
// The context the game's own texts are marked in (QT_TRANSLATE_NOOP("Game", ...)).
constexpr auto kGameWords = "Game";

std::string_view languagePart(std::string_view name) { return name.substr(0, name.find('_')); }

QString catalogueFile(std::string_view code) {
    return QString::fromLatin1(kCatalogueName) +
           QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
}

// This program's translators, owned by the application; the last ones
// installed, so the next language replaces them.
std::array<QTranslator*, 2>& installed() {
    static std::array<QTranslator*, 2> translators{};
    return translators;
}

int& changes() {
    static int count = 0;
    return count;
}

}  // namespace

std::optional<std::string_view> languageOf(std::string_view locale) {
    // "ll_TT.codeset@modifier": the codeset and the modifier say nothing of the words.
    locale = locale.substr(0, locale.find_first_of(".@"));
    if (locale == "C" || locale == "POSIX" || languagePart(locale) == kEnglish) return kEnglish;
    for (const Language& l : kLanguages)
        if (l.code == locale) return l.code;
    for (const Language& l : kLanguages)
        if (!locale.empty() && languagePart(l.code) == languagePart(locale)) return l.code;
    return std::nullopt;
}

std::string_view systemLanguage(const Environment& env) {
    const std::string languages = env("LANGUAGE").value_or("");
    std::string_view list = languages;
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        if (auto code = languageOf(list.substr(0, colon))) return *code;
        list = colon == std::string_view::npos ? std::string_view{} : list.substr(colon + 1);
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::string locale = env(name).value_or("");
        if (!locale.empty()) return languageOf(locale).value_or(kEnglish);
    }
    return kEnglish;
}

std::string_view systemLanguage() {
    return systemLanguage([](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        if (value == nullptr) return std::nullopt;
        return std::string(value);
    });
}

int languageChanges() { return changes(); }

bool useLanguage(std::string_view code) {
    ++changes();
    for (QTranslator*& t : installed()) {
        if (t == nullptr) continue;
        QCoreApplication::removeTranslator(t);
        t->deleteLater();
        t = nullptr;
    }
    if (code == kEnglish) return true;
    auto own = std::make_unique<QTranslator>(QCoreApplication::instance());
    auto qt = std::make_unique<QTranslator>(QCoreApplication::instance());
    const bool loaded = own->load(catalogueFile(code), QString::fromLatin1(kCatalogueFolder));
    // Qt's own catalogue comes with Qt; without it the dialogs' buttons stay English.
    const bool qtLoaded = qt->load(
        QString::fromLatin1(kQtCatalogueName) + QString::fromLatin1(code.data(), code.size()),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (qtLoaded && QCoreApplication::installTranslator(qt.get())) installed()[1] = qt.release();
    if (loaded && QCoreApplication::installTranslator(own.get())) installed()[0] = own.release();
    return loaded;
}

std::string gameText(const std::string& text) {
    constexpr std::string_view kParagraph = "\n\n";
    std::string out;
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t end = std::min(text.find(kParagraph, from), text.size());
        const std::string part = text.substr(from, end - from);
        out += QCoreApplication::translate(kGameWords, part.c_str()).toStdString();
        if (end == text.size()) break;
        out += kParagraph;
        from = end + kParagraph.size();
    }
    return out;
}

QString phraseText(const game::Phrase& p) {
    std::vector<std::string> values;
    values.reserve(p.values.size());
    for (const game::PhraseValue& v : p.values) {
        if (const auto* s = std::get_if<std::string>(&v)) {
            values.push_back(*s);
        } else if (const auto* n = std::get_if<long long>(&v)) {
            values.push_back(std::to_string(*n));
        } else {
            const auto& inner = std::get<std::shared_ptr<const game::Phrase>>(v);
            values.push_back(inner ? phraseText(*inner).toStdString() : std::string());
        }
    }
    if (p.context == nullptr) return QString::fromStdString(game::fillIn(p.text, values));
    const int count = p.counts() ? static_cast<int>(p.count) : -1;
    QString text = QCoreApplication::translate(p.context, p.text.c_str(), nullptr, count);
    // English has no catalogue: Qt gives the marked text back, the English
    // for many, which is the English for one only when the count is not 1.
    if (p.counts() && text == QString::fromStdString(p.text).replace(QStringLiteral("%n"),
                                                                     QString::number(count))) {
        game::Phrase untranslated = p;
        untranslated.values.clear();
        text = QString::fromStdString(game::english(untranslated));
    }
    return QString::fromStdString(game::fillIn(text.toStdString(), values));
}

std::string translateEarly(const char* context, const std::string& text) {
    static const std::unique_ptr<QTranslator> translator = [] {
        auto t = std::make_unique<QTranslator>();
        const std::string_view code = systemLanguage();
        if (code != kEnglish)
            (void)t->load(catalogueFile(code), QString::fromLatin1(kCatalogueFolder));
        return t;
    }();
    const QString found = translator->translate(context, text.c_str());
    return found.isEmpty() ? text : found.toStdString();
}

}  // namespace qtfront
