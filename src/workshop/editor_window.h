#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>

#include "game/stage_desc.h"
#include "workshop/core/editing.h"
#include "workshop/core/journal.h"
#include "workshop/core/pack_document.h"
#include "workshop/core/pack_edits.h"

class QAction;
class QActionGroup;
class QMenu;
class QSpinBox;
class QTimer;
class QUndoStack;

namespace qtfront {
class PictureLibrary;
}

namespace workshop {

class BoardView;
class PackView;
class PlaySession;
class ProofPanel;
class JournalKeeper;
class StageList;

// The workshop's main window: a pack of stages, the one shown on the board
// with its palette, the target and starting magic; the pack's list of stages
// with its name, author and licence; the pack's stage table and curve; one
// undo stack for all of it; and a place for the proof.
class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit EditorWindow(qtfront::PictureLibrary& pictures, QWidget* parent = nullptr);
    ~EditorWindow() override;

    // The stage being edited now: the pack's shown stage.
    const game::StageDesc& stage() const { return doc_.currentStage(); }
    const PackDocument& document() const { return doc_; }
    QUndoStack* undoStack() const { return undo_; }
    BoardView* board() const { return board_; }
    QWidget* proofArea() const { return proofArea_; }
    QWidget* stageListArea() const;
    PlaySession* playSession() const { return play_; }
    ProofPanel* proofPanel() const { return proofPanel_; }
    StageList* stageList() const { return stageList_; }
    PackView* packView() const { return packView_; }
    // Puts a whole new stage in place of the one being edited (a generated
    // one, say), as one undo step.
    void replaceStage(const game::StageDesc& stage, const QString& description);
    // Shows another stage of the pack; not an edit.
    void selectStage(int index);

    // File ▸ Open, Open the Game's Stages and Save As without their
    // dialogs. A failure is told and changes nothing.
    bool openFolder(const QString& folder);
    bool openGameStages();
    bool saveTo(const QString& folder);

    // Where failures are told; a message box unless replaced (by a test).
    using ErrorReporter = std::function<void(const QString& title, const QString& text)>;
    void setErrorReporter(ErrorReporter report) { reportError_ = std::move(report); }

    // Pack ▸ Play Pack: plays the saved pack; the game window answers
    // playPackRequested.
    void playPack();

    // Offers back, one by one, the work of every workshop that ended without
    // saving it (`ask` answers whether to). The first taken comes back in this
    // window, each other one in a window of its own; true when one came here.
    bool restoreJournal(const std::function<bool(const QString&)>& ask);
    // Writes the journal of unsaved work now (a moment after each edit burst otherwise).
    void writeJournal();

signals:
    // After every edit, undo and redo and every change of the stage shown:
    // the stage being edited now, to be proven.
    void stageChanged(const game::StageDesc& stage);
    void playPackRequested(const QString& folder, int count);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void makeCentralArea();
    void makeDocks();
    void makeProofPanel();  // editor_window_proof.cpp
    void makeJournal();     // editor_window_journal.cpp
    void dropJournal();
    // Puts a journal's work in this window and keeps it in this window's own
    // journal; false when it could not be kept there.
    bool takeJournal(const Journal& journal);
    // The answer a proof gives a stage that has none: no undo step of its own,
    // it follows from the edit that left the stage without one.
    void takeAnswer(const AnswerMarks& answer, bool chosen);
    // Stage ▸ Show Solution: plays the live proof's solution, once it has one.
    void showSolution();
    void showKnownSolution();
    void makeMenus();  // editor_window_menus.cpp
    void makeFileMenu();
    void makeStageMenu();
    void makePlayCommands(QMenu* stage);
    void makePackMenu();
    void fillRecentMenu();
    void restoreSettings();
    void saveSettings() const;

    void push(const Edit& edit);
    void applyStage(int index, const game::StageDesc& stage);
    void showCurrent();
    void showPack();
    void updateTitle();
    void chooseKind(Kind kind);
    void about();

    // The pack's own edits (editor_window_pack.cpp), each an undo step.
    void pushPackEdit(std::optional<PackEdit> edit);
    void addStage();
    void duplicateStage();
    void deleteStage();
    void moveStage(int from, int to);
    void moveShown(int by);
    void editInfo(const game::PackInfo& info);

    // The files (editor_window_pack.cpp).
    void newPack();
    void open();
    void openRecent(const QString& folder);
    bool save();
    bool saveAs();
    void setDocument(PackDocument doc);
    void rememberRecent(const QString& folder);
    void tellError(const QString& title, const QString& text);
    // Whether unsaved edits may go: asks, offering to save, when there are any.
    bool mayDiscard();

    qtfront::PictureLibrary& pictures_;
    PackDocument doc_;
    QUndoStack* undo_ = nullptr;
    BoardView* board_ = nullptr;
    QSpinBox* target_ = nullptr;
    QSpinBox* magic_ = nullptr;
    QActionGroup* kinds_ = nullptr;
    QWidget* proofArea_ = nullptr;
    ProofPanel* proofPanel_ = nullptr;
    JournalKeeper* journal_ = nullptr;
    PlaySession* play_ = nullptr;
    bool showWhenSolved_ = false;  // Show Solution waits for the proof under way
    StageList* stageList_ = nullptr;
    PackView* packView_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QAction* save_ = nullptr;
    QAction* addStage_ = nullptr;
    QAction* duplicateStage_ = nullptr;
    QAction* deleteStage_ = nullptr;
    QAction* moveUp_ = nullptr;
    QAction* moveDown_ = nullptr;
    ErrorReporter reportError_;
};

}  // namespace workshop
