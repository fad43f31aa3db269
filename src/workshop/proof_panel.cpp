#include "workshop/proof_panel.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "qt/languages.h"
#include "qt/picture_library.h"
#include "solver/moves.h"
#include "solver/validate.h"
#include "workshop/live_texts.h"
#include "workshop/wording.h"

namespace workshop {
namespace {

// How often the progress is shown, and after how many of those the Stop
// button appears: a proof that ends sooner never shows it.
constexpr int kTickMs = 100;
constexpr int kTicksBeforeStop = 3;
// The least room a figure has beside its name, in characters.
constexpr int kFigureChars = 22;

// The figures under the verdict, in the order shown.
enum Row { LeastMagic, Solution, Requires, EarlyCount, FinalBoards, LeavesBoard, kRowCount };
constexpr const char* kRowNames[kRowCount] = {
    QT_TRANSLATE_NOOP("workshop::ProofPanel", "Least starting magic:"),
    QT_TRANSLATE_NOOP("workshop::ProofPanel", "Shortest solution:"),
    QT_TRANSLATE_NOOP("workshop::ProofPanel", "Moves it requires:"),
    QT_TRANSLATE_NOOP("workshop::ProofPanel", "Early count rule:"),
    QT_TRANSLATE_NOOP("workshop::ProofPanel", "Final boards:"),
    QT_TRANSLATE_NOOP("workshop::ProofPanel", "Leaves the board:"),
};

const QColor kGood(0x1B, 0x7A, 0x2E);
const QColor kGrid(0xE4, 0xE4, 0xE4);
const QColor kBad(0xB0, 0x1E, 0x1E);

game::StageDesc withoutAnswer(game::StageDesc stage) {
    stage.answer = {};
    return stage;
}

}  // namespace

// A final board, small: the pictures the board shows, the answer's blocks
// among them, so the designer sees what the mini-map will mark.
class AnswerView : public QWidget {
public:
    static constexpr int kCell = 16;
    AnswerView(qtfront::PictureLibrary& pictures, QWidget* parent)
        : QWidget(parent), pictures_(pictures) {
        setFixedSize(kCell * game::kBoardSide, kCell * game::kBoardSide);
    }
    void show(const game::StageDesc& stage, const AnswerMarks* answer) {
        stage_ = stage;
        answer_ = answer != nullptr ? std::optional(*answer) : std::nullopt;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), answer_ ? Qt::white : palette().window().color());
        if (!answer_) return;
        p.setPen(kGrid);
        for (int i = 0; i <= game::kBoardSide; ++i) {
            p.drawLine(i * kCell, 0, i * kCell, height());
            p.drawLine(0, i * kCell, width(), i * kCell);
        }
        for (int r = 1; r <= game::kBoardSide; ++r)
            for (int c = 1; c <= game::kBoardSide; ++c) {
                const QRect cell((c - 1) * kCell, (r - 1) * kCell, kCell, kCell);
                const auto mark = (*answer_)[static_cast<std::size_t>(game::boardIndex(c, r))];
                // A cell of the answer is drawn as the block it must hold.
                const std::optional<game::CellKind> kind = mark == game::AnswerMark::Answer
                                                               ? game::CellKind::Block
                                                               : game::kindShown(mark);
                if (!kind) continue;
                const std::string name(game::cellInfo(*kind).picture);
                if (const QPixmap* pixmap = pictures_.find("MainWindow", name))
                    p.drawPixmap(cell, *pixmap);
                if (mark == game::AnswerMark::Answer) {  // what the player must make
                    p.setPen(QPen(Qt::white, 1));
                    p.drawRect(cell.adjusted(0, 0, -1, -1));
                }
            }
    }

private:
    qtfront::PictureLibrary& pictures_;
    game::StageDesc stage_;
    std::optional<AnswerMarks> answer_;
};

ProofPanel::ProofPanel(qtfront::PictureLibrary& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures) {
    setObjectName(QStringLiteral("proofPanel"));
    build();
    // The scheduler calls back on its own thread; each value is handed to this
    // thread, where a newer edit may already have made it stale.
    scheduler_ = std::make_unique<StageProofScheduler>(
        [](const game::StageDesc& stage, solver::ProofControl& control,
           const StageProofScheduler::ReportVerdict& verdict) {
            return proveStage(stage, control, verdict);
        },
        [this](std::uint64_t g, const StageVerdict& v) {
            QMetaObject::invokeMethod(
                this, [this, g, v] { showVerdict(g, v); }, Qt::QueuedConnection);
        },
        [this](std::uint64_t g, const StageProof& r) {
            QMetaObject::invokeMethod(
                this, [this, g, r] { showResult(g, r); }, Qt::QueuedConnection);
        });
}

// The scheduler goes first: its thread may still hand values to this panel.
ProofPanel::~ProofPanel() { scheduler_.reset(); }

void ProofPanel::build() {
    texts_ = new LiveTexts(this);
    auto* layout = new QVBoxLayout(this);
    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("verdict"));
    verdict_->setWordWrap(true);
    QFont big = verdict_->font();
    big.setPointSizeF(big.pointSizeF() * 1.25);
    big.setBold(true);
    verdict_->setFont(big);
    layout->addWidget(verdict_);

    auto* progressRow = new QHBoxLayout;
    progress_ = new QLabel(this);
    progress_->setWordWrap(true);
    stop_ = new QPushButton(this);
    texts_->add([this] { stop_->setText(tr("Stop")); });
    stop_->setObjectName(QStringLiteral("stopProof"));
    stop_->hide();
    progressRow->addWidget(progress_, 1);
    progressRow->addWidget(stop_);
    layout->addLayout(progressRow);
    connect(stop_, &QPushButton::clicked, this, &ProofPanel::stop);

    auto* figures = new QFormLayout;
    // A figure whose name leaves it too little room (French, Portuguese) goes
    // under its name rather than into a sliver beside it, which the dock's
    // scroll area would squeeze to a line.
    figures->setRowWrapPolicy(QFormLayout::WrapLongRows);
    for (int i = 0; i < kRowCount; ++i) {
        auto* value = new QLabel(this);
        value->setWordWrap(true);
        value->setMinimumWidth(value->fontMetrics().averageCharWidth() * kFigureChars);
        value->setObjectName(QStringLiteral("proofRow%1").arg(i));
        auto* name = new QLabel(this);
        texts_->add([name, i] { name->setText(tr(kRowNames[i])); });
        name->setBuddy(value);
        figures->addRow(name, value);
        rows_.push_back(value);
    }
    layout->addLayout(figures);

    auto* answerTitle = new QLabel(this);
    texts_->add([answerTitle] {
        answerTitle->setText(tr("<b>Answer</b> (the board the mini-map shows)"));
    });
    layout->addWidget(answerTitle);
    answerView_ = new AnswerView(pictures_, this);
    layout->addWidget(answerView_, 0, Qt::AlignHCenter);
    answerLabel_ = new QLabel(this);
    answerLabel_->setAlignment(Qt::AlignHCenter);
    answerLabel_->setWordWrap(true);
    layout->addWidget(answerLabel_);
    auto* steps = new QHBoxLayout;
    previous_ = new QPushButton(tr("◀"), this);
    next_ = new QPushButton(tr("▶"), this);
    use_ = new QPushButton(this);
    use_->setObjectName(QStringLiteral("useAnswer"));
    for (QPushButton* step : {previous_, next_})
        step->setFixedWidth(step->fontMetrics().horizontalAdvance(QStringLiteral("MMM")));
    previous_->setObjectName(QStringLiteral("previousAnswer"));
    next_->setObjectName(QStringLiteral("nextAnswer"));
    texts_->add([this] {
        use_->setText(tr("Use as Answer"));
        previous_->setToolTip(tr("The previous final board"));
        next_->setToolTip(tr("The next final board"));
    });
    steps->addWidget(previous_);
    steps->addWidget(next_);
    steps->addWidget(use_, 1);
    layout->addLayout(steps);
    layout->addStretch();
    connect(previous_, &QPushButton::clicked, this, [this] { stepAnswer(-1); });
    connect(next_, &QPushButton::clicked, this, [this] { stepAnswer(1); });
    connect(use_, &QPushButton::clicked, this, [this] {
        if (answerIndex_ < static_cast<int>(answers_.size()))
            emit answerChosen(answers_[static_cast<std::size_t>(answerIndex_)], true);
    });

    ticker_ = new QTimer(this);
    ticker_->setInterval(kTickMs);
    connect(ticker_, &QTimer::timeout, this, &ProofPanel::tick);
    showAnswers();
}

void ProofPanel::prove(const game::StageDesc& stage) {
    current_ = stage;
    asked_ = true;
    wordedAt_ = qtfront::languageChanges();
    const game::StageDesc plain = withoutAnswer(stage);
    if (proved_ && plain == proving_) {
        // The answer alone changed: chosen, or lost to a redo of an edit.
        if (stage.answer == AnswerMarks{} && !answers_.empty() && answers_.front() != stage.answer)
            emit answerChosen(answers_.front(), false);
        showAnswers();
        return;
    }
    if (!proved_ && plain == proving_ && ticker_->isActive()) return;
    proving_ = plain;
    proved_ = false;
    settled_ = false;
    script_.clear();
    noSolution_.clear();
    answers_.clear();
    answerIndex_ = 0;
    scheduler_->submit(plain);
    clearFigures();
    verdict_->setText(tr("Proving…"));
    verdict_->setStyleSheet(QString());
    ticks_ = 0;
    setSearching(true);
    emit markCell(0, 0);
}

// The verdict and the figures are worded as the proof arrives: in another
// language the stage is proven again, which words them anew.
void ProofPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange || !asked_ ||
        wordedAt_ == qtfront::languageChanges())
        return;
    proved_ = false;
    proving_ = {};
    prove(current_);
}

QString ProofPanel::verdict() const { return verdict_->text(); }

void ProofPanel::clearFigures() {
    for (QLabel* row : rows_) row->clear();
    progress_->clear();
    stop_->hide();
    showAnswers();
}

void ProofPanel::setRow(int row, const QString& value) {
    rows_[static_cast<std::size_t>(row)]->setText(value);
}

void ProofPanel::tick() {
    ++ticks_;
    progress_->setText(tr("%L1 states searched").arg(scheduler_->progress()));
    if (ticks_ >= kTicksBeforeStop) stop_->show();
}

// The ticker runs while a proof searches: its progress, and the one sign of
// a search under way the window has.
void ProofPanel::setSearching(bool on) {
    if (on == ticker_->isActive()) return;
    on ? ticker_->start() : ticker_->stop();
    emit searching(on);
}

void ProofPanel::stop() {
    scheduler_->cancel();
    setSearching(false);
    stop_->hide();
    verdict_->setText(tr("Stopped: the proof was stopped before it ended"));
    verdict_->setStyleSheet(QString());
}

void ProofPanel::showVerdict(std::uint64_t generation, const StageVerdict& v) {
    if (generation != scheduler_->latest()) return;
    const solver::StageReport& rep = v.report;
    showVerdictLine(rep, !v.final);
    showFigures(rep, !v.final);
    // Show Solution plays the best solution known, a first verdict's too. The
    // answer and the final board list wait for the final verdict; a first one
    // that settles nothing (an undecided stage) waits too.
    if (rep.solvable) script_ = rep.plan.steps;
    if (v.final) {
        if (rep.solvable) {
            answers_ = {v.answer};
            answerIndex_ = 0;
            if (current_.answer == AnswerMarks{} && v.answer != current_.answer)
                emit answerChosen(v.answer, false);
        }
        showAnswers();
    } else if (!rep.solvable && !rep.verdictProven) {
        return;
    }
    settled_ = true;
    if (!rep.solvable)
        noSolution_ = rep.verdictProven
                          ? tr("The stage cannot be cleared with its magic.")
                          : tr("No solution was found, and none was ruled out: the proof is "
                               "undecided.");
    emit verdictShown();
    emit solutionSettled();
}

void ProofPanel::showVerdictLine(const solver::StageReport& rep, bool first) {
    if (!rep.verdictProven) {
        verdict_->setText(rep.ending.outOfMemory
                              ? tr("? Undecided within %1 MB after %L2 states")
                                    .arg(proofMemoryMB())
                                    .arg(rep.states + rep.goalStates)
                              : tr("? Undecided: the search reached its state limit"));
        verdict_->setStyleSheet(QString());
        return;
    }
    if (rep.solvable && first)
        verdict_->setText(
            tr("✔ Solvable: a %n-cast solution found; looking for a shorter one", "", rep.plan.casts));
    else if (rep.solvable)
        verdict_->setText(tr("✔ Solvable with its magic"));
    else
        verdict_->setText(
            tr("✘ Not solvable: %1").arg(qtfront::phraseText(whyNotSolvable(proving_, rep))));
    verdict_->setStyleSheet(QStringLiteral("color: %1").arg((rep.solvable ? kGood : kBad).name()));
}

// Before the exact search has its figures (`first`), every figure is only
// the best found so far.
void ProofPanel::showFigures(const solver::StageReport& rep, bool first) {
    if (rep.leastMagic > 0)
        setRow(LeastMagic, (first || rep.leastMagicSoFar ? tr("%1 so far (the stage gives %2)")
                                                         : tr("%1 (the stage gives %2)"))
                               .arg(rep.leastMagic)
                               .arg(proving_.magic));
    else
        // Only searches that ran to their end say no magic up to the cap clears.
        setRow(LeastMagic, rep.verdictProven && rep.ending.finished() && !first
                               ? tr("none clears it up to %1").arg(panelOptions().magicCap)
                               : tr("—"));
    if (rep.solvable)
        setRow(Solution, counted(rep.plan.casts, tr("cast"), tr("casts")) + QStringLiteral(", ") +
                             counted(rep.plan.walks, tr("walk"), tr("walks")) +
                             (first || rep.shortestSoFar ? tr(", the fewest so far") : QString()));
    if (rep.leaves >= 0) {
        const int c = solver::columnOf(rep.leaves), r = solver::rowOf(rep.leaves);
        QString way = (rep.exits & solver::kOffTop) ? tr("over the top") : tr("past column 1");
        setRow(LeavesBoard,
               tr("yes: a walk from column %1, row %2 goes %3").arg(c).arg(r).arg(way));
        emit markCell(c, r);
    } else {
        setRow(LeavesBoard, tr("no"));
    }
}

void ProofPanel::showResult(std::uint64_t generation, const StageProof& result) {
    if (generation != scheduler_->latest()) return;
    setSearching(false);
    stop_->hide();
    proved_ = true;
    emit proved(proving_, result);
    if (result.problem) {
        showProblem(qtfront::phraseText(*result.problem));
        return;
    }
    progress_->setText(tr("%L1 states searched in all").arg(result.proof.states));
    answers_ = result.answers;
    if (const auto& a = result.proof.analysis) {
        const solver::Validation& v = a->validation;
        setRow(Requires, requiredMoves(v.required) +
                             (v.ending.finished() ? QString() : tr(" (a search was cut short)")));
        setRow(EarlyCount, a->earlyCount.costs     ? tr("costs magic")
                           : a->earlyCount.known() ? tr("costs nothing")
                                                   : tr("not known: the search was cut short"));
        // A search cut short has met only some of the boards a clear ends on.
        setRow(FinalBoards, (v.capped                ? tr("more than %1")
                             : v.ending.finished() ? tr("%1")
                                                   : tr("at least %1 (a search was cut short)"))
                                .arg(v.finalBoards));
    } else {
        for (Row row : {Requires, EarlyCount, FinalBoards}) setRow(row, tr("—"));
    }
    showAnswers();
    emit analysisShown();
}

void ProofPanel::showProblem(const QString& problem) {
    verdict_->setText(tr("✘ Cannot be played: %1").arg(problem));
    verdict_->setStyleSheet(QStringLiteral("color: %1").arg(kBad.name()));
    progress_->clear();
    showAnswers();
    settled_ = true;
    noSolution_ = problem;
    emit solutionSettled();
}

void ProofPanel::stepAnswer(int by) {
    if (answers_.empty()) return;
    const int n = static_cast<int>(answers_.size());
    answerIndex_ = ((answerIndex_ + by) % n + n) % n;
    showAnswers();
}

void ProofPanel::showAnswers() {
    const bool any = !answers_.empty();
    const AnswerMarks* shown = any ? &answers_[static_cast<std::size_t>(answerIndex_)] : nullptr;
    answerView_->show(current_, shown);
    previous_->setEnabled(answers_.size() > 1);
    next_->setEnabled(answers_.size() > 1);
    use_->setEnabled(any && *shown != current_.answer);
    if (!any) {
        answerLabel_->setText(tr("no final board yet"));
        return;
    }
    QString where = tr("final board %1 of %2").arg(answerIndex_ + 1).arg(answers_.size());
    if (answerIndex_ == 0) where += tr(", the shortest solution's");
    if (*shown == current_.answer) where += tr(" (stored)");
    answerLabel_->setText(where);
}

}  // namespace workshop
