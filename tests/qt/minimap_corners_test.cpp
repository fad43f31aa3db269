#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cmath>
#include <iterator>

// The answer mini-map shows each cell kind by the top-left corner of its
// 48-pixel picture, inside a one-pixel frame, beside flat white "O" marks and
// pale red unmarked boxes. A player has to tell them apart at a glance, and
// so does one who sees no colour.

namespace {

struct Rgb {
    double r, g, b;
};

double luma(const Rgb& c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

double distance(const Rgb& a, const Rgb& b) { return std::hypot(a.r - b.r, a.g - b.g, a.b - b.b); }

// The pixels a mini-map box shows of a picture: its 12 x 12 corner less the
// frame drawn over the box's edge.
QImage shownCorner(const char* kind) {
    const QImage art(QString::fromLatin1(":/MainWindow/%1.png").arg(QLatin1String(kind)));
    return art.convertToFormat(QImage::Format_RGB32).copy(1, 1, 10, 10);
}

Rgb mean(const QImage& img) {
    Rgb sum{0, 0, 0};
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            sum.r += c.red();
            sum.g += c.green();
            sum.b += c.blue();
        }
    const double n = img.width() * img.height();
    return {sum.r / n, sum.g / n, sum.b / n};
}

const char* const kKinds[] = {"Sand", "Block", "Water", "Wall"};
const struct {
    const char* name;
    Rgb colour;
} kMarks[] = {{"O (white)", {255, 255, 255}}, {"unmarked (pale red)", {255, 192, 192}}};

}  // namespace

TEST(MiniMapCorners, EveryKindStandsApartFromBothMarks) {
    for (const char* kind : kKinds) {
        const QImage corner = shownCorner(kind);
        ASSERT_FALSE(corner.isNull()) << kind;
        const Rgb avg = mean(corner);
        for (const auto& mark : kMarks) {
            EXPECT_GE(distance(avg, mark.colour), 90) << kind << " vs " << mark.name;
            EXPECT_GE(std::abs(luma(avg) - luma(mark.colour)), 45)
                << kind << " vs " << mark.name << " in greyscale";
            // An average can hide a patch of flat mark colour: no more than a
            // quarter of the box (a bubble's glint, say) may pass for a mark.
            int lookalikes = 0;
            for (int y = 0; y < corner.height(); ++y)
                for (int x = 0; x < corner.width(); ++x) {
                    const QColor c = corner.pixelColor(x, y);
                    lookalikes += distance({double(c.red()), double(c.green()), double(c.blue())},
                                           mark.colour) < 40;
                }
            EXPECT_LE(lookalikes, 25) << kind << " corner pixels like " << mark.name;
        }
    }
}

TEST(MiniMapCorners, TheFourKindsDifferFromOneAnother) {
    for (size_t i = 0; i < std::size(kKinds); ++i)
        for (size_t j = i + 1; j < std::size(kKinds); ++j) {
            const Rgb a = mean(shownCorner(kKinds[i])), b = mean(shownCorner(kKinds[j]));
            EXPECT_GE(distance(a, b), 35) << kKinds[i] << " vs " << kKinds[j];
            EXPECT_GE(std::abs(luma(a) - luma(b)), 15)
                << kKinds[i] << " vs " << kKinds[j] << " in greyscale";
        }
}
