#pragma once

#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/stage_desc.h"
#include "workshop/core/pack_solutions.h"
#include "workshop/pack_prover.h"

class QChart;
class QChartView;
class QLineSeries;
class QTableWidget;
class QTimer;

namespace workshop {

class LiveTexts;

// The pack at a glance: the stage table lumora-solve --table prints, filled
// in as the stages are proven on a worker thread, and a plot of least magic,
// casts and proof states per stage, so the designer sees the curve. Proofs
// are remembered by the stage, so a reorder or an edit of one stage proves
// only what is new.
class PackView : public QWidget {
    Q_OBJECT
public:
    explicit PackView(QWidget* parent = nullptr);
    ~PackView() override;

    // `live` is the stage the editor's own proof is proving (-1: none): its
    // row comes from that proof through learn(), not from a second one here.
    void setStages(const std::vector<game::StageDesc>& stages, int live = -1);
    // A stage the solver cannot take gets its reason whatever `proof` holds.
    void learn(const game::StageDesc& stage, const solver::ProofResult& proof);
    // While the editor's own proof searches, the pack's proofs wait: two
    // searches at once would hold twice the memory the designer allowed a
    // proof. A stage being proven here is stopped and proven again after.
    void holdProofs(bool hold);
    // Checks the solutions a pack came with in the game, on a worker, each
    // marked in its row as it is known: long before a search could say.
    void checkCarried(const game::PackContents& contents);
    // The solution a pack file carries for the stage: one it came with that
    // clears it, else the proof's, else why there is none.
    KnownSolution solutionOf(const game::StageDesc& stage) const;
    QTableWidget* table() const { return table_; }
    // How many of the stages shown have their row.
    int provenCount() const;
    // How many carried solutions are still being checked.
    int checkingCount() const { return static_cast<int>(checking_.size()); }

private:
    void proven(const std::string& key, const ProvenStage& row);
    void checked(const CarriedCheck& check);
    void showRow(int index);
    void showSolutionCell(int index);
    void fitColumnsSoon();
    void showPlot();
    void makeChart();
    void proveUnknown();

    QTableWidget* table_ = nullptr;
    QTimer* fit_ = nullptr;
    QChartView* chartView_ = nullptr;
    std::array<QLineSeries*, 3> series_{};
    std::vector<game::StageDesc> stages_;
    int live_ = -1;
    bool held_ = false;
    std::vector<std::string> keys_;
    std::map<std::string, ProvenStage> known_;
    std::map<std::string, CarriedCheck> carried_;  // by carriedKey
    std::map<std::string, int> checking_;          // carriedKey: checks to come
    LiveTexts* texts_ = nullptr;
    // Last: their threads stop before the rest goes.
    std::unique_ptr<CarriedChecker> checker_;
    std::unique_ptr<PackProver> prover_;
};

}  // namespace workshop
