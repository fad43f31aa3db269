#include "workshop/live_proof.h"

#include <QDockWidget>
#include <QMessageBox>
#include <QScrollArea>

#include "workshop/pack_keeper.h"
#include "workshop/play_session.h"
#include "workshop/proof_panel.h"

namespace workshop {
namespace {

constexpr int kProofMinWidth = 300;  // the verdict and a figure on one line, mostly

}  // namespace

LiveProof::LiveProof(qtfront::PictureLibrary& pictures, QDockWidget* dock, PackKeeper& pack,
                     PlaySession* play)
    : QObject(dock), pack_(pack), play_(play), panel_(new ProofPanel(pictures, dock)) {
    auto* scroll = new QScrollArea(dock);
    scroll->setWidget(panel_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // The figures wrap to the dock's width rather than hide past its edge.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(kProofMinWidth);
    dock->setWidget(scroll);

    connect(panel_, &ProofPanel::answerChosen, this,
            [this](const AnswerMarks& answer, bool chosen) {
                if (!chosen) {
                    pack_.takeAnswer(answer);
                    return;
                }
                if (auto edit = setAnswer(pack_.stage(), answer)) pack_.push(*edit);
            });
    connect(panel_, &ProofPanel::solutionSettled, this, [this] {
        if (showWhenSolved_) showKnownSolution();
    });
    panel_->prove(pack_.stage());
}

void LiveProof::showSolution() {
    if (panel_->solutionKnown()) {
        showKnownSolution();
        return;
    }
    showWhenSolved_ = true;
    emit waiting(tr("Looking for the shortest solution…"));
}

void LiveProof::showKnownSolution() {
    showWhenSolved_ = false;
    emit waiting(QString());
    if (panel_->solutionScript().empty()) {
        QMessageBox::information(panel_->window(), tr("Show Solution"), panel_->whyNoSolution());
        return;
    }
    play_->showSolution(pack_.stage(), panel_->solutionScript());
}

}  // namespace workshop
