#include "workshop/generate_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <limits>

#include "qt/languages.h"
#include "solver/moves.h"
#include "solver/validate.h"
#include "workshop/core/editing.h"
#include "workshop/live_texts.h"
#include "workshop/wording.h"

namespace workshop {

namespace {

constexpr int kMaxCasts = solver::kMostCasts;
constexpr int kProgressMs = 200;
constexpr int kListRowsShown = 10;

}  // namespace

GenerateDialog::GenerateDialog(QWidget* parent) : QDialog(parent) {
    // The scheduler calls back on its own thread; the result is handed to
    // this dialog's, and dropped by Qt should the dialog be gone by then.
    scheduler_ = std::make_unique<Scheduler>(
        [](const solver::GenerateOptions& o, solver::GenerateControl& control,
           const Scheduler::ReportVerdict&) {
            // Stopped, it still tells what it tried.
            return std::optional<solver::GenerateResult>(solver::generate(o, &control));
        },
        [](Scheduler::Generation, const solver::GenerateResult&) {},
        [this](Scheduler::Generation g, const solver::GenerateResult& result) {
            QMetaObject::invokeMethod(
                this,
                [this, g, result] {
                    if (g == scheduler_->latest()) finished(result);
                },
                Qt::QueuedConnection);
        });
    setObjectName(QStringLiteral("generateDialog"));
    texts_ = new LiveTexts(this);
    texts_->add([this] { setWindowTitle(tr("Generate Stage")); });
    makeLayout();
    progress_ = new QTimer(this);
    progress_->setInterval(kProgressMs);
    connect(progress_, &QTimer::timeout, this, &GenerateDialog::showProgress);
    setRunning(false);
}

// The scheduler goes first: its thread may still hand a result to this dialog.
GenerateDialog::~GenerateDialog() { scheduler_.reset(); }

QWidget* GenerateDialog::makeMoveList() {
    moves_ = new QListWidget(this);
    for (int i = 0; i < solver::moves::kCount; ++i) {
        auto* item = new QListWidgetItem(moves_);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(Qt::Unchecked);
        texts_->add([item, i] {
            item->setText(
                QCoreApplication::translate(solver::moves::kNameWords, solver::moves::kNames[i]));
        });
    }
    moves_->setMinimumHeight(moves_->sizeHintForRow(0) * kListRowsShown + 4);
    return moves_;
}

QLabel* GenerateDialog::liveLabel(const char* source) {
    auto* label = new QLabel(this);
    texts_->add([label, source] { label->setText(tr(source)); });
    return label;
}

void GenerateDialog::makeLayout() {
    auto* form = new QFormLayout;
    form->addRow(liveLabel(QT_TR_NOOP("Moves it must require\n(none checked: any):")),
                 makeMoveList());

    auto* casts = new QHBoxLayout;
    minCasts_ = new QSpinBox(this);
    maxCasts_ = new QSpinBox(this);
    for (QSpinBox* box : {minCasts_, maxCasts_}) box->setRange(1, kMaxCasts);
    minCasts_->setValue(solver::GenerateOptions{}.minCasts);
    maxCasts_->setValue(solver::GenerateOptions{}.maxCasts);
    connect(minCasts_, &QSpinBox::valueChanged, maxCasts_, &QSpinBox::setMinimum);
    casts->addWidget(minCasts_);
    casts->addWidget(liveLabel(QT_TR_NOOP("to")));
    casts->addWidget(maxCasts_);
    form->addRow(liveLabel(QT_TR_NOOP("Casts:")), casts);

    auto* seed = new QHBoxLayout;
    seed_ = new QSpinBox(this);
    seed_->setRange(0, std::numeric_limits<int>::max());
    randomSeed_ = new QPushButton(this);
    connect(randomSeed_, &QPushButton::clicked, this, [this] {
        seed_->setValue(static_cast<int>(QRandomGenerator::global()->bounded(seed_->maximum())));
    });
    seed->addWidget(seed_, 1);
    seed->addWidget(randomSeed_);
    form->addRow(liveLabel(QT_TR_NOOP("Seed:")), seed);

    status_ = new QLabel(this);
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(this);
    generate_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    stop_ = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    texts_->add([this] {
        randomSeed_->setText(tr("&Random Seed"));
        generate_->setText(tr("&Generate"));
        stop_->setText(tr("&Stop"));
    });
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    connect(generate_, &QPushButton::clicked, this, &GenerateDialog::start);
    connect(stop_, &QPushButton::clicked, this, &GenerateDialog::stop);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(status_);
    layout->addWidget(buttons);
}

solver::GenerateOptions GenerateDialog::options() const {
    solver::GenerateOptions o;
    o.seed = static_cast<std::uint64_t>(seed_->value());
    o.minCasts = minCasts_->value();
    o.maxCasts = maxCasts_->value();
    unsigned required = 0;
    for (int i = 0; i < moves_->count(); ++i)
        if (moves_->item(i)->checkState() == Qt::Checked) required |= 1u << i;
    if (required != 0) o.required = required;
    return o;
}

void GenerateDialog::start() {
    if (running_) return;
    setRunning(true);
    status_->setText(tr("Searching…"));
    scheduler_->submit(options());
}

void GenerateDialog::stop() { scheduler_->interrupt(); }

void GenerateDialog::showProgress() {
    const solver::GenerateControl& control = scheduler_->control();
    const auto tried = static_cast<long long>(control.attempts.load(std::memory_order_relaxed));
    status_->setText(tr("Searching… %1 tried, %L2 states searched")
                         .arg(counted(tried, tr("board"), tr("boards")))
                         .arg(control.states.load(std::memory_order_relaxed)));
}

void GenerateDialog::finished(const solver::GenerateResult& result) {
    setRunning(false);
    if (!result.stage) {
        status_->setText(
            tr("No stage found: %1").arg(qtfront::phraseText(solver::triesPhrase(result))));
        return;
    }
    emit found(*result.stage,
               game::phrase(kEditWords, QT_TRANSLATE_NOOP("Edit", "Generate stage")));
    status_->setText(tr("Found after %1: %2, requires %3.")
                         .arg(counted(result.tally.attempts, tr("board"), tr("boards")),
                              counted(result.casts, tr("cast"), tr("casts")),
                              requiredMoves(result.required)));
}

void GenerateDialog::setRunning(bool running) {
    running_ = running;
    generate_->setEnabled(!running);
    stop_->setEnabled(running);
    for (QWidget* w : {static_cast<QWidget*>(moves_), static_cast<QWidget*>(minCasts_),
                       static_cast<QWidget*>(maxCasts_), static_cast<QWidget*>(seed_),
                       static_cast<QWidget*>(randomSeed_)})
        w->setEnabled(!running);
    if (running)
        progress_->start();
    else
        progress_->stop();
}

}  // namespace workshop
