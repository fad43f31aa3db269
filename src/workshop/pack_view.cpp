#include "workshop/pack_view.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "qt/languages.h"
#include "solver/stage.h"
#include "workshop/live_texts.h"

namespace workshop {
namespace {

constexpr double kCountTicks = 5;  // about this many steps up the left axis

constexpr int kStageColumn = static_cast<int>(solver::TableColumn::Stage);
constexpr int kColumns = static_cast<int>(solver::kTableColumns);
// After the table lumora-solve prints: what a pack file would carry.
constexpr int kSolutionColumn = kColumns;
constexpr int kRequiresColumn = static_cast<int>(solver::TableColumn::Requires);
const QColor kUnsolvable(0xF8, 0xD0, 0xD0);
constexpr int kChartMinHeight = 150;
constexpr double kStageMargin = 0.5;
constexpr int kMostStageTicks = 14;  // more and their numbers run into each other

enum class Curve { LeastMagic, Casts, ProofStates };
struct CurveInfo {
    const char* name;
    bool states;  // on the logarithmic axis at the right
};
constexpr CurveInfo kCurves[] = {
    {QT_TRANSLATE_NOOP("workshop::PackView", "Least magic"), false},
    {QT_TRANSLATE_NOOP("workshop::PackView", "Casts"), false},
    {QT_TRANSLATE_NOOP("workshop::PackView", "Proof states (right)"), true},
};

double curveValue(Curve curve, const ProvenStage& row) {
    switch (curve) {
        case Curve::LeastMagic:
            return row.leastMagic;
        case Curve::Casts:
            return row.casts;
        // A stage cleared with the least magic there is needs no states to
        // prove it; the logarithmic axis has no 0.
        case Curve::ProofStates:
            return static_cast<double>(std::max<std::size_t>(row.proofStates, 1));
    }
    return 0;
}

QTableWidgetItem* cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(number ? (Qt::AlignRight | Qt::AlignVCenter) : Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

PackView::PackView(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* split = new QSplitter(Qt::Vertical, this);
    table_ = new QTableWidget(0, kColumns + 1, split);
    table_->setObjectName(QStringLiteral("stageTable"));
    // Fitted to their contents once a batch of cells is in (fitColumnsSoon):
    // fitted after every cell, as a header's ResizeToContents does, a pack
    // of 99 stages kept the window busy for seconds as its proofs came in.
    fit_ = new QTimer(this);
    fit_->setSingleShot(true);
    fit_->setInterval(0);
    connect(fit_, &QTimer::timeout, this, [this] {
        for (int c = 0; c < table_->columnCount(); ++c)
            if (c != kRequiresColumn) table_->resizeColumnToContents(c);
    });
    texts_ = new LiveTexts(this);
    texts_->add([this] {
        QStringList headings;
        for (const solver::TableColumnInfo& c : solver::kTableColumnInfo)
            headings << QCoreApplication::translate(solver::kHeadingWords, c.heading);
        table_->setHorizontalHeaderLabels(headings << tr("Solution"));
        fitColumnsSoon();
    });
    table_->verticalHeader()->hide();
    // The moves a stage requires can run long: they take what room is left.
    table_->horizontalHeader()->setSectionResizeMode(kRequiresColumn, QHeaderView::Stretch);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    makeChart();
    split->addWidget(table_);
    split->addWidget(chartView_);
    split->setSizes({1, 1});  // half each; the designer drags it from there
    layout->addWidget(split);
    // The worker hands each row over to this thread; a row for a view that
    // is gone is dropped with the view.
    prover_ = std::make_unique<PackProver>(
        proveRows,
        [this](std::uint64_t, const ProvenRow& r) {
            QMetaObject::invokeMethod(
                this, [this, r] { proven(r.key, r.row); }, Qt::QueuedConnection);
        },
        [](std::uint64_t, bool) {});
    checker_ = std::make_unique<CarriedChecker>(
        checkAllCarried,
        [this](std::uint64_t, const CarriedCheck& c) {
            QMetaObject::invokeMethod(
                this, [this, c] { checked(c); }, Qt::QueuedConnection);
        },
        [](std::uint64_t, bool) {});
}

PackView::~PackView() = default;

void PackView::makeChart() {
    auto* chart = new QChart;  // the view takes it
    // No title and the legend at the side: a short dock keeps its height for the curve.
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* stagesAxis = new QValueAxis(chart);
    stagesAxis->setLabelFormat(QStringLiteral("%d"));
    texts_->add([stagesAxis] { stagesAxis->setTitleText(tr("Stage")); });
    // The legend names the curves; the states' axis wears its curve's colour.
    stagesAxis->setTickType(QValueAxis::TicksDynamic);
    stagesAxis->setTickAnchor(1);
    auto* countAxis = new QValueAxis(chart);
    countAxis->setLabelFormat(QStringLiteral("%d"));
    // Whole steps from 0: magic and casts are counts, and "%d" of a fractional
    // tick would print the same number twice.
    countAxis->setTickType(QValueAxis::TicksDynamic);
    countAxis->setTickAnchor(0);
    auto* statesAxis = new QLogValueAxis(chart);
    statesAxis->setLabelFormat(QStringLiteral("%.0g"));
    chart->addAxis(stagesAxis, Qt::AlignBottom);
    chart->addAxis(countAxis, Qt::AlignLeft);
    chart->addAxis(statesAxis, Qt::AlignRight);
    for (std::size_t i = 0; i < series_.size(); ++i) {
        series_[i] = new QLineSeries(chart);
        texts_->add([this, i] { series_[i]->setName(tr(kCurves[i].name)); });
        series_[i]->setPointsVisible(true);
        chart->addSeries(series_[i]);
        series_[i]->attachAxis(stagesAxis);
        series_[i]->attachAxis(kCurves[i].states ? static_cast<QAbstractAxis*>(statesAxis)
                                                 : countAxis);
        if (kCurves[i].states) statesAxis->setLabelsColor(series_[i]->color());
    }
    chartView_ = new QChartView(chart, this);
    chartView_->setObjectName(QStringLiteral("packChart"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumHeight(kChartMinHeight);
}

void PackView::setStages(const std::vector<game::StageDesc>& stages, int live) {
    if (stages == stages_ && live == live_) return;
    stages_ = stages;
    live_ = live;
    const std::vector<std::string> shown = std::move(keys_);
    keys_.clear();
    for (const game::StageDesc& s : stages_) keys_.push_back(proofKey(s));
    table_->setRowCount(static_cast<int>(stages_.size()));
    // An edit changes one row: the others stay as they are drawn, which
    // keeps a long pack's edits as quick as a short one's.
    for (std::size_t i = 0; i < keys_.size(); ++i)
        if (i >= shown.size() || shown[i] != keys_[i]) showRow(static_cast<int>(i));
    showPlot();
    proveUnknown();
}

void PackView::holdProofs(bool hold) {
    if (hold == held_) return;
    held_ = hold;
    if (held_)
        prover_->cancel();
    else
        proveUnknown();
}

// Every stage with no row yet but the live one, whose row its own proof gives.
void PackView::proveUnknown() {
    if (held_) return;
    std::vector<game::StageDesc> unknown;
    for (std::size_t i = 0; i < stages_.size(); ++i)
        if (static_cast<int>(i) != live_ && !known_.contains(keys_[i])) unknown.push_back(stages_[i]);
    prover_->submit(std::move(unknown));
}

void PackView::learn(const game::StageDesc& stage, const solver::ProofResult& proof) {
    ProvenStage row;
    row.error = solver::stageProblem(stage);
    if (!row.error)
        row = rowOf(std::get<solver::Stage>(solver::stageFromDesc(stage, "stage")), proof);
    proven(proofKey(stage), row);
}

void PackView::proven(const std::string& key, const ProvenStage& row) {
    known_.insert_or_assign(key, row);
    bool shown = false;
    for (int i = 0; i < static_cast<int>(keys_.size()); ++i)
        if (keys_[static_cast<std::size_t>(i)] == key) {
            showRow(i);
            shown = true;
        }
    if (shown) showPlot();
}

void PackView::checkCarried(const game::PackContents& contents) {
    std::vector<Carried> carried = carriedOf(contents);
    checking_.clear();
    for (const Carried& c : carried) ++checking_[carriedKey(c.stage)];
    checker_->submit(std::move(carried));
    for (int i = 0; i < static_cast<int>(stages_.size()); ++i) showSolutionCell(i);
}

void PackView::checked(const CarriedCheck& check) {
    carried_.insert_or_assign(check.key, check);
    if (const auto it = checking_.find(check.key); it != checking_.end() && --it->second <= 0)
        checking_.erase(it);
    for (std::size_t i = 0; i < stages_.size(); ++i)
        if (carriedKey(stages_[i]) == check.key) showSolutionCell(static_cast<int>(i));
}

KnownSolution PackView::solutionOf(const game::StageDesc& stage) const {
    if (const auto c = carried_.find(carriedKey(stage)); c != carried_.end() && c->second.clears)
        return {std::nullopt, c->second.steps};
    const auto found = known_.find(proofKey(stage));
    if (found == known_.end()) return {NoSolution::NotProven, {}};
    const ProvenStage& row = found->second;
    if (row.error) return {NoSolution::CannotBeProven, {}};
    if (row.solvable && !row.solution.empty()) return {std::nullopt, row.solution};
    return {row.decided ? NoSolution::NotSolvable : NoSolution::Undecided, {}};
}

void PackView::showSolutionCell(int index) {
    const std::string key = carriedKey(stages_[static_cast<std::size_t>(index)]);
    const auto carried = carried_.find(key);
    const bool found = !solutionOf(stages_[static_cast<std::size_t>(index)]).missing;
    QString text;
    if (carried != carried_.end() && carried->second.clears)
        text = tr("✔ proven by its solution");
    else if (carried != carried_.end())
        text = found ? tr("✘ its solution does not clear it; the proof found one")
                     : tr("✘ its solution does not clear it");
    else if (checking_.contains(key))
        text = tr("checking its solution…");
    else if (found)
        text = tr("found by the proof");
    else
        text = known_.contains(keys_[static_cast<std::size_t>(index)]) ? tr("-") : tr("…");
    QTableWidgetItem* item = cell(text, false);
    if (carried != carried_.end() && !carried->second.clears) item->setBackground(kUnsolvable);
    table_->setItem(index, kSolutionColumn, item);
    fitColumnsSoon();
}

void PackView::fitColumnsSoon() { fit_->start(); }

int PackView::provenCount() const {
    return static_cast<int>(std::count_if(
        keys_.begin(), keys_.end(), [this](const std::string& k) { return known_.contains(k); }));
}

void PackView::showRow(int index) {
    const auto found = known_.find(keys_[static_cast<std::size_t>(index)]);
    if (table_->columnSpan(index, 1) > 1) table_->setSpan(index, 1, 1, 1);
    for (int c = 0; c < kColumns; ++c) {
        const bool number = solver::kTableColumnInfo[static_cast<std::size_t>(c)].number;
        QString text = c == kStageColumn ? QString::number(index + 1)
                       : found == known_.end()
                           ? tr("…")
                           : qtfront::phraseText(found->second.cells[static_cast<std::size_t>(c)]);
        table_->setItem(index, c, cell(text, number));
    }
    showSolutionCell(index);
    if (found == known_.end()) return;
    const ProvenStage& row = found->second;
    if (row.error) {
        table_->setSpan(index, 1, 1, kColumns - 1);
        table_->setItem(
            index, 1, cell(tr("Cannot be proven: %1").arg(qtfront::phraseText(*row.error)), false));
    }
    if (row.error || !row.solvable) {
        const QString why = row.error ? qtfront::phraseText(*row.error)
                            : row.decided
                                ? tr("The budget does not clear this stage")
                                : tr("Undecided: the proof stopped at its memory or state limit "
                                     "before it could tell");
        for (int c = 0; c < kColumns; ++c)
            if (QTableWidgetItem* item = table_->item(index, c)) {
                item->setBackground(kUnsolvable);
                item->setToolTip(why);
            }
    }
}

void PackView::showPlot() {
    std::array<QList<QPointF>, 3> points;
    double most = 1;
    double mostStates = 10;
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        const auto found = known_.find(keys_[i]);
        // A stage with no figures (undecided, or no magic clears it) is a
        // gap in the curves, not a point at 0.
        if (found == known_.end() || found->second.error || found->second.leastMagic == 0)
            continue;
        for (std::size_t k = 0; k < points.size(); ++k) {
            const double v = curveValue(static_cast<Curve>(k), found->second);
            points[k].append(QPointF(static_cast<double>(i + 1), v));
            double& top = kCurves[k].states ? mostStates : most;
            top = std::max(top, v);
        }
    }
    for (std::size_t k = 0; k < points.size(); ++k) series_[k]->replace(points[k]);
    QChart* chart = chartView_->chart();
    const int count = std::max(1, static_cast<int>(keys_.size()));
    // Half a stage either side: a pack of one stage still has an axis of some
    // width to draw its one point on (a range of none divides by zero).
    chart->axes(Qt::Horizontal).first()->setRange(1 - kStageMargin, count + kStageMargin);
    if (auto* axis = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).first()))
        axis->setTickInterval((count + kMostStageTicks - 1) / kMostStageTicks);
    for (QAbstractAxis* axis : chart->axes(Qt::Vertical)) {
        if (auto* counts = qobject_cast<QValueAxis*>(axis)) {
            const double top = std::max(1.0, std::ceil(most * 1.1));
            counts->setRange(0, top);
            counts->setTickInterval(std::max(1.0, std::ceil(top / kCountTicks)));
        }
        if (auto* states = qobject_cast<QLogValueAxis*>(axis)) states->setRange(1, mostStates * 2);
    }
}

}  // namespace workshop
