#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "game/stage_desc.h"

namespace solver {
struct ProofControl;
}

namespace workshop {

// Finds a shortest solution of a stage on a worker thread, for the show. One
// search at a time: a new one cancels the last, and nothing of a cancelled
// one is told.
class SolutionFinder : public QObject {
    Q_OBJECT
public:
    explicit SolutionFinder(QObject* parent = nullptr);
    ~SolutionFinder() override;

    void find(const game::StageDesc& stage);
    void cancel();
    bool busy() const { return worker_.joinable() && !done_->load(); }

signals:
    // On the thread the finder lives on.
    void found(const game::StageDesc& stage, const std::string& script);
    void notFound(const QString& why);

private:
    void deliver(const game::StageDesc& stage, const std::string& script, const QString& why);

    std::thread worker_;
    std::shared_ptr<solver::ProofControl> control_;
    std::shared_ptr<std::atomic<bool>> done_ = std::make_shared<std::atomic<bool>>(true);
};

}  // namespace workshop
