#pragma once

#include <QWidget>
#include <optional>

#include "game/stage_desc.h"
#include "workshop/core/editing.h"

namespace qtfront {
class PictureLibrary;
}

namespace workshop {

// The 9 x 9 board in the game's own pictures at the game's size. The left
// button paints the chosen kind, the right one empties; a press, drag and
// release is one edit, shown as it is painted and handed on at the release.
//
// By keyboard: the arrows move a cursor cell, Space or Enter paints it with
// the chosen kind, Delete empties it, and Shift with the arrows paints every
// cell the cursor passes, the cell it leaves included. A Shift stroke is one
// edit, as a drag is: it ends when Shift is let go, another key comes or the
// board loses the keyboard.
class BoardView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCellPixels = 48;  // the game's cell

    BoardView(qtfront::PictureLibrary& pictures, QWidget* parent = nullptr);

    // The stage to show. A drag under way is dropped: it was painted on the
    // stage this one replaces (an undo pressed while dragging).
    void setStage(const game::StageDesc& stage);
    void setKind(Kind kind) { kind_ = kind; }
    // Rings a cell (a way off the board the proof found); (0, 0) rings none.
    void setMarkedCell(int c, int r);
    Kind kind() const { return kind_; }
    const game::StageDesc& stage() const { return shown(); }

    // The keyboard's cell, (1, 1) at the top left; a click moves it too.
    int cursorColumn() const { return cursorCol_; }
    int cursorRow() const { return cursorRow_; }
    void setCursorCell(int c, int r);

    // Tells a screen reader what the proof now says of the stage; it is the
    // board's description from then on.
    void announce(const QString& verdict);
    const QString& announcement() const { return announcement_; }

    QSize sizeHint() const override;

signals:
    void edited(const workshop::Edit& edit);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // X11 sends a double click in place of a quick second press.
    void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const game::StageDesc& shown() const { return stroke_ ? stroke_->stage() : stage_; }
    void strokeTo(const QPointF& at);
    void strokeToCell(int c, int r);
    // Hands on the stroke under way as one edit, if it changed anything.
    void finishStroke();
    void paintCursorCell(Kind kind);
    void drawCursor(QPainter& p, const QPoint& origin, int side) const;
    // Tells a screen reader of the cells whose kinds differ from `before`'s.
    void tellChangedCells(const game::StageDesc& before) const;
    void tellCursor() const;

    qtfront::PictureLibrary& pictures_;
    game::StageDesc stage_;
    Kind kind_ = Kind::Sand;
    std::optional<Stroke> stroke_;
    Qt::MouseButton strokeButton_ = Qt::NoButton;  // none for a stroke of the keys
    int cursorCol_ = 1;
    int cursorRow_ = 1;
    QString announcement_;
    int markCol_ = 0;
    int markRow_ = 0;
};

// The whole board at `cellPixels` a cell, for the pack's list of stages.
QPixmap stagePicture(qtfront::PictureLibrary& pictures, const game::StageDesc& stage,
                     int cellPixels);

// The picture a kind is shown with, on the board's white, for the palette.
QPixmap kindPicture(qtfront::PictureLibrary& pictures, Kind kind);

}  // namespace workshop
