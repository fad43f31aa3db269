#include "workshop/play_session.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include "game/pack.h"
#include "game/pack_file.h"
#include "game/save_folder.h"
#include "qt/form_window.h"
#include "qt/languages.h"
#include "qt/window_manager.h"
#include "ui/lumora_program.h"
#include "ui/main_window.h"
#include "ui/menu.h"
#include "workshop/click_marker.h"

namespace workshop {
namespace {

// Inside the session's private folder: the one-stage pack and its save.
constexpr const char* kPackFolder = "pack";
constexpr const char* kSaveFolder = "save";
// What pack.ini calls a stage played from the editor.
constexpr const char* kStagePackName = "Workshop stage";

// The menu's modes after a stage: what the game window asked the menu to show.
constexpr std::int16_t kMenuAfterClear = 1;
constexpr std::int16_t kMenuAfterGameOver = 2;

// The stage as it starts stays in sight this long before the first click.
constexpr int kShowLeadInMs = 800;

const QString kTitle = QStringLiteral(" Lumora");

// In a session on one stage the workshop stands where the menu would open:
// the outcome that asks for the menu is noted, and the program ends there.
class BackToWorkshop : public forms::Form {
public:
    explicit BackToWorkshop(forms::Program& program) : Form(program, ui::Menu::kName) {}
    void Form_Load() override { program().end(); }
};

PlaySession::Outcome outcomeOf(std::int16_t menuMode) {
    if (menuMode == kMenuAfterClear) return PlaySession::Outcome::Cleared;
    if (menuMode == kMenuAfterGameOver) return PlaySession::Outcome::Lost;
    return PlaySession::Outcome::Closed;  // Exit
}

}  // namespace

QString outcomeText(PlaySession::Outcome outcome) {
    switch (outcome) {
        case PlaySession::Outcome::Cleared:
            return PlaySession::tr("Cleared");
        case PlaySession::Outcome::Lost:
            return PlaySession::tr("Lost");
        case PlaySession::Outcome::Closed:
            return PlaySession::tr("Closed");
        case PlaySession::Outcome::Failed:
            return PlaySession::tr("Stopped by an error");
    }
    return {};
}

PlaySession::PlaySession(QWidget* workshop, Timing timing)
    : QObject(workshop), workshop_(workshop), timing_(std::move(timing)) {
    if (!timing_.after)
        timing_.after = [this](int ms, std::function<void()> then) {
            QTimer::singleShot(ms, this, std::move(then));
        };
}

PlaySession::~PlaySession() { teardown(); }

std::string PlaySession::folder() const {
    return folder_ != nullptr ? folder_->path().toStdString() : std::string{};
}

bool PlaySession::play(const game::StageDesc& stage) {
    if (!openStage(stage)) return false;
    return running();
}

bool PlaySession::showSolution(const game::StageDesc& stage,
                               const std::vector<game::ScriptStep>& steps) {
    auto parsed = showSteps(steps);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        QMessageBox::warning(
            workshop_, kTitle,
            tr("The solution cannot be shown: %1").arg(QString::fromStdString(*problem)));
        return false;
    }
    if (!openStage(stage)) return false;
    show_ = std::get<std::vector<game::ScriptStep>>(std::move(parsed));
    nextStep_ = 0;
    showDue_ = 0;
    ignorePlayerMouse();
    // The stage stands still in sight until the first click, at game time 0.
    clock_->holdAt(showDue_);
    timing_.after(kShowLeadInMs, [this, generation = generation_] {
        if (generation == generation_) runShow();
    });
    return true;
}

bool PlaySession::playPack(const std::string& folder, int stageCount) {
    stop();
    folder_.reset();
    // The save is the pack's own, a pack file's as much as a folder's.
    const auto save =
        game::packSaveFolder(folder, qEnvironmentVariable("XDG_DATA_HOME").toStdString(),
                             QDir::homePath().toStdString());
    if (const auto* e = std::get_if<game::FileError>(&save)) {
        QMessageBox::critical(workshop_, kTitle, qtfront::phraseText(e->words));
        return false;
    }
    std::string stages = folder;
    if (game::isPackFilePath(folder)) {
        auto copied = copyPackFile(folder);
        if (!copied) return false;
        stages = *copied;
    }
    open(std::make_unique<ui::LumoraProgram>(stages, std::get<std::string>(save),
                                             qtfront::screenTwipsPerPixel(), stageCount),
         false);
    return true;
}

// The game reads a folder of stage files: a pack file's stages are played
// from a copy in the session's own folder, as a single stage is.
std::optional<std::string> PlaySession::copyPackFile(const std::string& file) {
    folder_ = std::make_unique<QTemporaryDir>();
    if (!folder_->isValid()) {
        QMessageBox::critical(
            workshop_, kTitle,
            tr("There is no room to play the stage in: %1").arg(folder_->errorString()));
        return std::nullopt;
    }
    const std::string copy = folder() + "/" + kPackFolder;
    auto read = game::readPackFile(file);
    const auto* e = std::get_if<game::FileError>(&read);
    std::optional<game::FileError> refused =
        e != nullptr ? std::optional(*e)
                     : game::writePack(copy, std::get<game::PackContents>(read).pack);
    if (refused) {
        QMessageBox::critical(workshop_, kTitle, qtfront::phraseText(refused->words));
        return std::nullopt;
    }
    return copy;
}

void PlaySession::stop() {
    if (!running()) return;
    const Outcome outcome = windows_->finished() ? outcome_ : Outcome::Closed;
    teardown();
    emit finished(outcome);
}

// Only this folder is written through the game's file code: the pack, and
// the save the game window keeps as it closes.
bool PlaySession::openStage(const game::StageDesc& stage) {
    stop();
    folder_ = std::make_unique<QTemporaryDir>();
    if (!folder_->isValid()) {
        QMessageBox::critical(
            workshop_, kTitle,
            tr("There is no room to play the stage in: %1").arg(folder_->errorString()));
        return false;
    }
    const std::string root = folder() + "/";
    game::Pack pack;
    pack.info.name = kStagePackName;
    pack.info.stageCount = 1;
    pack.stages = {stage};
    if (auto e = game::writePack(root + kPackFolder, pack)) {
        QMessageBox::critical(workshop_, kTitle, qtfront::phraseText(e->words));
        return false;
    }
    auto game = std::make_unique<ui::LumoraProgram>(root + kPackFolder, root + kSaveFolder,
                                                    qtfront::screenTwipsPerPixel(), 1);
    game->program().registerForm(ui::Menu::kName, [this](forms::Program& p) {
        outcome_ = outcomeOf(game_->bas().MenuMode);
        return std::make_unique<BackToWorkshop>(p);
    });
    open(std::move(game), true);
    return true;
}

void PlaySession::open(std::unique_ptr<ui::LumoraProgram> game, bool onStage) {
    outcome_ = Outcome::Closed;
    game_ = std::move(game);
    ShowClock::Real real = timing_.elapsed;
    if (!real) real = [started = std::make_shared<QElapsedTimer>()] {
        if (!started->isValid()) started->start();
        return started->elapsed();
    };
    clock_ = std::make_unique<ShowClock>(std::move(real));
    qtfront::WindowManager::Hooks hooks;
    hooks.reportError = [this](const QString& message) {
        QMessageBox::critical(workshop_, kTitle, message);
    };
    hooks.tellPlayer = [this](const QString& message) {
        auto* box =
            new QMessageBox(QMessageBox::Warning, kTitle, message, QMessageBox::Ok, workshop_);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
    };
    // The end of the game is not the end of the workshop. It may come from
    // inside a handler of the window about to go, so the session ends after.
    hooks.finish = [this, generation = generation_](int exitCode) {
        QTimer::singleShot(0, this, [this, generation, exitCode] {
            if (generation == generation_) programEnded(exitCode);
        });
    };
    windows_ = std::make_unique<qtfront::WindowManager>(
        *game_, [clock = clock_.get()] { return clock->now(); }, std::move(hooks));
    using Opening = qtfront::WindowManager::Opening;
    windows_->start(onStage ? Opening::Game : Opening::Menu);
}

void PlaySession::programEnded(int exitCode) {
    const Outcome outcome = exitCode != 0 ? Outcome::Failed : outcome_;
    teardown();
    emit finished(outcome);
}

void PlaySession::teardown() {
    ++generation_;
    show_.clear();
    nextStep_ = 0;
    windows_.reset();
    game_.reset();
    clock_.reset();
    if (workshop_ != nullptr) {
        workshop_->raise();
        workshop_->activateWindow();
    }
}

// Each pause moves the next click's game time on; the game waits there for
// it however late the real pause ends.
void PlaySession::runShow() {
    if (running()) clock_->landAt(showDue_);
    while (running() && nextStep_ < show_.size()) {
        const game::ScriptStep step = show_[nextStep_++];
        if (step.kind == game::ScriptStep::Kind::Wait) {
            showDue_ += step.number;
            clock_->holdAt(showDue_);
            timing_.after(static_cast<int>(clock_->until(showDue_)),
                          [this, generation = generation_] {
                              if (generation == generation_) runShow();
                          });
            return;
        }
        land(step);
    }
}

// Through the window manager, as the player's presses go: the ticks due by
// now run first, so the click meets the board as it stands on screen.
void PlaySession::land(const game::ScriptStep& step) {
    ui::MainWindow* win = game_->gameWindow();
    if (win == nullptr || !windows_->catchUpFor(win)) return;
    using Kind = qtfront::MouseDelivery::Kind;
    constexpr const char* kTile = "Tile";
    const int cell = static_cast<int>(step.number);
    if (step.kind != game::ScriptStep::Kind::Up) {
        if (const forms::Control* tile = win->find(kTile, cell))
            markClick(windows_->widget(ui::MainWindow::kName), qtfront::pixelRect(*tile),
                      step.button);
        windows_->deliver(*win, {Kind::MouseDown, kTile, cell, step.button});
    }
    if (step.kind != game::ScriptStep::Kind::Down && windows_->catchUpFor(win))
        windows_->deliver(*win, {Kind::MouseUp, kTile, cell, step.button});
}

// The show owns the board: a press of the player's would meet a board the
// solution does not expect. Closing the window still ends it.
void PlaySession::ignorePlayerMouse() {
    if (windows_ == nullptr) return;
    if (QWidget* w = windows_->widget(ui::MainWindow::kName)) w->installEventFilter(this);
}

bool PlaySession::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return !show_.empty();
        default:
            return QObject::eventFilter(watched, event);
    }
}

}  // namespace workshop
