#include "workshop/language_menu.h"

#include <QActionGroup>
#include <QEvent>
#include <QSettings>

#include "qt/languages.h"

namespace workshop {
namespace {

// Beside the window's own settings; an empty or missing value is the system's language.
const QString kLanguageKey = QStringLiteral("ui/language");

QSettings settings() { return QSettings(QStringLiteral("lumora"), QStringLiteral("workshop")); }

QString fromView(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The catalogue a remembered choice names; the system's for none, or for a
// language this build no longer carries.
std::string_view languageOfChoice(const QString& code) {
    if (code == fromView(qtfront::kEnglish)) return qtfront::kEnglish;
    for (const qtfront::Language& l : qtfront::kLanguages)
        if (code == fromView(l.code)) return l.code;
    return qtfront::systemLanguage();
}

}  // namespace

void useStartingLanguage() {
    qtfront::useLanguage(languageOfChoice(settings().value(kLanguageKey).toString()));
}

LanguageMenu::LanguageMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("languageMenu"));
    entries_ = new QActionGroup(this);
    system_ = addAction(QString());
    system_->setData(QString());
    addSeparator();
    // English is a language of its own here: the system may speak another one.
    QAction* english = addAction(QStringLiteral("English"));
    english->setData(fromView(qtfront::kEnglish));
    for (const qtfront::Language& l : qtfront::kLanguages)
        addAction(fromView(l.name))->setData(fromView(l.code));
    const QString chosen = settings().value(kLanguageKey).toString();
    for (QAction* a : actions()) {
        if (a->isSeparator()) continue;
        a->setCheckable(true);
        a->setChecked(a->data().toString() == chosen);
        entries_->addAction(a);
        connect(a, &QAction::triggered, this, [this, a] { choose(a->data().toString()); });
    }
    if (entries_->checkedAction() == nullptr) system_->setChecked(true);
    retranslate();
}

void LanguageMenu::choose(const QString& code) {
    for (QAction* a : entries_->actions())
        if (a->data().toString() == code) a->setChecked(true);
    QSettings s = settings();
    s.setValue(kLanguageKey, code);
    qtfront::useLanguage(languageOfChoice(code));
}

void LanguageMenu::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QMenu::changeEvent(event);
}

void LanguageMenu::retranslate() {
    setTitle(tr("&Language"));
    system_->setText(tr("&System Default"));
}

}  // namespace workshop
