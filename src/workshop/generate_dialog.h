#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <thread>

#include "solver/generate.h"

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTimer;

namespace workshop {

class LiveTexts;

class EditorWindow;

// Stage > Generate: the moves a stage must require, a cast range and a seed;
// the generator runs on a thread of its own, and the stage it finds replaces
// the editor's as one undo step.
class GenerateDialog : public QDialog {
    Q_OBJECT
public:
    explicit GenerateDialog(EditorWindow* editor);
    ~GenerateDialog() override;  // stops a running search and waits for its thread

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
    void joinWorker();

    EditorWindow* editor_;
    QListWidget* moves_ = nullptr;
    QSpinBox* minCasts_ = nullptr;
    QSpinBox* maxCasts_ = nullptr;
    QSpinBox* seed_ = nullptr;
    QPushButton* randomSeed_ = nullptr;
    QPushButton* generate_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* status_ = nullptr;
    QTimer* progress_ = nullptr;
    std::unique_ptr<solver::GenerateControl> control_;
    std::thread worker_;
    LiveTexts* texts_ = nullptr;
};

}  // namespace workshop
