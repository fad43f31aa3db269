#include "workshop/stage_drawing.h"

#include <QActionGroup>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

#include "workshop/board_view.h"
#include "workshop/wording.h"
#include "workshop/live_texts.h"

namespace workshop {
namespace {

QSpinBox* numberBox(int low, int high, const QString& tip, const char* name, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    box->setToolTip(tip);
    box->setObjectName(QString::fromLatin1(name));
    // Typing 12 is one edit of 12, not one of 1 and then one of 12.
    box->setKeyboardTracking(false);
    return box;
}

}  // namespace

StageDrawing::StageDrawing(qtfront::PictureLibrary& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures), kinds_(new QActionGroup(this)) {
    texts_ = new LiveTexts(this);
    auto* layout = new QVBoxLayout(this);
    board_ = new BoardView(pictures_, this);
    layout->addWidget(board_, 0, Qt::AlignHCenter);
    auto* numbers = new QFormLayout;
    numbers->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    target_ = numberBox(kMinTarget, kMaxTarget, QString(), "targetBox", this);
    magic_ = numberBox(kMinMagic, kMaxMagic, QString(), "magicBox", this);
    auto* targetLabel = new QLabel(this);
    auto* magicLabel = new QLabel(this);
    targetLabel->setBuddy(target_);
    magicLabel->setBuddy(magic_);
    texts_->add([=, this] {
        target_->setToolTip(tr("How many blocks the board must hold for the stage to be cleared"));
        magic_->setToolTip(tr("The magic the player has when the stage starts. The stage file "
                              "stores one less, the budget."));
        targetLabel->setText(tr("&Target blocks:"));
        magicLabel->setText(tr("Starting &magic:"));
    });
    numbers->addRow(targetLabel, target_);
    numbers->addRow(magicLabel, magic_);
    layout->addLayout(numbers);
    layout->addStretch();

    connect(board_, &BoardView::edited, this, &StageDrawing::edited);
    connect(target_, &QSpinBox::valueChanged, this, [this](int v) {
        if (auto e = setTarget(shown_, v)) emit edited(*e);
    });
    connect(magic_, &QSpinBox::valueChanged, this, [this](int v) {
        if (auto e = setMagic(shown_, v)) emit edited(*e);
    });
}

void StageDrawing::show(const game::StageDesc& stage) {
    shown_ = stage;
    board_->setStage(stage);
    const QSignalBlocker targetQuiet(target_);
    const QSignalBlocker magicQuiet(magic_);
    target_->setValue(stage.target);
    magic_->setValue(stage.magic);
}

void StageDrawing::addPalette(QMenu* menu, QToolBar* bar) {
    for (const KindInfo& k : kKinds) {
        QAction* action = menu->addAction(QIcon(kindPicture(pictures_, k.kind)), QString());
        action->setCheckable(true);
        action->setShortcut(QKeySequence(QChar(k.key)));
        texts_->add([action, &k] {
            action->setText(kindName(k));
            action->setToolTip(tr("%1 (%2)").arg(kindName(k), QChar(k.key)));
        });
        action->setData(static_cast<int>(k.kind));
        kinds_->addAction(action);
        bar->addAction(action);
        connect(action, &QAction::triggered, this, [this, kind = k.kind] { chooseKind(kind); });
    }
}

void StageDrawing::chooseKind(Kind kind) {
    board_->setKind(kind);
    const QList<QAction*> actions = kinds_->actions();
    if (static_cast<int>(kind) < actions.size()) actions.at(static_cast<int>(kind))->setChecked(true);
}

Kind StageDrawing::kind() const { return board_->kind(); }

}  // namespace workshop
