#pragma once

#include <QDialog>
#include <memory>

#include "game/phrase.h"
#include "solver/generate.h"
#include "workshop/core/proof_scheduler.h"

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTimer;

namespace workshop {

class LiveTexts;

// Stage > Generate: the moves a stage must require, a cast range and a seed.
// The generator runs on the workshop's proof scheduler, a thread of its own;
// the stage it finds is handed on by `found`.
class GenerateDialog : public QDialog {
    Q_OBJECT
public:
    explicit GenerateDialog(QWidget* parent);
    ~GenerateDialog() override;  // stops a running search and waits for its thread

signals:
    void found(const game::StageDesc& stage, const game::Phrase& description);

private:
    void makeLayout();
    QWidget* makeMoveList();
    // A label whose text (marked with QT_TR_NOOP) follows the language.
    QLabel* liveLabel(const char* source);
    solver::GenerateOptions options() const;
    void start();
    void stop();
    void finished(const solver::GenerateResult& result);
    void showProgress();
    void setRunning(bool running);

    using Scheduler = ProofScheduler<solver::GenerateResult, solver::GenerateResult,
                                     solver::GenerateControl, solver::GenerateOptions>;
    std::unique_ptr<Scheduler> scheduler_;
    bool running_ = false;
    QListWidget* moves_ = nullptr;
    QSpinBox* minCasts_ = nullptr;
    QSpinBox* maxCasts_ = nullptr;
    QSpinBox* seed_ = nullptr;
    QPushButton* randomSeed_ = nullptr;
    QPushButton* generate_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* status_ = nullptr;
    QTimer* progress_ = nullptr;
    LiveTexts* texts_ = nullptr;
};

}  // namespace workshop
