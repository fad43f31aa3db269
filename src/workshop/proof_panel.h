#pragma once

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "game/stage_desc.h"
#include "workshop/core/stage_proof.h"

class QLabel;
class QPushButton;
class QTimer;

namespace qtfront {
class PictureLibrary;
}

namespace workshop {

class LiveTexts;

class AnswerView;

// Proves the stage after every edit on a thread of its own and shows what the
// proof says as soon as it says it: the verdict first, the analysis after. A
// proof that runs long shows its progress and can be stopped. The final
// boards are the stage's possible answers: the designer steps through them
// and chooses the one the mini-map shows.
class ProofPanel : public QWidget {
    Q_OBJECT
public:
    explicit ProofPanel(qtfront::PictureLibrary& pictures, QWidget* parent = nullptr);
    ~ProofPanel() override;

    // The stage as it now is. A change of the answer alone proves nothing again.
    void prove(const game::StageDesc& stage);

    // Whether the newest proof has said if there is a solution; then its
    // script, or why there is none.
    bool solutionKnown() const { return settled_; }
    // The shortest solution's steps; none while there is no solution.
    const std::vector<game::ScriptStep>& solutionScript() const { return script_; }
    const QString& whyNoSolution() const { return noSolution_; }
    // Whether the newest proof has ended, its analysis shown.
    bool finished() const { return proved_; }
    // The stage the figures shown are of, without its answer.
    const game::StageDesc& provenStage() const { return proving_; }
    // What the verdict line says now.
    QString verdict() const;

signals:
    // The designer chose an answer (`chosen`), or the stage had none and the
    // proof gives the shortest solution's.
    void answerChosen(const workshop::AnswerMarks& answer, bool chosen);
    // A cell a walk can leave the board from; (0, 0) for none.
    void markCell(int c, int r);
    // The verdict and the whole analysis arrived, for the benchmark and tests.
    void verdictShown();
    // The newest proof now knows its solution, or that there is none.
    void solutionSettled();
    // The whole proof of `stage` (without its answer) has ended.
    void proved(const game::StageDesc& stage, const workshop::StageProof& proof);
    void analysisShown();
    // A proof started searching (true), or ended or was stopped (false).
    void searching(bool on);

protected:
    void changeEvent(QEvent* event) override;

private:
    void build();
    void showVerdict(std::uint64_t generation, const StageVerdict& verdict);
    void showVerdictLine(const solver::StageReport& report, bool first);
    void showFigures(const solver::StageReport& report, bool first);
    void showResult(std::uint64_t generation, const StageProof& result);
    void showProblem(const QString& problem);
    void showAnswers();
    void stepAnswer(int by);
    void tick();
    void stop();
    void setSearching(bool on);
    void clearFigures();
    void setRow(int row, const QString& text);

    qtfront::PictureLibrary& pictures_;
    std::unique_ptr<StageProofScheduler> scheduler_;
    game::StageDesc proving_;  // the stage of the newest proof, without its answer
    game::StageDesc current_;  // with the answer it holds
    bool proved_ = false;      // the newest proof has finished
    std::vector<game::ScriptStep> script_;
    QString noSolution_;
    bool settled_ = false;
    std::vector<AnswerMarks> answers_;
    int answerIndex_ = 0;

    QLabel* verdict_ = nullptr;
    std::vector<QLabel*> rows_;
    QLabel* progress_ = nullptr;
    QPushButton* stop_ = nullptr;
    QTimer* ticker_ = nullptr;
    AnswerView* answerView_ = nullptr;
    QLabel* answerLabel_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* use_ = nullptr;
    int ticks_ = 0;
    bool asked_ = false;  // a stage was given to prove
    int wordedAt_ = 0;    // the language changes seen when the proof began
    LiveTexts* texts_ = nullptr;
};

}  // namespace workshop
