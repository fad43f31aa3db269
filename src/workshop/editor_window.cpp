#include "workshop/editor_window.h"

#include <QCloseEvent>
#include <algorithm>
#include <QDockWidget>
#include <QSettings>
#include <QStatusBar>
#include <QUndoStack>

#include "workshop/board_view.h"
#include "workshop/core/stage_proof.h"
#include "workshop/journal_keeper.h"
#include "workshop/live_proof.h"
#include "workshop/pack_view.h"
#include "workshop/play_session.h"
#include "workshop/proof_panel.h"
#include "workshop/stage_drawing.h"
#include "workshop/stage_list.h"
#include "workshop/wording.h"
#include "workshop/live_texts.h"

namespace workshop {
namespace {

QSettings settings() { return QSettings(QStringLiteral("lumora"), QStringLiteral("workshop")); }

const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kStateKey = QStringLiteral("window/state");
const QString kKindKey = QStringLiteral("editor/kind");
const QString kProofMemoryKey = QStringLiteral("proof/memoryMB");

// Wide enough for a stage list or a proof to be read in.
constexpr int kDockMinWidth = 200;
constexpr QSize kFirstSize(1180, 680);

QDockWidget* dockFor(QMainWindow* window, LiveTexts& texts, const char* title, const char* name,
                     Qt::DockWidgetArea area) {
    auto* dock = new QDockWidget(window);
    texts.title(dock, title);
    dock->setObjectName(QString::fromLatin1(name));
    window->addDockWidget(area, dock);
    return dock;
}

}  // namespace

EditorWindow::EditorWindow(qtfront::PictureLibrary& pictures, QWidget* parent)
    : QMainWindow(parent), pictures_(pictures), pack_(new PackKeeper(this)) {
    texts_ = new LiveTexts(this);
    drawing_ = new StageDrawing(pictures_, this);
    setCentralWidget(drawing_);
    play_ = new PlaySession(this);
    statusBar();  // there from the start, so an outcome does not resize the window
    makeDocks();
    makeMenus();
    makeJournal();
    connectParts();
    restoreSettings();
    showPack();
    texts_->add([this] { updateTitle(); });
    board()->setFocus();
}

// The undo stack goes with the window's children, after the window's own
// members, and tells of its emptying as it goes: nothing may hear it then.
EditorWindow::~EditorWindow() { undoStack()->disconnect(); }

BoardView* EditorWindow::board() const { return drawing_->board(); }

ProofPanel* EditorWindow::proofPanel() const { return proof_->panel(); }

void EditorWindow::makeDocks() {
    QDockWidget* listDock = dockFor(this, *texts_, QT_TR_NOOP("Stages"), "stageListDock", Qt::LeftDockWidgetArea);
    stageList_ = new StageList(pictures_, listDock);
    stageList_->setObjectName(QStringLiteral("stageListDockArea"));
    stageList_->setMinimumWidth(kDockMinWidth);
    listDock->setWidget(stageList_);

    QDockWidget* proofDock = dockFor(this, *texts_, QT_TR_NOOP("Proof"), "proofDock", Qt::RightDockWidgetArea);
    proof_ = new LiveProof(pictures_, proofDock, *pack_, play_);

    QDockWidget* packDock = dockFor(this, *texts_, QT_TR_NOOP("Pack"), "packDock", Qt::BottomDockWidgetArea);
    packView_ = new PackView(packDock);
    packDock->setWidget(packView_);
}

void EditorWindow::connectParts() {
    connect(drawing_, &StageDrawing::edited, pack_, &PackKeeper::push);
    connect(stageList_, &StageList::selected, pack_, &PackKeeper::select);
    connect(stageList_, &StageList::moved, pack_, &PackKeeper::moveStage);
    connect(stageList_, &StageList::infoEdited, pack_, &PackKeeper::editInfo);

    connect(pack_, &PackKeeper::stageUpdated, this, &EditorWindow::showStage);
    connect(pack_, &PackKeeper::packReplaced, this, &EditorWindow::showPack);
    connect(pack_, &PackKeeper::filed, this, &EditorWindow::updateTitle);
    // What a save writes as each stage's solution, the pack's proofs know.
    connect(pack_, &PackKeeper::opened, packView_, &PackView::checkCarried);
    pack_->setSolutionSource(
        [this](const game::StageDesc& s) { return onItsAnswer(s, packView_->solutionOf(s)); });
    connect(pack_, &PackKeeper::saved, journal_, &JournalKeeper::drop);  // the work is in the pack now
    connect(pack_, &PackKeeper::answerTaken, this, [this] {
        drawing_->follow(stage());
        emit stageChanged(stage());
    });
    connect(undoStack(), &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });

    ProofPanel* panel = proof_->panel();
    connect(this, &EditorWindow::stageChanged, panel, &ProofPanel::prove);
    connect(panel, &ProofPanel::markCell, board(), &BoardView::setMarkedCell);
    // For a screen reader, as it arrives.
    connect(panel, &ProofPanel::solutionSettled, board(),
            [this, panel] { board()->announce(panel->verdict()); });
    // The pack's table takes the shown stage's row from this proof: one
    // proof of it, not two racing for the same two cores.
    connect(panel, &ProofPanel::proved, packView_,
            [this](const game::StageDesc& s, const StageProof& p) { packView_->learn(s, p.proof); });
    connect(panel, &ProofPanel::searching, packView_, &PackView::holdProofs);
    connect(proof_, &LiveProof::waiting, this, [this](const QString& message) {
        if (message.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(message);
    });
}

void EditorWindow::showStage(int index) {
    stageList_->showStage(document(), index);
    showCurrent();
}

void EditorWindow::showCurrent() {
    const PackDocument& doc = document();
    drawing_->show(stage());
    const int at = doc.current();
    addStage_->setEnabled(doc.canAdd());
    duplicateStage_->setEnabled(doc.canAdd());
    deleteStage_->setEnabled(doc.canRemove());
    moveUp_->setEnabled(at > 0);
    moveDown_->setEnabled(at + 1 < doc.count());
    packView_->setStages(doc.stages(), doc.current());
    emit stageChanged(stage());
}

void EditorWindow::showPack() {
    stageList_->showPack(document());
    showCurrent();
    updateTitle();
}

void EditorWindow::updateTitle() {
    setWindowTitle(tr("%1[*] — Lumora Workshop").arg(pack_->title()));
    save_->setEnabled(!document().readOnly());
}

void EditorWindow::playPack() {
    // The game plays files: an unsaved pack is saved first.
    if ((!undoStack()->isClean() || document().folder().empty()) && !pack_->save()) return;
    emit playPackRequested(text(document().folder()), document().count());
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (!pack_->mayDiscard()) {
        event->ignore();
        return;
    }
    saveSettings();
    journal_->drop();  // saved or let go: nothing to offer back
    event->accept();
}

void EditorWindow::restoreSettings() {
    QSettings s = settings();
    // The first time, room for the stage list, the board and the proof side by side.
    if (!restoreGeometry(s.value(kGeometryKey).toByteArray())) resize(kFirstSize);
    restoreState(s.value(kStateKey).toByteArray());
    drawing_->chooseKind(
        kindNamed(s.value(kKindKey).toString().toStdString()).value_or(Kind::Sand));
    const int mb = s.value(kProofMemoryKey, static_cast<int>(solver::kMemoryBudgetMB)).toInt();
    setProofMemoryMB(static_cast<std::size_t>(std::clamp(mb, kMinProofMemoryMB, kMaxProofMemoryMB)));
}

void EditorWindow::setProofMemory(int megabytes) {
    setProofMemoryMB(static_cast<std::size_t>(megabytes));
    settings().setValue(kProofMemoryKey, megabytes);
}

void EditorWindow::saveSettings() const {
    QSettings s = settings();
    s.setValue(kGeometryKey, saveGeometry());
    s.setValue(kStateKey, saveState());
    const std::string_view kind = kindInfo(drawing_->kind()).name;
    s.setValue(kKindKey, QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size())));
}

}  // namespace workshop
