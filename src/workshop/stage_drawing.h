#pragma once

#include <QWidget>

#include "game/stage_desc.h"
#include "workshop/core/editing.h"

class QActionGroup;
class QMenu;
class QSpinBox;
class QToolBar;

namespace qtfront {
class PictureLibrary;
}

namespace workshop {

class LiveTexts;

class BoardView;

// The stage being drawn: the board with its palette, the target and the
// starting magic. It shows the stage it is given and hands on every edit
// made of it; it keeps no pack and no undo of its own.
class StageDrawing : public QWidget {
    Q_OBJECT
public:
    StageDrawing(qtfront::PictureLibrary& pictures, QWidget* parent);

    BoardView* board() const { return board_; }
    void show(const game::StageDesc& stage);
    // The stage changed where nothing here shows it (an answer taken
    // quietly): the next edit of a number starts from it.
    void follow(const game::StageDesc& stage) { shown_ = stage; }
    // The palette, one checkable action a kind, into the menu and the tool bar.
    void addPalette(QMenu* menu, QToolBar* bar);
    void chooseKind(Kind kind);
    Kind kind() const;

signals:
    void edited(const workshop::Edit& edit);

private:
    qtfront::PictureLibrary& pictures_;
    game::StageDesc shown_;
    BoardView* board_ = nullptr;
    QSpinBox* target_ = nullptr;
    QSpinBox* magic_ = nullptr;
    QActionGroup* kinds_ = nullptr;
    LiveTexts* texts_ = nullptr;
};

}  // namespace workshop
