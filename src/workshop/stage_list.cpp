#include "workshop/stage_list.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTimer>
#include <QGridLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "workshop/board_view.h"
#include "workshop/core/pack_document.h"
#include "workshop/live_texts.h"

namespace workshop {
namespace {

constexpr int kThumbCellPixels = 8;  // 72 pixels a side: the board can still be read

struct InfoField {
    const char* label;
    std::string game::PackInfo::*member;
};
constexpr InfoField kInfoFields[] = {
    {QT_TRANSLATE_NOOP("workshop::StageList", "&Name:"), &game::PackInfo::name},
    {QT_TRANSLATE_NOOP("workshop::StageList", "&Author:"), &game::PackInfo::author},
    {QT_TRANSLATE_NOOP("workshop::StageList", "&Licence:"), &game::PackInfo::license},
};

QString itemText(int index) { return StageList::tr("Stage %1").arg(index + 1); }

}  // namespace

StageList::StageList(qtfront::PictureLibrary& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures) {
    texts_ = new LiveTexts(this);
    auto* layout = new QVBoxLayout(this);
    makeInfoFields(layout);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("stageList"));
    const int side = kThumbCellPixels * game::kBoardSide;
    list_->setIconSize(QSize(side, side));
    list_->setDragDropMode(QAbstractItemView::InternalMove);
    list_->setDefaultDropAction(Qt::MoveAction);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(list_, 1);
    buttons_ = new QGridLayout;
    layout->addLayout(buttons_);
    // The stages' names are the list's own words.
    texts_->add([this] {
        for (int i = 0; i < list_->count(); ++i) list_->item(i)->setText(itemText(i));
    });

    connect(list_, &QListWidget::currentRowChanged, this, &StageList::select);
    // The list has moved the item itself; the window moves the stage and
    // shows the pack again, once the drop is over.
    connect(list_->model(), &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex&, int start, int, const QModelIndex&, int row) {
                const int to = row > start ? row - 1 : row;
                QTimer::singleShot(0, this, [this, start, to] { emit moved(start, to); });
            });
}

void StageList::addButton(QAction* action) {
    constexpr int kButtonColumns = 2;
    auto* button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    const int at = buttons_->count();
    buttons_->addWidget(button, at / kButtonColumns, at % kButtonColumns);
}

void StageList::makeInfoFields(QVBoxLayout* layout) {
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i] = new QLineEdit(this);
        auto* label = new QLabel(this);
        label->setBuddy(fields_[i]);
        texts_->add([label, i] { label->setText(tr(kInfoFields[i].label)); });
        form->addRow(label, fields_[i]);
        connect(fields_[i], &QLineEdit::editingFinished, this, &StageList::editFinished);
    }
    fields_[0]->setObjectName(QStringLiteral("packName"));
    layout->addLayout(form);
}

void StageList::editFinished() {
    game::PackInfo typed = shown_;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        typed.*kInfoFields[i].member = fields_[i]->text().toStdString();
    if (!(typed == shown_)) emit infoEdited(typed);
}

void StageList::select(int index) {
    if (index >= 0) emit selected(index);
}

void StageList::showPack(const PackDocument& doc) {
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (int i = 0; i < doc.count(); ++i)
        list_->addItem(new QListWidgetItem(
            QIcon(stagePicture(pictures_, doc.stage(i), kThumbCellPixels)), itemText(i)));
    list_->setCurrentRow(doc.current());
    showInfo(doc.info());
}

void StageList::showStage(const PackDocument& doc, int index) {
    const QSignalBlocker quiet(list_);
    if (QListWidgetItem* item = list_->item(index))
        item->setIcon(QIcon(stagePicture(pictures_, doc.stage(index), kThumbCellPixels)));
    list_->setCurrentRow(doc.current());
}

void StageList::showInfo(const game::PackInfo& info) {
    shown_ = info;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const QSignalBlocker quiet(fields_[i]);
        fields_[i]->setText(QString::fromStdString(info.*kInfoFields[i].member));
    }
}

}  // namespace workshop
