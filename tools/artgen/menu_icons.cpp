// The menu's background and the program icon.

#include <QPainter>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "art.h"

namespace artgen {

QImage makeMenuForm(const QImage& leftFigure, const QImage& rightFigure) {
    QImage img = newImage(288, 288, pal::ink);
    stoneChecker(img, 48, 0xF0A3);
    const QRect plate(6, 10, 276, 84);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawRoundedRect(QRectF(plate).translated(3, 4), 3, 3);
    }
    woodPlate(img, plate, 0xF0A4);
    QPainter p(&img);
    TextStyle st;
    st.pixelSize = 46;
    st.rim = 5.0;
    st.shadow = QPointF(2.0, 2.5);
    st.top = pal::titleTop;
    st.bottom = pal::titleBottom;
    st.letterSpacing = 1.0;
    drawTitleText(p, QRectF(54, plate.top(), 180, plate.height()), QStringLiteral("Lumora"), st);
    // the little mage at each end of the plate, standing on its bottom rail
    p.drawImage(10, plate.bottom() - 9 - 47, leftFigure);
    p.drawImage(plate.right() - 10 - 47, plate.bottom() - 9 - 47, rightFigure);
    return img;
}

// The program icon is pixel art on a blue tile.  16, 24 and 32 pixels are
// drawn as they are; every bigger size is one of them enlarged by a whole
// factor, pixel for pixel, so no size is ever a blurred rescale.

// Clear pixels at the start of each top row; the other corners mirror it.
namespace {

std::vector<int> iconCornerCut(int n) {
    if (n <= 16) return {2, 1};
    if (n <= 24) return {3, 1, 1};
    return {4, 2, 1, 1};
}

bool inIconTile(int n, int x, int y) {
    if (x < 0 || y < 0 || x >= n || y >= n) return false;
    const std::vector<int> cut = iconCornerCut(n);
    const int row = std::min(y, n - 1 - y);
    const int col = std::min(x, n - 1 - x);
    return row >= int(cut.size()) || col >= cut[size_t(row)];
}

bool onIconEdge(int n, int x, int y) {
    return inIconTile(n, x, y) && (!inIconTile(n, x - 1, y) || !inIconTile(n, x + 1, y) ||
                                   !inIconTile(n, x, y - 1) || !inIconTile(n, x, y + 1));
}

// The tile without its rim: lit from the top-left like every other picture.
QImage iconTile(int n) {
    QImage img = newImage(n, n, Qt::transparent);
    const QColor top(0x4e, 0x8c, 0xe0), bottom(0x1f, 0x46, 0x8c);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            if (!inIconTile(n, x, y) || onIconEdge(n, x, y)) continue;
            // quantised to a few bands so the enlarged sizes show clean steps
            const double t = std::floor((x + y) * 6.0 / (2 * n - 2)) / 6.0;
            QColor c = mix(top, bottom, t);
            if (onIconEdge(n, x - 1, y) || onIconEdge(n, x, y - 1))
                c = mix(c, pal::bluePale, 0.55);
            else if (onIconEdge(n, x + 1, y) || onIconEdge(n, x, y + 1))
                c = mix(c, pal::blueInk, 0.45);
            img.setPixelColor(x, y, c);
        }
    return img;
}

void iconRim(QImage& img) {
    const int n = img.width();
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (onIconEdge(n, x, y)) img.setPixelColor(x, y, pal::blueInk);
}

QColor iconInk(char ch) {
    static const std::pair<char, QColor> inks[] = {
        {'k', pal::ink},        {'H', pal::hat},       {'h', pal::hatShade}, {'g', pal::gold},
        {'G', pal::goldDark},   {'c', pal::cream},     {'y', pal::hair},     {'Y', pal::hairShade},
        {'s', pal::skin},       {'S', pal::skinShade}, {'p', pal::blush},    {'m', pal::mouth},
        {'e', pal::eye},        {'w', Qt::white},      {'r', pal::robe},     {'R', pal::robeShade},
        {'L', pal::robeLight},  {'o', pal::orb},       {'O', pal::orbDeep},  {'t', pal::staff},
        {'T', pal::staffLight},
    };
    for (const auto& [key, color] : inks)
        if (key == ch) return color;
    return QColor();
}

// A hand-placed face for the sizes too small to take the sprite's: one
// character per pixel, '-' lets the tile show.
QImage iconFromRows(const std::vector<const char*>& rows) {
    const int n = int(rows.size());
    QImage img = iconTile(n);
    for (int y = 0; y < n; ++y) {
        const QByteArray row(rows[size_t(y)]);
        if (row.size() != n) {
            std::fprintf(stderr, "artgen: icon row %d is %lld wide, wants %d\n", y,
                         static_cast<long long>(row.size()), n);
            std::abort();
        }
        for (int x = 0; x < n; ++x) {
            const QColor c = iconInk(row[x]);
            if (c.isValid() && inIconTile(n, x, y)) img.setPixelColor(x, y, c);
        }
    }
    iconRim(img);
    return img;
}

// clang-format off

}  // namespace

QImage makeIcon16() {
    return iconFromRows({
        "----------------",
        "---kkk----------",
        "--kHHk----------",
        "---kHHHk--------",
        "---kHHgHHk------",
        "--kHHHHHhhk-----",
        "--kggggggGGk----",
        "-kHHHHHHHHHhhhk-",
        "--kyyyyyyyyyyk--",
        "--kyssssssssyk--",
        "--kysessssesyk--",
        "--kysessssesyk--",
        "--kYpssmmsspYk--",
        "---kSssssssSk---",
        "----krrccrrk----",
        "----------------",
    });
}

QImage makeIcon24() {
    return iconFromRows({
        "------------------------",
        "------------------------",
        "----kkk-------------kk--",
        "---kHHk------------kwok-",
        "----kHHk----------kwooOk",
        "----kHHHk---------kooOOk",
        "----kHHHgHk--------kOOk-",
        "---kHHHgcgHhk------kggk-",
        "---kHHHHgHHhhk-----kTtk-",
        "--kggggggggggGGk---kTtk-",
        "-kHHHHHHHHHHHHHHhhhhhhk-",
        "--khhhhhhhhhhhhhhhhkTtk-",
        "---kyyyyyyyyyyyyyk-kTtk-",
        "---kyyssysssyssyyk-kTtk-",
        "---kyssewsssewssyk-kTtk-",
        "---kysseessseessyk-kTtk-",
        "---kysssssssssssyk-kTtk-",
        "---kYppsssmsssppYk-kTtk-",
        "---kYSsssssssssSYk-kTtk-",
        "---kYkSsssssssSkYk-kTtk-",
        "---kLrkccccccckrRk-kTtk-",
        "--kLrrrrcccccrrrRRkkTtk-",
        "-kLrrrrrrrrrrrrrRRRkTtk-",
        "------------------------",
    });
}
// clang-format on

// The sprite's own head and hat, pixel for pixel.
QImage makeIcon32(const QImage& front) {
    QImage img = iconTile(32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QColor c = front.pixelColor(x + 8, y);
            if (c.alpha() == 255 && inIconTile(32, x, y)) img.setPixelColor(x, y, c);
        }
    iconRim(img);
    return img;
}

QString iconPath(int n, const QString& app) {
    return QStringLiteral("icons/hicolor/%1x%1/apps/io.github.lumora.%2.png").arg(n).arg(app);
}

// The workshop's icon is the game's with a stage plan in its lower right
// corner: two by two cells of block, water, sand and wall, ruled in ink, so
// the two sit side by side in a menu and are told apart at 16 pixels.
QImage makeWorkshopIcon(const QImage& gameIcon) {
    QImage img = gameIcon;
    const int n = img.width();
    const int cell = n <= 16 ? 2 : n <= 24 ? 3 : 4;
    const int side = 2 * cell + 3;
    const int x0 = n - 1 - side, y0 = n - 1 - side;
    const QColor fills[2][2] = {{pal::leafLight, pal::blueMid}, {pal::bluePale, pal::purpLight}};
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const bool rule = x % (cell + 1) == 0 || y % (cell + 1) == 0;
            img.setPixelColor(x0 + x, y0 + y,
                              rule ? pal::ink : fills[y / (cell + 1)][x / (cell + 1)]);
        }
    return img;
}

QString packIconPath(int n) {
    return QStringLiteral("icons/hicolor/%1x%1/mimetypes/application-x-lumora-pack.png").arg(n);
}

// A pack file's icon is the game's with two pages stacked in its lower right
// corner, the front one holding a block, so a file manager tells a pack from
// the program that opens it.
QImage makePackIcon(const QImage& gameIcon) {
    QImage img = gameIcon;
    const int n = img.width();
    const int w = 3 * n / 8, h = w + 2, shift = 2;
    auto page = [&](int x0, int y0) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
                img.setPixelColor(x0 + x, y0 + y, edge ? pal::ink : pal::cream);
            }
    };
    const int x0 = n - 1 - w, y0 = n - 1 - h;
    page(x0 - shift, y0 - shift);
    page(x0, y0);
    const int block = w - 4;
    for (int y = 0; y < block; ++y)
        for (int x = 0; x < block; ++x) {
            const bool rim = x == 0 || y == 0 || x == block - 1 || y == block - 1;
            img.setPixelColor(x0 + 2 + x, y0 + (h - block) / 2 + y,
                              rim ? pal::leafDark : pal::leafLight);
        }
    return img;
}

QImage enlarged(const QImage& img, int factor) {
    return img.scaled(img.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace artgen
