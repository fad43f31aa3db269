#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "game/pack_file.h"
#include "support/fixture.h"

using testing_support::TempFolder;

namespace {

// The first stage has one of each kind where the second has walls, so a
// thumbnail of any stage but the first shows.
const std::vector<std::string> kFirst = {"S........", ".B.......", "..W......",
                                         ".........", "....P....", "KKKKKKKKK",
                                         "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK"};
const std::vector<std::string> kSecond = {"KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK",
                                          "....P....", "KKKKKKKKK", "KKKKKKKKK",
                                          "KKKKKKKKK", "KKKKKKKKK", "KKKKKKKKK"};

game::StageDesc stage(const std::vector<std::string>& rows) {
    auto parsed = game::parseStageText("mmap1.bkm", testing_support::stageFile(rows, "1", "3"));
    return std::get<game::StageDesc>(parsed);
}

std::string packText() {
    game::PackContents contents;
    contents.pack.info = {"Thumbs", "Test", "CC-BY-SA-4.0", 2};
    contents.pack.stages = {stage(kFirst), stage(kSecond)};
    contents.solutions = {"", ""};
    return game::writePackFileText(contents);
}

struct Outcome {
    int status;
    QString err;
};

// As a file manager runs it: no display of any kind to be had.
Outcome thumbnail(const std::string& input, const std::string& output, const QString& size) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(LUMORA_THUMBNAIL),
                  {QString::fromStdString(input), QString::fromStdString(output), size});
    if (!process.waitForFinished(20000)) return {-1, QStringLiteral("did not finish")};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

// The mean colour of a square of the picture, `margin` pixels at its edges
// left out: there a shrunk picture blends into the cell beside it.
QColor meanOf(const QImage& image, QRect part, int margin) {
    part = part.adjusted(margin, margin, -margin, -margin);
    long sum[3] = {0, 0, 0};
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            sum[0] += c.red();
            sum[1] += c.green();
            sum[2] += c.blue();
        }
    const long n = static_cast<long>(part.width()) * part.height();
    return QColor(int(sum[0] / n), int(sum[1] / n), int(sum[2] / n));
}

// How the game's picture of a cell looks on its white window, as a colour,
// leaving out as much of its edges as a thumbnail's cell of `side` pixels
// leaves out of its own.
QColor cellColour(const char* picture, double side) {
    QImage cell(48, 48, QImage::Format_RGB32);
    cell.fill(Qt::white);
    if (picture != nullptr) {
        QPainter p(&cell);
        p.drawImage(0, 0, QImage(QStringLiteral(":/MainWindow/%1.png").arg(picture)));
    }
    return meanOf(cell, cell.rect(), static_cast<int>(std::lround(48 / side)));
}

bool near(const QColor& a, const QColor& b) {
    constexpr int kBlend = 12;  // what shrinking may blend in from the cell's edges
    return std::abs(a.red() - b.red()) <= kBlend && std::abs(a.green() - b.green()) <= kBlend &&
           std::abs(a.blue() - b.blue()) <= kBlend;
}

}  // namespace

// The first stage's board, at any size asked for: each cell in the colours of
// the game's picture of what it holds, the character on its start.
TEST(Thumbnail, ShowsTheFirstStagesBoardAtTheSizeAskedFor) {
    TempFolder f;
    f.write("pack.lumora", packText());
    const struct {
        int c, r;
        const char* picture;  // null for the white of an empty cell
    } cells[] = {{1, 1, "Sand"},       {2, 2, "Block"}, {3, 3, "Water"}, {9, 9, "Wall"},
                 {5, 5, "LeftWalk_1"}, {9, 1, nullptr}, {5, 4, nullptr}};
    for (int size : {432, 256, 90}) {
        SCOPED_TRACE(size);
        const Outcome run =
            thumbnail(f.path() + "/pack.lumora", f.path() + "/out.png", QString::number(size));
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const QImage shot(QString::fromStdString(f.path() + "/out.png"));
        ASSERT_EQ(shot.size(), QSize(size, size));
        const double cell = size / 9.0;
        for (const auto& c : cells) {
            const QRect part(int((c.c - 1) * cell + 0.5), int((c.r - 1) * cell + 0.5), int(cell),
                             int(cell));
            const QColor seen = meanOf(shot, part, 1), want = cellColour(c.picture, cell);
            EXPECT_TRUE(near(seen, want))
                << (c.picture ? c.picture : "empty") << " at " << c.c << "," << c.r << ": "
                << seen.name().toStdString() << " for " << want.name().toStdString();
        }
    }
}

// A file that is no pack is named with its line, and the thumbnail asked for
// is not written: one there from before stays as it was.
TEST(Thumbnail, ABadPackWritesNothing) {
    const std::string pack = packText();
    const struct {
        const char* what;
        std::string bytes;  // empty: no input at all
        const char* names;
    } cases[] = {
        {"no such file", "", "in.lumora"},
        {"not a pack", "Lumora pack 9\n", "in.lumora line 1"},
        {"a stage cut short", pack.substr(0, pack.find("[Stage 1]") + 40), "in.lumora line"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder f;
        if (!c.bytes.empty()) f.write("in.lumora", c.bytes);
        f.write("old.png", "old");
        const Outcome fresh = thumbnail(f.path() + "/in.lumora", f.path() + "/new.png", "64");
        const Outcome over = thumbnail(f.path() + "/in.lumora", f.path() + "/old.png", "64");
        for (const Outcome& run : {fresh, over}) {
            EXPECT_EQ(run.status, 1);
            EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.names))) << run.err.toStdString();
        }
        std::vector<std::string> left = {"old.png"};
        if (!c.bytes.empty()) left.insert(left.begin(), "in.lumora");
        EXPECT_EQ(f.files(), left);
        EXPECT_EQ(f.read("old.png"), "old");
    }
}
