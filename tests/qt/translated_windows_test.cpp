#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QActionGroup>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>
#include <memory>

#include "game/file_error.h"
#include "game/pack.h"
#include "game/stage_desc.h"
#include "harness.h"
#include "qt/languages.h"
#include "qt/picture_library.h"
#include "solver/generate.h"
#include "solver/refute.h"
#include "solver/table.h"
#include "workshop/core/editing.h"
#include "workshop/core/journal.h"
#include "workshop/editor_window.h"
#include "workshop/generate_dialog.h"
#include "workshop/language_menu.h"
#include "workshop/pack_keeper.h"
#include "workshop/proof_panel.h"
#include "workshop/stage_list.h"

namespace {

// A text a reader sees that no catalogue could have translated: it has words,
// and none of the pseudo-language's brackets.
bool unmarked(const QString& text) {
    const bool words = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
    return words && !text.contains(QLatin1Char('['));
}

void collectMenu(const QMenu* menu, const QString& where, QStringList& out) {
    // The Language menu names each language in its own words, for every reader.
    const bool languages = menu->objectName() == QStringLiteral("languageMenu");
    for (const QAction* a : menu->actions()) {
        if (a->isSeparator() || !a->isVisible()) continue;
        if (languages && !a->data().toString().isEmpty()) continue;
        if (unmarked(a->text())) out << where + QStringLiteral(" > ") + a->text();
        if (unmarked(a->toolTip())) out << where + QStringLiteral(" tip ") + a->toolTip();
        if (a->menu() != nullptr)
            collectMenu(a->menu(), where + QStringLiteral(" > ") + a->text(), out);
    }
}

// Every text a window shows: its title, labels, buttons, dock titles,
// headers, list rows, menus and tool tips.
QStringList unmarkedTexts(const QWidget* window) {
    QStringList out;
    if (unmarked(window->windowTitle())) out << QStringLiteral("title ") + window->windowTitle();
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        const QString name = QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') +
                             w->objectName() + QStringLiteral(": ");
        QStringList texts{w->toolTip()};
        if (auto* l = qobject_cast<const QLabel*>(w)) texts << l->text();
        // Tool buttons show their actions, read in the menus; a dialog's
        // standard buttons take their words from Qt's own catalogue.
        const auto* box = qobject_cast<const QDialogButtonBox*>(w->parentWidget());
        if (auto* b = qobject_cast<const QAbstractButton*>(w);
            b && !qobject_cast<const QToolButton*>(w) &&
            !(box &&
              box->standardButton(const_cast<QAbstractButton*>(b)) != QDialogButtonBox::NoButton))
            texts << b->text();
        if (auto* d = qobject_cast<const QDockWidget*>(w)) texts << d->windowTitle();
        if (auto* h = qobject_cast<const QHeaderView*>(w); h && h->model())
            for (int i = 0; i < h->count(); ++i)
                texts << h->model()->headerData(i, h->orientation()).toString();
        if (auto* list = qobject_cast<const QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
        if (auto* bar = qobject_cast<const QMenuBar*>(w))
            for (const QAction* a : bar->actions()) {
                texts << a->text();
                if (a->menu() != nullptr) collectMenu(a->menu(), a->text(), out);
            }
        if (auto* tools = qobject_cast<const QToolBar*>(w)) texts << tools->windowTitle();
        for (const QString& t : texts)
            if (unmarked(t)) out << name + t;
    }
    return out;
}

// How many texts of a phrase, its own and its nested ones, a catalogue translates.
int markedTexts(const game::Phrase& p) {
    int n = p.context != nullptr;
    for (const game::PhraseValue& v : p.values)
        if (const auto* inner = std::get_if<std::shared_ptr<const game::Phrase>>(&v))
            n += markedTexts(**inner);
    return n;
}

std::string shown(const QStringList& texts) { return texts.join(QLatin1Char('\n')).toStdString(); }

// A button shows its words whole: as wide as it asks to be, or, one kept at a
// width of its own (the answer's arrows), as wide as its words.
bool whole(const QAbstractButton* b) {
    if (b->minimumWidth() == b->maximumWidth())
        return b->fontMetrics().horizontalAdvance(QString(b->text()).remove(QLatin1Char('&'))) <
               b->width();
    return b->width() >= b->sizeHint().width();
}

// The pseudo-language the build makes from the sources, installed for one test.
struct Pseudo {
    Pseudo() {
        EXPECT_TRUE(translator.load(QStringLiteral(LUMORA_PSEUDO_QM)));
        QCoreApplication::installTranslator(&translator);
    }
    ~Pseudo() { QCoreApplication::removeTranslator(&translator); }
    QTranslator translator;
};

struct Workshop {
    Workshop() {
        QStandardPaths::setTestModeEnabled(true);  // the default size, no settings of the player's
        window = std::make_unique<workshop::EditorWindow>(pictures);
        window->show();
        // The whole proof, its analysis too: every figure is in the panel.
        QSignalSpy proved(window->proofPanel(), &workshop::ProofPanel::analysisShown);
        constexpr int kPatienceMs = 120000;  // a busy machine; the proof ends far sooner
        if (!window->proofPanel()->finished()) proved.wait(kPatienceMs);
        // The figures are laid out by posted events, in rounds.
        for (int round = 0; round < 3; ++round) QCoreApplication::processEvents();
    }
    qtfront::PictureLibrary pictures;
    std::unique_ptr<workshop::EditorWindow> window;
};

}  // namespace

// In a language where every marked text is in brackets, none of the
// workshop's windows, menus and dialogs shows a text without them.
TEST(TranslatedWindows, WorkshopShowsNoTextLeftUnmarked) {
    Pseudo pseudo;
    Workshop w;
    EXPECT_EQ(shown(unmarkedTexts(w.window.get())), "");
    QAction* generate = w.window->findChild<QAction*>(QStringLiteral("generate"));
    ASSERT_NE(generate, nullptr);
    generate->trigger();
    auto* dialog = w.window->findChild<workshop::GenerateDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(shown(unmarkedTexts(dialog)), "");
    dialog->close();
}

// The sentences made without the toolkit come translated as a whole, each
// phrase nested in them too, with their values (numbers, a file's name) as
// they are.
TEST(TranslatedWindows, SentencesMadeWithoutTheToolkitShowMarked) {
    Pseudo pseudo;
    workshop::Stroke stroke(workshop::blankStage(), workshop::Kind::Sand);
    stroke.to(2, 2);
    stroke.to(4, 2);
    game::StageDesc floating = workshop::blankStage();
    floating.startRow = 1;  // above nothing
    solver::GenerateResult tries;
    tries.tally.attempts = 3;
    tries.ending.cancelled = true;
    std::string text;
    for (int row = 0; row < game::kBoardSide; ++row) text += ".........\r\n";
    const auto badStage = game::parseStageText("mmap3.bkm", text + "abc\r\n9\r\n");
    ASSERT_TRUE(std::holds_alternative<game::FileError>(badStage));
    const struct {
        const char* what;
        game::Phrase phrase;
        const char* value;  // shown as it is
    } cases[] = {
        {"refutation",
         solver::refutationPhrase({solver::RefutationKind::FixedTouching, 10, 11, 2, 1}), ""},
        {"undo step", stroke.finish()->description, "3"},
        {"stage the proof cannot take", *solver::stageProblem(floating), ""},
        {"pack table's Requires", solver::requiresPhrase(0b11, true), ""},
        {"generator's summary", solver::triesPhrase(tries), "3"},
        {"file error", std::get<game::FileError>(badStage).words, "mmap3.bkm"},
        {"file error",
         game::cannot("save.bkm", game::FileAct::Write, "/tmp/a%1b", "No space").words,
         "/tmp/a%1b"},
        {"pack.ini's complaint", std::get<game::FileError>(game::parsePackText("Pack\n")).words,
         "pack.ini"},
        {"journal's line error", std::get<game::FileError>(workshop::parseJournal("x\n")).words,
         "lumora workshop journal 1"},
    };
    for (const auto& c : cases) {
        const QString said = qtfront::phraseText(c.phrase);
        EXPECT_TRUE(said.startsWith(QLatin1Char('['))) << c.what << ": " << said.toStdString();
        EXPECT_EQ(said.count(QLatin1Char('[')), markedTexts(c.phrase))
            << c.what << ": " << said.toStdString();
        EXPECT_TRUE(said.contains(QString::fromUtf8(c.value)))
            << c.what << ": " << said.toStdString();
    }
}

// An undo step made in one language is named anew in the next, in the Edit menu.
TEST(TranslatedWindows, UndoStepsFollowTheLanguage) {
    Workshop w;
    workshop::Stroke stroke(w.window->stage(), workshop::Kind::Wall);
    stroke.to(5, 5);
    ASSERT_TRUE(stroke.finish());
    w.window->pack()->push(*stroke.finish());
    auto* undo = w.window->findChild<QAction*>(QStringLiteral("undo"));
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Paint 1 cell with wall"));
    {
        Pseudo pseudo;
        for (int round = 0; round < 3; ++round) QCoreApplication::sendPostedEvents();
        EXPECT_EQ(undo->text(), QStringLiteral("[&Undo] [Paint 1 cells with wall]"));
    }
    for (int round = 0; round < 3; ++round) QCoreApplication::sendPostedEvents();
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Paint 1 cell with wall"));
}

// The game's own windows: their captions and labels go through the catalogue.
TEST(TranslatedWindows, GameShowsNoTextLeftUnmarked) {
    Pseudo pseudo;
    qt_testing::Harness h;
    qt_testing::openFloorStage(h, "3");
    QStringList out;
    for (const forms::Form* form : h.game().program().openForms()) {
        const QString title = QString::fromStdString(qtfront::gameText(form->Caption));
        if (unmarked(title.trimmed().remove(QStringLiteral("Lumora"))))
            out << QStringLiteral("title ") + title;
        for (const forms::Control& c : form->controls())
            if (c.kind == forms::Kind::Label &&
                unmarked(QString::fromStdString(qtfront::gameText(c.Caption))))
                out << QString::fromStdString(form->name() + " " + c.name + ": " + c.Caption);
    }
    EXPECT_EQ(shown(out), "");
}

// The languages with the longest words (German, French) among them: at the
// workshop's first size its proof panel, its tool bars and the pack's buttons
// still show every text whole.
TEST(TranslatedWindows, NoLanguageCutsTheWorkshopOff) {
    const auto english = qScopeGuard([] { qtfront::useLanguage(qtfront::kEnglish); });
    for (const qtfront::Language& language : qtfront::kLanguages) {
        ASSERT_TRUE(qtfront::useLanguage(language.code));
        Workshop w;
        QStringList cut;
        for (const QLabel* l : w.window->proofPanel()->findChildren<QLabel*>()) {
            if (!l->isVisibleTo(w.window.get()) || l->text().isEmpty()) continue;
            const bool fits = l->wordWrap() ? l->heightForWidth(l->width()) <= l->height()
                                            : l->width() >= l->sizeHint().width();
            if (!fits) cut << l->text();
        }
        // The panel's buttons, and the pack's under the stage list.
        for (const QWidget* part : {static_cast<QWidget*>(w.window->proofPanel()),
                                    static_cast<QWidget*>(w.window->stageList())})
            for (const QAbstractButton* b : part->findChildren<QAbstractButton*>())
                if (b->isVisibleTo(w.window.get()) && !whole(b)) cut << b->text();
        for (const QToolBar* bar : w.window->findChildren<QToolBar*>()) {
            const auto* more =
                bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
            if (bar->isVisible() && more != nullptr && more->isVisible()) cut << bar->windowTitle();
        }
        EXPECT_EQ(shown(cut), "") << language.code;
    }
}

// The Language menu turns every open window over at once, a dialog among
// them, and back; the choice outlives the menu.
TEST(TranslatedWindows, LanguageMenuTurnsEveryWindowOver) {
    Workshop first, second;
    auto* menu = first.window->findChild<workshop::LanguageMenu*>();
    ASSERT_NE(menu, nullptr);
    first.window->findChild<QAction*>(QStringLiteral("generate"))->trigger();
    auto* dialog = first.window->findChild<workshop::GenerateDialog*>();
    ASSERT_NE(dialog, nullptr);
    const auto english = qScopeGuard([menu] {
        menu->choose(QString());
        qtfront::useLanguage(qtfront::kEnglish);  // whatever the machine speaks
    });
    const struct {
        QString code;
        QString file, proofDock, dialogTitle;
    } cases[] = {
        {QStringLiteral("de"), QStringLiteral("&Datei"), QStringLiteral("Beweis"),
         QStringLiteral("Level erzeugen")},
        {QStringLiteral("en"), QStringLiteral("&File"), QStringLiteral("Proof"),
         QStringLiteral("Generate Stage")},
    };
    for (const auto& c : cases) {
        menu->choose(c.code);
        // The change is posted to the application, which posts it to each window.
        for (int round = 0; round < 3; ++round) QCoreApplication::sendPostedEvents();
        for (workshop::EditorWindow* w : {first.window.get(), second.window.get()}) {
            EXPECT_EQ(w->menuBar()->actions().first()->text(), c.file) << c.code.toStdString();
            auto* dock = w->findChild<QDockWidget*>(QStringLiteral("proofDock"));
            ASSERT_NE(dock, nullptr);
            EXPECT_EQ(dock->windowTitle(), c.proofDock) << c.code.toStdString();
        }
        EXPECT_EQ(dialog->windowTitle(), c.dialogTitle) << c.code.toStdString();
        EXPECT_EQ(workshop::LanguageMenu().findChild<QActionGroup*>()->checkedAction()->data(),
                  c.code)
            << "remembered";
    }
    dialog->close();
}
