#include "workshop/board_view.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "qt/picture_library.h"
#include "workshop/board_accessible.h"

namespace workshop {
namespace {

constexpr const char* kForm = "MainWindow";  // the game window, whose pictures the board shows
const QColor kBoardColor(Qt::white);
const QColor kGridColor(0xD8, 0xD8, 0xD8);  // only between empty cells, where nothing else shows
const QColor kMarkColor(0xE0, 0x20, 0x20);  // a cell the proof warns about
// The keyboard's cell: a blue ring with a white one inside it, seen on the
// white board and on every picture.
const QColor kCursorColor(0x10, 0x50, 0xD0);
const QColor kCursorInner(Qt::white);

// The arrows and the way each moves the cursor.
struct CursorStep {
    Qt::Key key;
    int dc;
    int dr;
};
constexpr CursorStep kCursorSteps[] = {
    {Qt::Key_Left, -1, 0},
    {Qt::Key_Right, 1, 0},
    {Qt::Key_Up, 0, -1},
    {Qt::Key_Down, 0, 1},
};

const CursorStep* cursorStep(int key) {
    for (const CursorStep& s : kCursorSteps)
        if (s.key == key) return &s;
    return nullptr;
}

// What a plain key does to the cursor's cell.
enum class CellKey { Paint, Empty };
struct CellKeyInfo {
    Qt::Key key;
    CellKey does;
};
constexpr CellKeyInfo kCellKeys[] = {
    {Qt::Key_Space, CellKey::Paint},     {Qt::Key_Return, CellKey::Paint},
    {Qt::Key_Enter, CellKey::Paint},     {Qt::Key_Delete, CellKey::Empty},
    {Qt::Key_Backspace, CellKey::Empty},
};

std::optional<CellKey> cellKey(int key) {
    for (const CellKeyInfo& k : kCellKeys)
        if (k.key == key) return k.does;
    return std::nullopt;
}

Qt::KeyboardModifiers plainModifiers(const QKeyEvent* event) {
    return event->modifiers() & ~Qt::KeypadModifier;
}

bool isShiftStep(const QKeyEvent* event) {
    return cursorStep(event->key()) != nullptr && plainModifiers(event) == Qt::ShiftModifier;
}

// One cell filling `r`. The picture is stretched without smoothing, so at
// any scale its pixels stay sharp-edged blocks.
void drawCell(QPainter& p, const QRect& r, Kind kind, qtfront::PictureLibrary& pictures) {
    p.fillRect(r, kBoardColor);
    if (cellKindOf(kind) == game::CellKind::Empty) {
        // The top and left edges only: the cell beside draws the other two.
        p.fillRect(QRect(r.topLeft(), QSize(r.width(), 1)), kGridColor);
        p.fillRect(QRect(r.topLeft(), QSize(1, r.height())), kGridColor);
    }
    const std::string_view name = kindInfo(kind).picture;
    if (const QPixmap* pixmap = pictures.find(kForm, std::string(name))) p.drawPixmap(r, *pixmap);
}

}  // namespace

BoardView::BoardView(qtfront::PictureLibrary& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures), stage_(blankStage()) {
    // Before anything asks Qt of the board's interface, which it then keeps.
    installBoardAccessibility();
    setFixedSize(sizeHint());
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Held by the board, the keys choose kinds; in a spin box they are digits.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Board"));
}

QSize BoardView::sizeHint() const { return QSize(kCellPixels, kCellPixels) * game::kBoardSide; }

void BoardView::setStage(const game::StageDesc& stage) {
    const game::StageDesc before = shown();
    stage_ = stage;
    stroke_.reset();
    strokeButton_ = Qt::NoButton;
    tellChangedCells(before);
    update();
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Drawn in device pixels, from a corner on a whole pixel, with cells a
    // whole number of pixels wide: at 1.25 or 1.5 every cell is the same size
    // and no edge is smeared over two pixels.
    const QTransform toDevice = p.deviceTransform();
    p.setWorldTransform(toDevice.inverted());
    const QPointF corner = toDevice.map(QPointF(0, 0));
    const QPoint origin(static_cast<int>(std::lround(corner.x())),
                        static_cast<int>(std::lround(corner.y())));
    const int side = static_cast<int>(std::lround(kCellPixels * toDevice.m11()));
    const game::StageDesc& s = shown();
    for (int r = 1; r <= game::kBoardSide; ++r)
        for (int c = 1; c <= game::kBoardSide; ++c)
            drawCell(p, QRect(origin + QPoint((c - 1) * side, (r - 1) * side), QSize(side, side)),
                     kindAt(s, c, r), pictures_);
    if (markCol_ > 0) {
        const int pen = std::max(2, side / 16);
        const QRect cell(origin + QPoint((markCol_ - 1) * side, (markRow_ - 1) * side),
                         QSize(side, side));
        p.setPen(QPen(kMarkColor, pen));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cell.adjusted(pen / 2, pen / 2, -pen / 2 - 1, -pen / 2 - 1));
    }
    if (hasFocus()) drawCursor(p, origin, side);
}

void BoardView::drawCursor(QPainter& p, const QPoint& origin, int side) const {
    const int pen = std::max(3, side / 12);
    const QRect cell(origin + QPoint((cursorCol_ - 1) * side, (cursorRow_ - 1) * side),
                     QSize(side, side));
    p.setBrush(Qt::NoBrush);
    const QRect outer = cell.adjusted(pen / 2, pen / 2, -pen / 2 - 1, -pen / 2 - 1);
    p.setPen(QPen(kCursorColor, pen));
    p.drawRect(outer);
    p.setPen(QPen(kCursorInner, 1));
    p.drawRect(outer.adjusted(pen / 2 + 1, pen / 2 + 1, -pen / 2 - 1, -pen / 2 - 1));
}

void BoardView::setCursorCell(int c, int r) {
    c = std::clamp(c, 1, game::kBoardSide);
    r = std::clamp(r, 1, game::kBoardSide);
    if (c == cursorCol_ && r == cursorRow_) return;
    cursorCol_ = c;
    cursorRow_ = r;
    tellCursor();
    update();
}

void BoardView::announce(const QString& verdict) {
    announcement_ = verdict;
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    // Where the platform has a way to speak at once, it takes this.
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void BoardView::tellCursor() const {
    if (!hasFocus()) return;
    QAccessibleEvent focus(const_cast<BoardView*>(this), QAccessible::Focus);
    focus.setChild(game::boardIndex(cursorCol_, cursorRow_));
    QAccessible::updateAccessibility(&focus);
}

void BoardView::tellChangedCells(const game::StageDesc& before) const {
    const game::StageDesc& now = shown();
    for (int r = 1; r <= game::kBoardSide; ++r)
        for (int c = 1; c <= game::kBoardSide; ++c) {
            if (kindAt(before, c, r) == kindAt(now, c, r)) continue;
            QAccessibleEvent named(const_cast<BoardView*>(this), QAccessible::NameChanged);
            named.setChild(game::boardIndex(c, r));
            QAccessible::updateAccessibility(&named);
        }
}

void BoardView::setMarkedCell(int c, int r) {
    if (c == markCol_ && r == markRow_) return;
    markCol_ = c;
    markRow_ = r;
    update();
}

void BoardView::strokeTo(const QPointF& at) {
    strokeToCell(static_cast<int>(std::floor(at.x() / kCellPixels)) + 1,
                 static_cast<int>(std::floor(at.y() / kCellPixels)) + 1);
}

void BoardView::strokeToCell(int c, int r) {
    const game::StageDesc before = stroke_->stage();
    stroke_->to(c, r);
    if (stroke_->stage() == before) return;
    tellChangedCells(before);
    update();
}

void BoardView::finishStroke() {
    if (!stroke_) return;
    const std::optional<Edit> edit = stroke_->finish();
    stroke_.reset();
    strokeButton_ = Qt::NoButton;
    if (!edit) return;
    // The edit's stage is shown from here on; the window applies it again.
    stage_ = edit->after;
    emit edited(*edit);
}

void BoardView::paintCursorCell(Kind kind) {
    stroke_.emplace(stage_, kind);
    strokeToCell(cursorCol_, cursorRow_);
    finishStroke();
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    const Qt::MouseButton b = event->button();
    if (stroke_ && strokeButton_ == Qt::NoButton) finishStroke();  // the keys' stroke ends
    if (stroke_ || (b != Qt::LeftButton && b != Qt::RightButton)) return;
    const QPointF at = event->position();
    if (rect().contains(at.toPoint()))
        setCursorCell(static_cast<int>(at.x()) / kCellPixels + 1,
                      static_cast<int>(at.y()) / kCellPixels + 1);
    stroke_.emplace(stage_, b == Qt::LeftButton ? kind_ : Kind::Empty);
    strokeButton_ = b;
    strokeTo(at);
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
    if (stroke_) strokeTo(event->position());
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    if (!stroke_ || strokeButton_ == Qt::NoButton || event->button() != strokeButton_) return;
    finishStroke();
}

// Any key but Shift with an arrow ends a stroke of the keys before it does
// anything else; Ctrl and Alt come before the key they hold, so an undo
// pressed mid-stroke undoes the whole stroke.
void BoardView::keyPressEvent(QKeyEvent* event) {
    const bool mouseStroke = stroke_ && strokeButton_ != Qt::NoButton;
    if (mouseStroke || event->key() == Qt::Key_Shift) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (isShiftStep(event)) {
        const CursorStep* step = cursorStep(event->key());
        if (!stroke_) {  // the stroke starts on the cell the cursor leaves
            stroke_.emplace(stage_, kind_);
            strokeToCell(cursorCol_, cursorRow_);
        }
        setCursorCell(cursorCol_ + step->dc, cursorRow_ + step->dr);
        strokeToCell(cursorCol_, cursorRow_);
        return;
    }
    finishStroke();
    if (plainModifiers(event) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (const CursorStep* step = cursorStep(event->key())) {
        setCursorCell(cursorCol_ + step->dc, cursorRow_ + step->dr);
    } else if (const std::optional<CellKey> does = cellKey(event->key())) {
        paintCursorCell(*does == CellKey::Paint ? kind_ : Kind::Empty);
    } else {
        QWidget::keyPressEvent(event);
    }
}

void BoardView::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Shift && stroke_ && strokeButton_ == Qt::NoButton) {
        finishStroke();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void BoardView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // Qt tells of the board's focus after this; the cell's comes after that.
    QMetaObject::invokeMethod(this, &BoardView::tellCursor, Qt::QueuedConnection);
    update();
}

void BoardView::focusOutEvent(QFocusEvent* event) {
    if (stroke_ && strokeButton_ == Qt::NoButton) finishStroke();
    QWidget::focusOutEvent(event);
    update();
}

QPixmap stagePicture(qtfront::PictureLibrary& pictures, const game::StageDesc& stage,
                     int cellPixels) {
    QPixmap pixmap(QSize(cellPixels, cellPixels) * game::kBoardSide);
    QPainter p(&pixmap);
    for (int r = 1; r <= game::kBoardSide; ++r)
        for (int c = 1; c <= game::kBoardSide; ++c)
            drawCell(p, QRect((c - 1) * cellPixels, (r - 1) * cellPixels, cellPixels, cellPixels),
                     kindAt(stage, c, r), pictures);
    p.setPen(kGridColor);  // the bottom and right edges no cell draws
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}

QPixmap kindPicture(qtfront::PictureLibrary& pictures, Kind kind) {
    QPixmap pixmap(BoardView::kCellPixels, BoardView::kCellPixels);
    QPainter p(&pixmap);
    drawCell(p, pixmap.rect(), kind, pictures);
    if (cellKindOf(kind) == game::CellKind::Empty) {  // alone, it needs all four edges
        p.setPen(kGridColor);
        p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    }
    return pixmap;
}

}  // namespace workshop
