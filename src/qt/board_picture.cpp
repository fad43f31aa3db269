#include "qt/board_picture.h"

#include <QPainter>
#include <string>

#include "forms/control.h"
#include "game/cells.h"
#include "game/rules.h"
#include "qt/picture_library.h"

namespace qtfront {
namespace {

constexpr const char* kForm = "MainWindow";  // the game window, whose pictures the board has

void drawAt(QPainter& p, int c, int r, std::string_view picture) {
    if (picture.empty()) return;
    const QImage image = bakedImage(PictureLibrary::artName(kForm, std::string(picture)));
    const int side = game::rules::kCellPixels;
    p.drawImage(QRect((c - 1) * side, (r - 1) * side, side, side), image);
}

}  // namespace

QImage startingBoard(const game::StageDesc& stage) {
    const int side = game::rules::kCellPixels * game::kBoardSide;
    QImage board(side, side, QImage::Format_ARGB32_Premultiplied);
    board.fill(QColor::fromRgb(static_cast<QRgb>(forms::kWhite)));
    QPainter p(&board);
    for (int r = 1; r <= game::kBoardSide; ++r)
        for (int c = 1; c <= game::kBoardSide; ++c)
            drawAt(p, c, r, game::cellInfo(stage.at(c, r)).picture);
    drawAt(p, stage.startCol, stage.startRow, game::kStartPicture);
    return board;
}

}  // namespace qtfront
