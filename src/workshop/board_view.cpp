#include "workshop/board_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "qt/picture_library.h"

namespace workshop {
namespace {

constexpr const char* kForm = "MainWindow";  // the game window, whose pictures the board shows
const QColor kBoardColor(Qt::white);
const QColor kGridColor(0xD8, 0xD8, 0xD8);  // only between empty cells, where nothing else shows
const QColor kMarkColor(0xE0, 0x20, 0x20);  // a cell the proof warns about

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
    setFixedSize(sizeHint());
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Held by the board, the keys choose kinds; in a spin box they are digits.
    setFocusPolicy(Qt::StrongFocus);
}

QSize BoardView::sizeHint() const { return QSize(kCellPixels, kCellPixels) * game::kBoardSide; }

void BoardView::setStage(const game::StageDesc& stage) {
    stage_ = stage;
    stroke_.reset();
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
}

void BoardView::setMarkedCell(int c, int r) {
    if (c == markCol_ && r == markRow_) return;
    markCol_ = c;
    markRow_ = r;
    update();
}

void BoardView::strokeTo(const QPointF& at) {
    const int c = static_cast<int>(std::floor(at.x() / kCellPixels)) + 1;
    const int r = static_cast<int>(std::floor(at.y() / kCellPixels)) + 1;
    const game::StageDesc before = stroke_->stage();
    stroke_->to(c, r);
    if (!(stroke_->stage() == before)) update();
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    const Qt::MouseButton b = event->button();
    if (stroke_ || (b != Qt::LeftButton && b != Qt::RightButton)) return;
    stroke_.emplace(stage_, b == Qt::LeftButton ? kind_ : Kind::Empty);
    strokeButton_ = b;
    strokeTo(event->position());
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
    if (stroke_) strokeTo(event->position());
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    if (!stroke_ || event->button() != strokeButton_) return;
    const std::optional<Edit> edit = stroke_->finish();
    stroke_.reset();
    if (!edit) return;
    // The edit's stage is shown from here on; the window applies it again.
    stage_ = edit->after;
    emit edited(*edit);
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
