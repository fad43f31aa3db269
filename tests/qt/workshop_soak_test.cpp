// The workshop's main window driven by seeded random runs of everything a
// maker can do to it, in orders nobody thought to try, with what must always
// hold checked after each action: the proof shown is the stage's, the journal
// reads back as the document, a save reopens as the document, and undo back
// to the clean state and redo again give the documents they left.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>

#include "game/pack.h"
#include "qt/picture_library.h"
#include "workshop/board_view.h"
#include "workshop/core/journal.h"
#include "workshop/core/stage_paste.h"
#include "workshop/core/stage_proof.h"
#include "workshop/editor_window.h"
#include "workshop/play_session.h"
#include "workshop/proof_panel.h"
#include "workshop/stage_list.h"

namespace {

using workshop::AnswerMarks;
using workshop::EditorWindow;

enum class Act {
    Stroke,
    Target,
    Magic,
    Undo,
    Redo,
    Add,
    Duplicate,
    Delete,
    MoveUp,
    MoveDown,
    Select,
    StepAnswer,
    UseAnswer,
    StopProof,
    Rename,
    SaveReopen,
    Generate,
    Play,
    ShowSolution,
    WaitForProof,
    Language,
    ProofMemory,
    CheckHistory,
    CopyStage,
    PasteStage,
};

// How often each action comes up: edits most, the slow ones (real windows,
// the generator, waits in real time) seldom.
struct Weighted {
    Act act;
    int weight;
};
constexpr Weighted kActs[] = {
    {Act::Stroke, 30},    {Act::Target, 4},      {Act::Magic, 4},        {Act::Undo, 10},
    {Act::Redo, 6},       {Act::Add, 3},         {Act::Duplicate, 3},    {Act::Delete, 3},
    {Act::MoveUp, 2},     {Act::MoveDown, 2},    {Act::Select, 5},       {Act::StepAnswer, 3},
    {Act::UseAnswer, 3},  {Act::StopProof, 2},   {Act::Rename, 3},       {Act::SaveReopen, 1},
    {Act::Generate, 1},   {Act::Play, 1},        {Act::ShowSolution, 1}, {Act::WaitForProof, 6},
    {Act::Language, 2},   {Act::ProofMemory, 1}, {Act::CheckHistory, 1}, {Act::CopyStage, 2},
    {Act::PasteStage, 3},
};

// The palette's kinds in the order of its toolbar; walls and empties come up
// most, so the boards stay ones a search finishes quickly.
constexpr int kKindWeights[] = {5, 1, 1, 1, 5, 1};  // empty, sand, block, water, wall, start

constexpr int kProofWaitMs = 1000;
constexpr int kFirstProofMs = 20'000;
constexpr int kGenerateWaitMs = 2000;
// The proof memory settings the soak picks from, in steps of the setting's.
constexpr int kMemorySteps = 8;

// An answer not given yet is no answer: the proof fills it in quietly later,
// with the same marks for the same stage.
bool sameUpToAnswersToCome(const game::StageDesc& a, const game::StageDesc& b) {
    if (a.answer != AnswerMarks{} && b.answer != AnswerMarks{} && a.answer != b.answer)
        return false;
    game::StageDesc x = a, y = b;
    x.answer = y.answer = {};
    return x == y;
}

::testing::AssertionResult samePack(const game::Pack& a, const game::Pack& b) {
    if (!(a.info == b.info)) return ::testing::AssertionFailure() << "name, author or licence";
    if (a.stages.size() != b.stages.size())
        return ::testing::AssertionFailure()
               << a.stages.size() << " stages against " << b.stages.size();
    for (std::size_t i = 0; i < a.stages.size(); ++i)
        if (!sameUpToAnswersToCome(a.stages[i], b.stages[i]))
            return ::testing::AssertionFailure() << "stage " << i + 1;
    return ::testing::AssertionSuccess();
}

bool waitFor(const std::function<bool()>& done, int ms) {
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) QTest::qWait(5);
    return done();
}

class Soak {
public:
    explicit Soak(std::uint32_t seed) : rng_(seed) {
        QStandardPaths::setTestModeEnabled(true);
        for (const char* var : {"HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CONFIG_HOME"})
            qputenv(var, home_.path().toUtf8() + '/' + var);
        window_ = std::make_unique<EditorWindow>(pictures_);
        window_->setErrorReporter([this](const QString& title, const QString& text) {
            if (refusalsToCome_-- > 0) return;
            ADD_FAILURE() << title.toStdString() << ": " << text.toStdString();
        });
        window_->show();
        // Whatever asks the maker something modally (a solution that does not
        // exist, say) is answered at once, as a maker closing it would.
        auto* closer = new QTimer(window_.get());
        connect(closer);
        closer->start(10);
        // A workshop starts proving its blank stage at once; a maker reads
        // the verdict before the first edit.
        waitFor([&] { return window_->proofPanel()->finished(); }, kFirstProofMs);
        noteClean();
    }

    // The language and the proof memory are the process's: the next test
    // starts in English with the memory it had.
    ~Soak() {
        chooseLanguage(QStringLiteral("en"));
        workshop::setProofMemoryMB(memoryBefore_);
    }

    void run(int actions) {
        for (step_ = 0; step_ < actions; ++step_) {
            last_ = pick();
            perform(last_);
            QCoreApplication::processEvents();
            check();
            if (::testing::Test::HasFailure()) return;
        }
        last_ = Act::CheckHistory;
        checkHistory();
    }

    std::string where() const {
        return "action " + std::to_string(step_) + " (" + std::to_string(static_cast<int>(last_)) +
               ")";
    }

private:
    static void connect(QTimer* closer) {
        QObject::connect(closer, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    Act pick() {
        int total = 0;
        for (const Weighted& w : kActs) total += w.weight;
        int roll = below(total);
        for (const Weighted& w : kActs) {
            if (roll < w.weight) return w.act;
            roll -= w.weight;
        }
        return Act::Stroke;
    }

    template <class T>
    T* child(const char* name) {
        T* found = window_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void trigger(const char* action) {
        if (QAction* a = child<QAction>(action)) a->trigger();
    }
    void click(const char* button) {
        auto* b = child<QAbstractButton>(button);
        if (b != nullptr && b->isVisible() && b->isEnabled()) b->click();
    }
    QUndoStack* undo() { return window_->undoStack(); }

    // The actions that are one of the window's own, by its object name.
    static constexpr std::pair<Act, const char*> kWindowActions[] = {
        {Act::Undo, "undo"},          {Act::Redo, "redo"},           {Act::Add, "addStage"},
        {Act::Duplicate, "duplicateStage"}, {Act::Delete, "deleteStage"}, {Act::MoveUp, "moveUp"},
        {Act::MoveDown, "moveDown"},
    };

    void perform(Act act) {
        for (const auto& [a, name] : kWindowActions)
            if (a == act) return trigger(name);
        switch (act) {
            case Act::Stroke:
                return stroke();
            case Act::Target:
                return setNumber("targetBox", workshop::kMaxTarget);
            case Act::Magic:
                return setNumber("magicBox", 40);
            case Act::Select:
                return window_->stageList()->list()->setCurrentRow(
                    below(window_->document().count()));
            case Act::StepAnswer:
                return click(below(2) ? "nextAnswer" : "previousAnswer");
            case Act::UseAnswer:
                return click("useAnswer");
            case Act::StopProof:
                return click("stopProof");
            case Act::Rename:
                return rename();
            case Act::SaveReopen:
                return saveAndReopen();
            case Act::Generate:
                return generate();
            case Act::Play:
                trigger("play");
                return window_->playSession()->stop();
            case Act::ShowSolution:
                trigger("showSolution");
                QTest::qWait(below(50));
                return window_->playSession()->stop();
            case Act::WaitForProof:
                return settleProof();
            case Act::Language:
                return chooseLanguage();
            case Act::ProofMemory:
                return workshop::setProofMemoryMB(workshop::kMinProofMemoryMB +
                                                  workshop::kProofMemoryStepMB * below(kMemorySteps));
            case Act::CheckHistory:
                return checkHistory();
            case Act::CopyStage:
                trigger("copyStage");
                EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
                          workshop::copiedStageText(window_->stage()));
                return;
            case Act::PasteStage:
                return paste();
            default:
                return;  // one of kWindowActions
        }
    }

    workshop::Kind pickKind() {
        int total = 0;
        for (int w : kKindWeights) total += w;
        int roll = below(total), k = 0;
        while (roll >= kKindWeights[k]) roll -= kKindWeights[k++];
        return static_cast<workshop::Kind>(k);
    }

    void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, int c, int r) {
        constexpr int side = workshop::BoardView::kCellPixels;
        const QPointF at(side * (c - 1) + side / 2, side * (r - 1) + side / 2);
        QWidget* board = window_->board();
        QMouseEvent event(type, at, board->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(board, &event);
    }

    // A press, a wander over a few cells (now and then off the board) and a
    // release, with the kind chosen from the palette as a maker does.
    void stroke() {
        auto* palette = child<QToolBar>("paletteToolBar");
        if (palette == nullptr) return;
        palette->actions().at(static_cast<int>(pickKind()))->trigger();
        const Qt::MouseButton b = below(4) ? Qt::LeftButton : Qt::RightButton;
        int c = 1 + below(9), r = 1 + below(9);
        send(QEvent::MouseButtonPress, b, b, c, r);
        for (int n = below(6); n > 0; --n) {
            c = std::clamp(c + below(3) - 1, 0, 10);
            r = std::clamp(r + below(3) - 1, 0, 10);
            send(QEvent::MouseMove, Qt::NoButton, b, c, r);
        }
        send(QEvent::MouseButtonRelease, b, Qt::NoButton, c, r);
    }

    // A language from the window's menu, as a maker picks one: every open
    // window turns over at once, and the proof is worded again. Nothing
    // given: any entry, the system's default among them.
    void chooseLanguage(const std::optional<QString>& code = std::nullopt) {
        auto* menu = child<QMenu>("languageMenu");
        if (menu == nullptr) return;
        QList<QAction*> entries;
        for (QAction* a : menu->actions())
            if (!a->isSeparator() && (!code || a->data().toString() == *code)) entries.push_back(a);
        if (!entries.isEmpty()) entries.at(below(static_cast<int>(entries.size())))->trigger();
    }

    void setNumber(const char* box, int high) {
        if (auto* spin = child<QSpinBox>(box)) spin->setValue(below(high + 1));
    }

    void rename() {
        auto* name = child<QLineEdit>("packName");
        if (name == nullptr) return;
        name->setFocus();
        QTest::keyClicks(name, QString(QChar('a' + below(26))));
        if (below(2)) QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClick(name, Qt::Key_Return);
    }

    // Saved into a folder of its own and read back as the game reads it; now
    // and then opened again in the window, which starts a fresh history.
    void saveAndReopen() {
        const QString folder = home_.path() + QStringLiteral("/pack%1").arg(++saves_);
        ASSERT_TRUE(window_->saveTo(folder));
        auto read = game::openPack(folder.toStdString());
        ASSERT_TRUE(std::holds_alternative<game::Pack>(read));
        EXPECT_TRUE(samePack(std::get<game::Pack>(read), window_->document().pack()))
            << "saved and read back";
        if (below(2)) {
            ASSERT_TRUE(window_->openFolder(folder));
        }
        noteClean();
    }

    void generate() {
        trigger("generate");
        auto* dialog = window_->findChild<QDialog*>(QStringLiteral("generateDialog"));
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QSpinBox*>()->setValue(below(1000));  // the casts' boxes come later
        // By their roles: their words are those of the language chosen.
        QAbstractButton* start = nullptr;
        QAbstractButton* stop = nullptr;
        for (QAbstractButton* b : dialog->findChild<QDialogButtonBox*>()->buttons()) {
            const auto role = dialog->findChild<QDialogButtonBox*>()->buttonRole(b);
            if (role == QDialogButtonBox::AcceptRole) start = b;
            if (role == QDialogButtonBox::ActionRole) stop = b;
        }
        ASSERT_TRUE(start && stop);
        start->click();
        // A short limit: what is not found by then is stopped.
        if (!waitFor([&] { return start->isEnabled(); }, below(kGenerateWaitMs))) stop->click();
        EXPECT_TRUE(waitFor([&] { return start->isEnabled(); }, 60'000)) << "the generator stops";
        dialog->close();
    }

    // A stage of the pack's as a maker brings it from a chat (line ends
    // changed, a heading, blank lines), or the same cut short before its
    // last line, which is no stage: refused, it changes nothing.
    void paste() {
        const workshop::PackDocument& doc = window_->document();
        const game::StageDesc pasted = doc.stage(below(doc.count()));
        std::string text = workshop::copiedStageText(pasted);
        const bool good = below(3) != 0;
        if (!good)
            text.resize(static_cast<std::size_t>(
                below(static_cast<int>(text.rfind('\n', text.size() - 2)))));
        if (below(2)) text = "[Stage " + std::to_string(1 + below(99)) + "]\n\n" + text;
        if (below(2))
            for (std::size_t at = text.find('\n'); at != std::string::npos;
                 at = text.find('\n', at + 2))
                text.insert(at, "\r");
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
        const game::StageDesc before = window_->stage();
        const int steps = undo()->count(), at = undo()->index();
        refusalsToCome_ = good ? 0 : 1;
        trigger("pasteStage");
        if (!good) {
            EXPECT_EQ(refusalsToCome_, 0) << "text that is no stage pasted";
            EXPECT_EQ(window_->stage(), before) << "a refused paste changed the stage";
            EXPECT_EQ(undo()->count(), steps);
            EXPECT_EQ(undo()->index(), at);
        } else {
            EXPECT_TRUE(sameUpToAnswersToCome(window_->stage(),
                                              [&] {
                                                  game::StageDesc s = pasted;
                                                  s.answer = {};
                                                  return s;
                                              }()))
                << "the pasted stage";
            EXPECT_LE(undo()->index(), at + 1);
        }
        refusalsToCome_ = 0;
    }

    void settleProof() {
        waitFor([&] { return window_->proofPanel()->finished(); }, kProofWaitMs);
    }

    void noteClean() {
        cleanPack_ = window_->document().pack();
        cleanFolder_ = window_->document().folder();
    }

    // Undo back to where the pack was saved or opened gives it back as it was
    // then; redo from there gives what it was before the undo.
    void checkHistory() {
        QUndoStack* u = undo();
        const int clean = u->cleanIndex();
        if (clean < 0) return;  // restored work: there is no saved state to go back to
        const int now = u->index();
        const game::Pack before = window_->document().pack();
        u->setIndex(clean);
        EXPECT_TRUE(samePack(window_->document().pack(), cleanPack_)) << "undone to the save";
        if (!cleanFolder_.empty() && window_->document().folder() == cleanFolder_) {
            auto read = game::openPack(cleanFolder_);
            ASSERT_TRUE(std::holds_alternative<game::Pack>(read));
            EXPECT_TRUE(samePack(std::get<game::Pack>(read), window_->document().pack()))
                << "undone to the save, as the saved files hold it";
        }
        u->setIndex(now);
        EXPECT_TRUE(samePack(window_->document().pack(), before)) << "redone";
    }

    void check() {
        const EditorWindow& w = *window_;
        game::StageDesc plain = w.stage();
        plain.answer = {};
        EXPECT_EQ(w.proofPanel()->provenStage(), plain) << "the proof shown is of another stage";
        EXPECT_EQ(w.stageList()->list()->count(), w.document().count());
        EXPECT_EQ(w.stageList()->list()->currentRow(), w.document().current());
        checkJournal();
    }

    // The one journal in the state folder, the window's own: each window keeps
    // a workshop-N.journal of its own there.
    static std::optional<game::FileResult<workshop::Journal>> readOwnJournal(
        const std::string& folder) {
        std::optional<game::FileResult<workshop::Journal>> found;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(folder, ec)) {
            if (e.path().extension() != ".journal") continue;
            EXPECT_FALSE(found.has_value()) << "a second journal " << e.path();
            std::ostringstream bytes;
            bytes << std::ifstream(e.path(), std::ios::binary).rdbuf();
            found = workshop::parseJournal(bytes.str());
        }
        return found;
    }

    // What the journal holds is the document, or there is none when all is saved.
    void checkJournal() {
        window_->writeJournal();
        const std::string folder = (home_.path() + "/XDG_STATE_HOME/lumora").toStdString();
        auto read = readOwnJournal(folder);
        if (undo()->isClean()) {
            EXPECT_FALSE(read.has_value()) << "a journal of saved work";
            return;
        }
        ASSERT_TRUE(read.has_value()) << "no journal of unsaved work";
        ASSERT_TRUE(std::holds_alternative<workshop::Journal>(*read));
        const auto& j = std::get<workshop::Journal>(*read);
        const workshop::PackDocument& doc = window_->document();
        EXPECT_EQ(j.stages, doc.stages());
        EXPECT_EQ(j.name, doc.info().name);
        EXPECT_EQ(j.selected, doc.current());
    }

    QTemporaryDir home_;
    std::mt19937 rng_;
    qtfront::PictureLibrary pictures_;
    std::unique_ptr<EditorWindow> window_;
    game::Pack cleanPack_;
    std::string cleanFolder_;
    int saves_ = 0;
    int refusalsToCome_ = 0;  // of pasted text that is no stage
    const std::size_t memoryBefore_ = workshop::proofMemoryMB();
    int step_ = 0;
    Act last_ = Act::Stroke;
};

int fromEnvironment(const char* name, int otherwise) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::atoi(value) : otherwise;
}

#ifdef LUMORA_SANITIZED
constexpr int kActionsPerRun = 100;
#else
constexpr int kActionsPerRun = 200;
#endif
constexpr int kRuns = 12;

}  // namespace

// Many short runs rather than one long one: each starts from a fresh
// workshop, the state a new maker meets first. LUMORA_SOAK_RUNS,
// LUMORA_SOAK_ACTIONS and LUMORA_SOAK_FIRST_SEED make a longer soak by hand.
TEST(WorkshopSoak, EveryActionFromEveryState) {
    const int first = fromEnvironment("LUMORA_SOAK_FIRST_SEED", 1);
    const int runs = fromEnvironment("LUMORA_SOAK_RUNS", kRuns);
    const int actions = fromEnvironment("LUMORA_SOAK_ACTIONS", kActionsPerRun);
    for (int seed = first; seed < first + runs && !HasFailure(); ++seed) {
        Soak soak(static_cast<std::uint32_t>(seed));
        soak.run(actions);
        EXPECT_FALSE(HasFailure()) << "seed " << seed << ", " << soak.where();
    }
}
