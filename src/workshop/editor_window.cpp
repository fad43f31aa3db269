#include "workshop/editor_window.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QUndoStack>
#include <QVBoxLayout>

#include "workshop/board_view.h"
#include "workshop/edit_command.h"
#include "workshop/pack_view.h"
#include "workshop/stage_list.h"

namespace workshop {
namespace {

QSettings settings() { return QSettings(QStringLiteral("lumora"), QStringLiteral("workshop")); }

const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kStateKey = QStringLiteral("window/state");
const QString kKindKey = QStringLiteral("editor/kind");

// Wide enough for a stage list or a proof to be read in; the lead fills them.
constexpr int kDockMinWidth = 200;
constexpr QSize kFirstSize(1180, 680);

QSpinBox* numberBox(int low, int high, const QString& tip, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    box->setToolTip(tip);
    // Typing 12 is one edit of 12, not one of 1 and then one of 12.
    box->setKeyboardTracking(false);
    return box;
}

// A dock the lead fills in later; until then it says what it is for.
QWidget* placeholderDock(QMainWindow* window, const QString& title, const QString& name,
                         const QString& text, Qt::DockWidgetArea area) {
    auto* dock = new QDockWidget(title, window);
    dock->setObjectName(name);
    auto* areaWidget = new QWidget(dock);
    areaWidget->setObjectName(name + QStringLiteral("Area"));
    areaWidget->setMinimumWidth(kDockMinWidth);
    auto* layout = new QVBoxLayout(areaWidget);
    auto* label = new QLabel(text, areaWidget);
    label->setWordWrap(true);
    label->setEnabled(false);
    layout->addWidget(label);
    layout->addStretch();
    dock->setWidget(areaWidget);
    window->addDockWidget(area, dock);
    return areaWidget;
}

}  // namespace

EditorWindow::EditorWindow(qtfront::PictureLibrary& pictures, QWidget* parent)
    : QMainWindow(parent), pictures_(pictures) {
    undo_ = new QUndoStack(this);
    makeCentralArea();
    makeDocks();
    makeProofPanel();
    makeMenus();
    makeJournal();
    connect(undo_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    restoreSettings();
    showPack();
    board_->setFocus();
}

void EditorWindow::makeCentralArea() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    board_ = new BoardView(pictures_, central);
    layout->addWidget(board_, 0, Qt::AlignHCenter);
    auto* numbers = new QFormLayout;
    numbers->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    target_ =
        numberBox(kMinTarget, kMaxTarget,
                  tr("How many blocks the board must hold for the stage to be cleared"), central);
    magic_ = numberBox(kMinMagic, kMaxMagic,
                       tr("The magic the player has when the stage starts. The stage file "
                          "stores one less, the budget."),
                       central);
    target_->setObjectName(QStringLiteral("targetBox"));
    magic_->setObjectName(QStringLiteral("magicBox"));
    numbers->addRow(tr("&Target blocks:"), target_);
    numbers->addRow(tr("Starting &magic:"), magic_);
    layout->addLayout(numbers);
    layout->addStretch();
    setCentralWidget(central);

    connect(board_, &BoardView::edited, this, &EditorWindow::push);
    connect(target_, &QSpinBox::valueChanged, this, [this](int v) {
        if (auto e = setTarget(stage(), v)) push(*e);
    });
    connect(magic_, &QSpinBox::valueChanged, this, [this](int v) {
        if (auto e = setMagic(stage(), v)) push(*e);
    });
}

void EditorWindow::makeDocks() {
    auto* listDock = new QDockWidget(tr("Stages"), this);
    listDock->setObjectName(QStringLiteral("stageListDock"));
    stageList_ = new StageList(pictures_, listDock);
    stageList_->setObjectName(QStringLiteral("stageListDockArea"));
    stageList_->setMinimumWidth(kDockMinWidth);
    listDock->setWidget(stageList_);
    addDockWidget(Qt::LeftDockWidgetArea, listDock);
    connect(stageList_, &StageList::selected, this, &EditorWindow::selectStage);
    connect(stageList_, &StageList::moved, this, &EditorWindow::moveStage);
    connect(stageList_, &StageList::infoEdited, this, &EditorWindow::editInfo);

    proofArea_ = placeholderDock(this, tr("Proof"), QStringLiteral("proofDock"),
                                 tr("Whether the stage can be cleared will be shown here."),
                                 Qt::RightDockWidgetArea);

    auto* packDock = new QDockWidget(tr("Pack"), this);
    packDock->setObjectName(QStringLiteral("packDock"));
    packView_ = new PackView(packDock);
    packDock->setWidget(packView_);
    addDockWidget(Qt::BottomDockWidgetArea, packDock);
}

QWidget* EditorWindow::stageListArea() const { return stageList_; }

void EditorWindow::push(const Edit& edit) {
    // The stack owns its commands. Each remembers its stage, so undoing it
    // goes back to that stage whichever is shown by then.
    undo_->push(new EditCommand(edit, doc_.current(), [this](int index, const game::StageDesc& s) {
        applyStage(index, s);
    }));
}

void EditorWindow::applyStage(int index, const game::StageDesc& stage) {
    doc_.setStage(index, stage);
    stageList_->showStage(doc_, index);
    showCurrent();
}

void EditorWindow::showCurrent() {
    board_->setStage(stage());
    {
        const QSignalBlocker targetQuiet(target_);
        const QSignalBlocker magicQuiet(magic_);
        target_->setValue(stage().target);
        magic_->setValue(stage().magic);
    }
    const int at = doc_.current();
    addStage_->setEnabled(doc_.canAdd());
    duplicateStage_->setEnabled(doc_.canAdd());
    deleteStage_->setEnabled(doc_.canRemove());
    moveUp_->setEnabled(at > 0);
    moveDown_->setEnabled(at + 1 < doc_.count());
    packView_->setStages(doc_.stages(), doc_.current());
    emit stageChanged(stage());
}

void EditorWindow::showPack() {
    stageList_->showPack(doc_);
    showCurrent();
    updateTitle();
}

void EditorWindow::selectStage(int index) {
    if (index == doc_.current() || !doc_.select(index)) return;
    stageList_->showStage(doc_, index);
    showCurrent();
}

void EditorWindow::replaceStage(const game::StageDesc& stage, const QString& description) {
    if (stage == this->stage()) return;
    push(Edit{Edit::Field::Board, this->stage(), stage, description.toStdString()});
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (!mayDiscard()) {
        event->ignore();
        return;
    }
    saveSettings();
    dropJournal();  // saved or let go: nothing to offer back
    event->accept();
}

void EditorWindow::restoreSettings() {
    QSettings s = settings();
    // The first time, room for the stage list, the board and the proof side by side.
    if (!restoreGeometry(s.value(kGeometryKey).toByteArray())) resize(kFirstSize);
    restoreState(s.value(kStateKey).toByteArray());
    chooseKind(kindNamed(s.value(kKindKey).toString().toStdString()).value_or(Kind::Sand));
}

void EditorWindow::saveSettings() const {
    QSettings s = settings();
    s.setValue(kGeometryKey, saveGeometry());
    s.setValue(kStateKey, saveState());
    const std::string_view kind = kindInfo(board_->kind()).name;
    s.setValue(kKindKey, QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size())));
}

}  // namespace workshop
