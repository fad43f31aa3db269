#pragma once

#include <QMainWindow>
#include <functional>

#include "game/stage_desc.h"
#include "workshop/core/journal.h"
#include "workshop/pack_keeper.h"

class QAction;
class QMenu;
class QUndoStack;

namespace qtfront {
class PictureLibrary;
}

namespace workshop {

class BoardView;
class JournalKeeper;
class LiveProof;
class LiveTexts;
class PackView;
class PlaySession;
class ProofPanel;
class StageDrawing;
class StageList;

// The workshop's main window. It lays out and ties together the parts that
// each own one concern: the pack with its undo stack and files
// (PackKeeper), the stage being drawn (StageDrawing), the live proof
// (LiveProof) and the journal of unsaved work (JournalKeeper); beside them
// the pack's list of stages and its table and curve.
class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit EditorWindow(qtfront::PictureLibrary& pictures, QWidget* parent = nullptr);
    ~EditorWindow() override;

    // The stage being edited now: the pack's shown stage.
    const game::StageDesc& stage() const { return pack_->stage(); }
    const PackDocument& document() const { return pack_->document(); }
    QUndoStack* undoStack() const { return pack_->undoStack(); }
    PackKeeper* pack() const { return pack_; }
    BoardView* board() const;
    PlaySession* playSession() const { return play_; }
    ProofPanel* proofPanel() const;
    StageList* stageList() const { return stageList_; }
    PackView* packView() const { return packView_; }
    // Puts a whole new stage in place of the one being edited (a generated
    // one, say), as one undo step.
    void replaceStage(const game::StageDesc& stage, const game::Phrase& description) {
        pack_->replaceStage(stage, description);
    }
    // Shows another stage of the pack; not an edit.
    void selectStage(int index) { pack_->select(index); }

    // File ▸ Open, Open the Game's Stages and Save As without their
    // dialogs: a pack folder, or a pack file. A failure is told and changes
    // nothing.
    bool openPath(const QString& path) { return pack_->openPath(path); }
    bool openFolder(const QString& folder) { return pack_->openPath(folder); }
    bool openGameStages() { return pack_->openGameStages(); }
    bool saveTo(const QString& folder) { return pack_->saveTo(folder, PackForm::Folder); }
    bool saveToFile(const QString& file) { return pack_->saveTo(file, PackForm::File); }

    // Edit ▸ Copy Stage and Paste Stage: the shown stage as the text of its
    // file, and a stage from such text in its place, as one undo step. Text
    // that is no stage is told and changes nothing.
    void copyStage();
    void pasteStage();

    // Where failures are told; a message box unless replaced (by a test).
    void setErrorReporter(PackKeeper::ErrorReporter report) {
        pack_->setErrorReporter(std::move(report));
    }

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
    void makeDocks();
    void connectParts();
    void makeJournal();  // editor_window_journal.cpp
    // Puts a journal's work in this window and keeps it in this window's own
    // journal; false when it could not be kept there.
    bool takeJournal(const Journal& journal);
    void makeMenus();  // editor_window_menus.cpp
    // A menu of the menu bar and an entry of a menu, their words (marked with
    // QT_TR_NOOP) following the language.
    QMenu* liveMenu(const char* title);
    QAction* liveAction(QMenu* menu, const char* text);
    void makeFileMenu();
    void makeClipboardCommands(QMenu* edit);  // editor_window_clipboard.cpp
    void makeStageMenu();
    void makePlayCommands(QMenu* stage);
    void makePackMenu();
    void fillRecentMenu();
    void restoreSettings();
    void saveSettings() const;

    void showStage(int index);
    void showCurrent();
    void showPack();
    void updateTitle();
    // Settings ▸ Proof Memory: what each search of a proof may take.
    void askProofMemory();
    void setProofMemory(int megabytes);
    void about();

    qtfront::PictureLibrary& pictures_;
    PackKeeper* pack_;
    StageDrawing* drawing_ = nullptr;
    StageList* stageList_ = nullptr;
    PackView* packView_ = nullptr;
    PlaySession* play_ = nullptr;
    LiveProof* proof_ = nullptr;
    JournalKeeper* journal_ = nullptr;
    LiveTexts* texts_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QAction* save_ = nullptr;
    QAction* addStage_ = nullptr;
    QAction* duplicateStage_ = nullptr;
    QAction* deleteStage_ = nullptr;
    QAction* moveUp_ = nullptr;
    QAction* moveDown_ = nullptr;
};

}  // namespace workshop
