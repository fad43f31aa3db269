// The proof panel in its dock, and what it hands back to the editor.
#include <QDockWidget>
#include <QMessageBox>
#include <QScrollArea>
#include <QStatusBar>
#include <QUndoStack>

#include "workshop/board_view.h"
#include "workshop/edit_command.h"
#include "workshop/editor_window.h"
#include "workshop/pack_view.h"
#include "workshop/play_session.h"
#include "workshop/proof_panel.h"
#include "workshop/stage_list.h"

namespace workshop {
namespace {

constexpr int kProofMinWidth = 300;  // the verdict and a figure on one line, mostly

}  // namespace

void EditorWindow::makeProofPanel() {
    auto* dock = proofArea_->parentWidget();
    proofPanel_ = new ProofPanel(pictures_, dock);
    auto* scroll = new QScrollArea(dock);
    scroll->setWidget(proofPanel_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // The figures wrap to the dock's width rather than hide past its edge.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(kProofMinWidth);
    static_cast<QDockWidget*>(dock)->setWidget(scroll);
    proofArea_->deleteLater();
    proofArea_ = proofPanel_;
    connect(this, &EditorWindow::stageChanged, proofPanel_, &ProofPanel::prove);
    connect(proofPanel_, &ProofPanel::answerChosen, this, &EditorWindow::takeAnswer);
    connect(proofPanel_, &ProofPanel::markCell, board_, &BoardView::setMarkedCell);
    // The pack's table takes the shown stage's row from this proof: one
    // proof of it, not two racing for the same two cores.
    connect(
        proofPanel_, &ProofPanel::proved, packView_,
        [this](const game::StageDesc& s, const StageProof& p) { packView_->learn(s, p.proof); });
    connect(proofPanel_, &ProofPanel::solutionSettled, this, [this] {
        board_->announce(proofPanel_->verdict());  // for a screen reader, as it arrives
        if (showWhenSolved_) showKnownSolution();
    });
    proofPanel_->prove(stage());
}

void EditorWindow::takeAnswer(const AnswerMarks& answer, bool chosen) {
    if (chosen) {
        if (auto edit = setAnswer(stage(), answer)) push(*edit);
        return;
    }
    // Taken quietly, so it must not come back as a change: an answer equal to
    // the one the stage holds (no marks on a board with no blocks, say) would
    // send the proof round again and again.
    if (answer == stage().answer) return;
    game::StageDesc taken = stage();
    taken.answer = answer;
    doc_.setStage(doc_.current(), taken);
    emit stageChanged(stage());
}

// The live proof has the shortest solution of the stage shown, or is about to
// have it: Show Solution proves nothing again.
void EditorWindow::showSolution() {
    if (proofPanel_->solutionKnown()) {
        showKnownSolution();
        return;
    }
    showWhenSolved_ = true;
    statusBar()->showMessage(tr("Looking for the shortest solution…"));
}

void EditorWindow::showKnownSolution() {
    showWhenSolved_ = false;
    statusBar()->clearMessage();
    if (proofPanel_->solutionScript().empty()) {
        QMessageBox::information(this, tr("Show Solution"), proofPanel_->whyNoSolution());
        return;
    }
    play_->showSolution(stage(), proofPanel_->solutionScript());
}

}  // namespace workshop
