#pragma once

#include <QObject>
#include <QPointer>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/stage_desc.h"
#include "qt/realtime_clock.h"
#include "workshop/show_clock.h"
#include "workshop/show_script.h"

class QWidget;

namespace qtfront {
class WindowManager;
}
namespace ui {
class LumoraProgram;
}

namespace workshop {

// The real game, in the workshop's own process, on the stage being edited or
// on a pack. At most one runs at a time; a new one closes the last. Its end,
// whatever it is, leaves the workshop running.
class PlaySession : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Cleared, Lost, Closed, Failed };

    // Where time comes from: the game's clock reads `elapsed` and the show's
    // pauses wait with `after`; both follow the real clock when empty.
    struct Timing {
        qtfront::ClockDriver::Elapsed elapsed;
        std::function<void(int ms, std::function<void()> then)> after;
    };

    explicit PlaySession(QWidget* workshop, Timing timing = {});
    ~PlaySession() override;

    // Opens the game window on the stage, played from a pack of its own in a
    // private folder with its save beside it. False when it could not start.
    bool play(const game::StageDesc& stage);
    // As play(), then clicks the script's steps in time, each click marked on
    // the board as it lands. The player's mouse is ignored on the board while
    // the show runs; closing the window ends it.
    bool showSolution(const game::StageDesc& stage, const std::vector<game::ScriptStep>& steps);
    // Opens the game's menu on a pack folder, its save in the player's own
    // data folder for that pack, as the game plays its own stages.
    bool playPack(const std::string& folder, int stageCount);
    // Closes the game windows; finished() tells Closed.
    void stop();

    bool running() const { return windows_ != nullptr; }
    // The private folder of the last play or show; empty for a pack.
    std::string folder() const;
    qtfront::WindowManager* windows() const { return windows_.get(); }
    ui::LumoraProgram* game() const { return game_.get(); }

signals:
    void finished(workshop::PlaySession::Outcome outcome);

private:
    bool openStage(const game::StageDesc& stage);
    // A copy of a pack file's stages in the session's folder; nothing when told why not.
    std::optional<std::string> copyPackFile(const std::string& file);
    void open(std::unique_ptr<ui::LumoraProgram> game, bool onStage);
    void outcomeNoted(std::int16_t menuMode);
    void programEnded(int exitCode);
    void teardown();
    void runShow();
    void land(const game::ScriptStep& step);
    void ignorePlayerMouse();
    bool eventFilter(QObject* watched, QEvent* event) override;

    QPointer<QWidget> workshop_;
    Timing timing_;
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<ui::LumoraProgram> game_;
    std::unique_ptr<qtfront::WindowManager> windows_;
    Outcome outcome_ = Outcome::Closed;
    std::unique_ptr<ShowClock> clock_;  // the game's time, real but for a show
    std::vector<game::ScriptStep> show_;
    std::size_t nextStep_ = 0;
    std::int64_t showDue_ = 0;  // the game time the next click of the show is due at
    int generation_ = 0;  // which session a pending show step belongs to
};

// How the status bar names an outcome.
QString outcomeText(PlaySession::Outcome outcome);

}  // namespace workshop
