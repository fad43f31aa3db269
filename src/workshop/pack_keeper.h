#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

#include "workshop/core/editing.h"
#include "workshop/core/pack_document.h"
#include "workshop/core/pack_edits.h"
#include "workshop/core/pack_solutions.h"

class QUndoStack;
class QWidget;

namespace workshop {

// The pack a workshop window edits: the document, its one undo stack, every
// edit of a stage or of the pack as an undo step, and the pack's files. It
// shows nothing itself; the window shows what its signals tell.
class PackKeeper : public QObject {
    Q_OBJECT
public:
    // `window` is the parent of its dialogs and of the keeper itself.
    explicit PackKeeper(QWidget* window);

    const PackDocument& document() const { return doc_; }
    const game::StageDesc& stage() const { return doc_.currentStage(); }
    QUndoStack* undoStack() const { return undo_; }
    // Names every undo step anew, in the language installed now.
    void rewordSteps();

    // Where failures are told; a message box unless replaced (by a test).
    using ErrorReporter = std::function<void(const QString& title, const QString& text)>;
    void setErrorReporter(ErrorReporter report) { reportError_ = std::move(report); }
    const ErrorReporter& errorReporter() const { return reportError_; }
    void tellError(const QString& title, const QString& text);

    // A stage edit of the stage shown, as an undo step.
    void push(const Edit& edit);
    // Puts a whole new stage in place of the one shown, as one undo step.
    void replaceStage(const game::StageDesc& stage, const game::Phrase& description);
    // The answer a proof gives a stage that has none: no undo step of its
    // own, it follows from the edit that left the stage without one.
    void takeAnswer(const AnswerMarks& answer);
    // Shows another stage of the pack; not an edit.
    void select(int index);

    // The pack's own edits, each an undo step.
    void addStage() { pushPackEdit(addStageEdit(doc_)); }
    void duplicateStage() { pushPackEdit(duplicateStageEdit(doc_)); }
    void deleteStage() { pushPackEdit(deleteStageEdit(doc_)); }
    void moveStage(int from, int to) { pushPackEdit(moveStageEdit(doc_, from, to)); }
    void moveShown(int by) { moveStage(doc_.current(), doc_.current() + by); }
    void editInfo(const game::PackInfo& info) { pushPackEdit(infoEdit(doc_, info)); }

    // Where a save finds the solution of each stage (the pack's proofs);
    // without it a pack is saved with none.
    void setSolutionSource(SolutionOf source) { solutionOf_ = std::move(source); }

    // The files. A failure is told and changes nothing. A pack is a folder
    // or a pack file, and is saved again in the form it came in.
    void newPack();
    void openFile();
    void openFolder();
    void openRecent(const QString& path);
    bool openPath(const QString& path);
    bool openGameStages();
    bool save();
    bool saveAsFile();
    bool saveAsFolder();
    // Every stage's solution known goes with it; a pack file without one for
    // some stage is saved only when the maker says so.
    bool saveTo(const QString& path, PackForm form = PackForm::Folder);
    // Whether unsaved edits may go: asks, offering to save, when there are any.
    bool mayDiscard();
    // Work that is not saved anywhere (a journal's, say) in place of the pack.
    void adoptUnsaved(PackDocument doc);
    // The packs opened or saved lately, newest first; gone ones are forgotten.
    QStringList recentPacks() const;
    // The pack's name for the window's title.
    QString title() const;

signals:
    // One stage's contents changed, or another stage is shown: `index` is the
    // stage to show again in the list, and the shown one goes to the board.
    void stageUpdated(int index);
    // The pack as a whole: its list, its name or the document itself.
    void packReplaced();
    // The shown stage took an answer quietly; only the proof needs to know.
    void answerTaken();
    // The pack is in its folder or its file now, whole.
    void saved();
    // A pack was opened, with the solutions it carries (empty texts for none).
    void opened(const game::PackContents& contents);
    // Saved, or opened from a folder: the title and the recent packs change.
    void filed();

private:
    void pushPackEdit(std::optional<PackEdit> edit);
    void setDocument(PackDocument doc);
    void rememberRecent(const QString& path);
    // Where a file dialog starts: the folder the pack being edited is in.
    QString besidePack() const;
    // Whether the maker lets a pack file go without the solutions it lacks.
    bool mayGoWithout(const std::vector<StageWithout>& without);

    QWidget* window_;
    PackDocument doc_;
    QUndoStack* undo_;
    ErrorReporter reportError_;
    SolutionOf solutionOf_;
};

}  // namespace workshop
