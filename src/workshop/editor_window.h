#pragma once

#include <QMainWindow>

#include "game/stage_desc.h"
#include "workshop/core/editing.h"

class QActionGroup;
class QMenu;
class QSpinBox;
class QUndoStack;

namespace qtfront {
class PictureLibrary;
}

namespace workshop {

class BoardView;
class PlaySession;
class ProofPanel;
class SolutionFinder;

// The workshop's main window: the board with its palette, the target and
// starting magic, the undo stack, and places for the pack's stage list and
// the proof.
class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit EditorWindow(qtfront::PictureLibrary& pictures, QWidget* parent = nullptr);

    const game::StageDesc& stage() const { return stage_; }
    QUndoStack* undoStack() const { return undo_; }
    BoardView* board() const { return board_; }
    QWidget* proofArea() const { return proofArea_; }
    QWidget* stageListArea() const { return stageListArea_; }
    PlaySession* playSession() const { return play_; }
    // Puts a whole new stage in place of the one being edited (a generated
    // one, say), as one undo step.
    void replaceStage(const game::StageDesc& stage, const QString& description);
    ProofPanel* proofPanel() const { return proofPanel_; }

signals:
    // After every edit, undo and redo: the stage as it now is, to be proven.
    void stageChanged(const game::StageDesc& stage);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void makeCentralArea();
    void makeDocks();
    void makeProofPanel();  // editor_window_proof.cpp
    // The answer a proof gives a stage that has none: no undo step of its own,
    // it follows from the edit that left the stage without one.
    void takeAnswer(const AnswerMarks& answer, bool chosen);
    void makeMenus();  // editor_window_menus.cpp
    void makeFileMenu();
    void makeStageMenu();
    void makePlayCommands(QMenu* stage);
    void restoreSettings();
    void saveSettings() const;

    void push(const Edit& edit);
    void apply(const game::StageDesc& stage);
    void chooseKind(Kind kind);
    void newStage();
    void notYet(const QString& what);
    void about();
    // Whether unsaved edits may go: asks when there are any.
    bool mayDiscard();

    qtfront::PictureLibrary& pictures_;
    game::StageDesc stage_;
    QUndoStack* undo_ = nullptr;
    BoardView* board_ = nullptr;
    QSpinBox* target_ = nullptr;
    QSpinBox* magic_ = nullptr;
    QActionGroup* kinds_ = nullptr;
    QWidget* proofArea_ = nullptr;
    ProofPanel* proofPanel_ = nullptr;
    QWidget* stageListArea_ = nullptr;
    PlaySession* play_ = nullptr;
    SolutionFinder* finder_ = nullptr;
};

}  // namespace workshop
