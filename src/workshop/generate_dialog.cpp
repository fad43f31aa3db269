#include "workshop/generate_dialog.h"

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

#include "solver/moves.h"
#include "solver/validate.h"
#include "workshop/editor_window.h"
#include "workshop/wording.h"

namespace workshop {

namespace {

constexpr int kMaxCasts = solver::kMostCasts;
constexpr int kProgressMs = 200;
constexpr int kListRowsShown = 10;

}  // namespace

GenerateDialog::GenerateDialog(EditorWindow* editor) : QDialog(editor), editor_(editor) {
    setWindowTitle(tr("Generate Stage"));
    setObjectName(QStringLiteral("generateDialog"));
    makeLayout();
    progress_ = new QTimer(this);
    progress_->setInterval(kProgressMs);
    connect(progress_, &QTimer::timeout, this, &GenerateDialog::showProgress);
    setRunning(false);
}

GenerateDialog::~GenerateDialog() {
    if (control_) control_->cancel = true;
    joinWorker();
}

QWidget* GenerateDialog::makeMoveList() {
    moves_ = new QListWidget(this);
    for (const char* name : solver::moves::kNames) {
        auto* item = new QListWidgetItem(QString::fromUtf8(name), moves_);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(Qt::Unchecked);
    }
    moves_->setMinimumHeight(moves_->sizeHintForRow(0) * kListRowsShown + 4);
    return moves_;
}

void GenerateDialog::makeLayout() {
    auto* form = new QFormLayout;
    form->addRow(tr("Moves it must require\n(none checked: any):"), makeMoveList());

    auto* casts = new QHBoxLayout;
    minCasts_ = new QSpinBox(this);
    maxCasts_ = new QSpinBox(this);
    for (QSpinBox* box : {minCasts_, maxCasts_}) box->setRange(1, kMaxCasts);
    minCasts_->setValue(solver::GenerateOptions{}.minCasts);
    maxCasts_->setValue(solver::GenerateOptions{}.maxCasts);
    connect(minCasts_, &QSpinBox::valueChanged, maxCasts_, &QSpinBox::setMinimum);
    casts->addWidget(minCasts_);
    casts->addWidget(new QLabel(tr("to"), this));
    casts->addWidget(maxCasts_);
    form->addRow(tr("Casts:"), casts);

    auto* seed = new QHBoxLayout;
    seed_ = new QSpinBox(this);
    seed_->setRange(0, std::numeric_limits<int>::max());
    randomSeed_ = new QPushButton(tr("&Random Seed"), this);
    connect(randomSeed_, &QPushButton::clicked, this, [this] {
        seed_->setValue(static_cast<int>(QRandomGenerator::global()->bounded(seed_->maximum())));
    });
    seed->addWidget(seed_, 1);
    seed->addWidget(randomSeed_);
    form->addRow(tr("Seed:"), seed);

    status_ = new QLabel(this);
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(this);
    generate_ = buttons->addButton(tr("&Generate"), QDialogButtonBox::AcceptRole);
    stop_ = buttons->addButton(tr("&Stop"), QDialogButtonBox::ActionRole);
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
    if (worker_.joinable()) return;
    control_ = std::make_unique<solver::GenerateControl>();
    setRunning(true);
    status_->setText(tr("Searching…"));
    worker_ = std::thread([this, o = options(), control = control_.get()] {
        solver::GenerateResult result = solver::generate(o, control);
        // Dropped by Qt should the dialog be gone by then; its destructor waits for this thread.
        QMetaObject::invokeMethod(
            this, [this, result = std::move(result)] { finished(result); }, Qt::QueuedConnection);
    });
}

void GenerateDialog::stop() {
    if (control_) control_->cancel = true;
}

void GenerateDialog::joinWorker() {
    if (worker_.joinable()) worker_.join();
}

void GenerateDialog::showProgress() {
    if (!control_) return;
    const auto tried = static_cast<long long>(control_->attempts.load(std::memory_order_relaxed));
    status_->setText(tr("Searching… %1 tried").arg(counted(tried, tr("board"), tr("boards"))));
}

void GenerateDialog::finished(const solver::GenerateResult& result) {
    joinWorker();
    setRunning(false);
    if (!result.stage) {
        status_->setText(
            tr("No stage found: %1").arg(QString::fromStdString(solver::describeTries(result))));
        return;
    }
    editor_->replaceStage(*result.stage, tr("Generate stage"));
    status_->setText(tr("Found after %1: %2, requires %3.")
                         .arg(counted(result.tally.attempts, tr("board"), tr("boards")),
                              counted(result.casts, tr("cast"), tr("casts")),
                              QString::fromStdString(solver::moveNames(result.required))));
}

void GenerateDialog::setRunning(bool running) {
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
