// lumora-thumbnail INPUT OUTPUT SIZE: the picture a file manager shows for a
// pack, the first stage's board as the game shows it when the stage starts,
// a PNG of SIZE x SIZE pixels. Run by the desktop for every pack it lists, so
// it starts no application and needs no display: the board is painted from
// the pictures compiled in, without fonts.
#include <QBuffer>
#include <QImage>
#include <cstdio>
#include <string>
#include <variant>

#include "../solver/number_arg.h"
#include "game/durable_file.h"
#include "game/pack_file.h"
#include "qt/board_picture.h"

namespace {

constexpr int kLargestSize = 4096;  // past the largest thumbnail a desktop asks for
// Qt's PNG quality: a lighter compression than zlib's default, which took
// half the time of a 1024-pixel thumbnail for 5 % less bytes.
constexpr int kPngQuality = 80;

int fail(const std::string& message) {
    std::fprintf(stderr, "lumora-thumbnail: %s\n", message.c_str());
    return 1;
}

// The board is square, so it fills the thumbnail whole. Shrunk, its pixels
// are blended; grown, each stays a sharp-edged block as in the game.
QImage thumbnail(const game::StageDesc& stage, int size) {
    const QImage board = qtfront::startingBoard(stage);
    const Qt::TransformationMode mode =
        size < board.width() ? Qt::SmoothTransformation : Qt::FastTransformation;
    return board.scaled(size, size, Qt::KeepAspectRatio, mode);
}

std::string pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG", kPngQuality)) return {};
    return bytes.toStdString();
}

std::string fileName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("Usage: lumora-thumbnail INPUT OUTPUT SIZE\n", stderr);
        return 2;
    }
    const std::string input = argv[1], output = argv[2];
    const auto size = solvecli::optionNumber<int>("SIZE", argv[3], 1, kLargestSize);
    if (const auto* wrong = std::get_if<std::string>(&size)) {
        std::fprintf(stderr, "lumora-thumbnail: %s\n", wrong->c_str());
        return 2;
    }
    const auto pack = game::openAnyPack(input);
    if (const auto* e = std::get_if<game::FileError>(&pack)) return fail(e->message);
    const game::StageDesc& first = std::get<game::PackContents>(pack).pack.stages.front();
    const std::string png = pngBytes(thumbnail(first, std::get<int>(size)));
    if (png.empty()) return fail(fileName(output) + ": the picture could not be made");
    // Whole or not at all: a file manager never shows half a picture.
    if (auto e = game::writeFileDurably(fileName(output), output, png)) return fail(e->message);
    return 0;
}
