#include "workshop/solution_finder.h"

#include <QMetaObject>

#include "solver/proof.h"

namespace workshop {
namespace {

struct Answer {
    std::string script;
    QString why;  // empty when there is a script
};

Answer solve(const game::StageDesc& stage, solver::ProofControl& control) {
    solver::ProofOptions options;
    options.analyse = false;
    const auto proof = solver::prove(stage, options, &control);
    if (const auto* problem = std::get_if<std::string>(&proof))
        return {{}, QString::fromStdString(*problem)};
    const solver::ProofResult& result = std::get<solver::ProofResult>(proof);
    if (result.cancelled || !result.verdict) return {{}, {}};
    if (!result.verdict->solvable || result.verdict->plan.script.empty())
        return {{}, SolutionFinder::tr("The stage cannot be cleared with its magic.")};
    return {result.verdict->plan.script, {}};
}

}  // namespace

SolutionFinder::SolutionFinder(QObject* parent) : QObject(parent) {}

SolutionFinder::~SolutionFinder() { cancel(); }

void SolutionFinder::cancel() {
    if (control_) control_->cancel.store(true);
    if (worker_.joinable()) worker_.join();
}

void SolutionFinder::find(const game::StageDesc& stage) {
    cancel();
    control_ = std::make_shared<solver::ProofControl>();
    done_ = std::make_shared<std::atomic<bool>>(false);
    worker_ = std::thread([this, stage, control = control_, done = done_] {
        Answer answer = solve(stage, *control);
        done->store(true);
        if (control->cancel.load()) return;
        // Posted to the finder's thread; dropped if the finder is gone by then,
        // and the destructor joins this thread before it goes.
        QMetaObject::invokeMethod(
            this,
            [this, stage, control, answer = std::move(answer)] {
                if (!control->cancel.load()) deliver(stage, answer.script, answer.why);
            },
            Qt::QueuedConnection);
    });
}

void SolutionFinder::deliver(const game::StageDesc& stage, const std::string& script,
                             const QString& why) {
    if (!script.empty()) {
        emit found(stage, script);
    } else if (!why.isEmpty()) {
        emit notFound(why);
    }
}

}  // namespace workshop
