// lumora-artgen: draws every picture Lumora ships, from scratch, with QPainter.
//
//   QT_QPA_PLATFORM=offscreen lumora-artgen <assets-dir>
//
// writes <assets-dir>/MainWindow/*.png, <assets-dir>/Menu/*.png and
// <assets-dir>/icon.png, then reads every file back and checks sizes,
// transparency and the pictures that must be byte-for-byte twins.
// All "randomness" comes from a fixed-seed generator, so two runs on the
// same Qt build produce identical files.

#include <QGuiApplication>
#include <cstdio>
#include <vector>

#include "art.h"

using namespace artgen;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <assets-dir>\n", argv[0]);
        return 2;
    }
    loadFonts();
    Writer w(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    const QString mw = QStringLiteral("MainWindow/");
    const QString mn = QStringLiteral("Menu/");

    // ---- character -------------------------------------------------------
    const SideFrames side = drawSideFrames();
    for (int i = 0; i < 3; ++i) {
        ok &= w.save(mw + QStringLiteral("RightWalk_%1.png").arg(i), side.walk[i], true);
        ok &= w.save(mw + QStringLiteral("LeftWalk_%1.png").arg(i),
                     side.walk[i].mirrored(true, false), true);
    }
    for (int i = 0; i < 5; ++i) {
        ok &= w.save(mw + QStringLiteral("RightJump_%1.png").arg(i), side.jump[i], true);
        ok &= w.save(mw + QStringLiteral("LeftJump_%1.png").arg(i),
                     side.jump[i].mirrored(true, false), true);
    }
    const QImage plain = drawFront(Face::Plain);
    const QImage cry = drawFront(Face::Cry);
    const QImage smile = drawFront(Face::Smile);
    ok &= w.save(mw + QStringLiteral("RightNaku_0.png"), plain, true);
    ok &= w.save(mw + QStringLiteral("RightNaku_1.png"), cry, true);
    ok &= w.save(mw + QStringLiteral("RightNiko_0.png"), plain, true);
    ok &= w.save(mw + QStringLiteral("RightNiko_1.png"), smile, true);
    ok &= w.save(mw + QStringLiteral("LeftNaku_0.png"), plain.mirrored(true, false), true);
    ok &= w.save(mw + QStringLiteral("LeftNaku_1.png"), cry.mirrored(true, false), true);
    ok &= w.save(mw + QStringLiteral("LeftNiko_0.png"), plain.mirrored(true, false), true);
    ok &= w.save(mw + QStringLiteral("LeftNiko_1.png"), smile.mirrored(true, false), true);

    // ---- board cells and tray --------------------------------------------
    const QImage block = makeBlock();
    const QImage water = makeWater();
    ok &= w.save(mw + QStringLiteral("Block.png"), block, false);
    ok &= w.save(mw + QStringLiteral("Green.png"), block, false);
    ok &= w.save(mw + QStringLiteral("Sand.png"), makeSand(), false);
    ok &= w.save(mw + QStringLiteral("Water.png"), water, false);
    ok &= w.save(mw + QStringLiteral("Stone.png"), water, false);
    ok &= w.save(mw + QStringLiteral("Wall.png"), makeWall(), false);
    ok &= w.save(mw + QStringLiteral("Image1.png"), makeMagicIcon(), false);

    QImage tray = newImage(144, 432, pal::ink);
    stoneChecker(tray, 48, 0x7EA1);
    ok &= w.save(mw + QStringLiteral("ButtonTray.png"), tray, false);
    const QImage plate = makePlate(QString());
    ok &= w.save(mw + QStringLiteral("Batti.png"), makePlate(QStringLiteral("Lumora")), false);
    ok &= w.save(mw + QStringLiteral("Stage.png"), plate, false);
    ok &= w.save(mw + QStringLiteral("MoriCount.png"), plate, false);

    const QImage tryAgain = makeButton(QStringLiteral("Try Again"));
    const QImage exitButton = makeButton(QStringLiteral("Exit"));
    ok &= w.save(mw + QStringLiteral("Command1.png"), tryAgain, false);
    ok &= w.save(mw + QStringLiteral("Command3.png"), exitButton, false);

    // ---- menu ------------------------------------------------------------
    ok &= w.save(mn + QStringLiteral("Form.png"), makeMenuForm(smile.mirrored(true, false), smile),
                 false);
    ok &= w.save(mn + QStringLiteral("Command1.png"), makeButton(QStringLiteral("Start")), false);
    ok &= w.save(mn + QStringLiteral("Command2.png"), makeButton(QStringLiteral("Load")), false);
    ok &= w.save(mn + QStringLiteral("Command3.png"), exitButton, false);
    ok &= w.save(mn + QStringLiteral("Command4.png"), makeButton(QStringLiteral("Stage Clear")),
                 false);
    ok &= w.save(mn + QStringLiteral("Command5.png"), tryAgain, false);

    // Every size of the program icon, each drawn at 16, 24 or 32 pixels.
    const QImage icon16 = makeIcon16(), icon24 = makeIcon24(), icon32 = makeIcon32(plain);
    const std::pair<const QImage*, int> iconSizes[] = {{&icon16, 1}, {&icon24, 1}, {&icon32, 1},
                                                       {&icon24, 2}, {&icon32, 2}, {&icon32, 4},
                                                       {&icon32, 8}};
    for (const auto& [source, factor] : iconSizes) {
        const int n = source->width() * factor;
        ok &= w.save(iconPath(n), enlarged(*source, factor), true);
        ok &= w.save(iconPath(n, QStringLiteral("Workshop")),
                     enlarged(makeWorkshopIcon(*source), factor), true);
        ok &= w.save(packIconPath(n), enlarged(makePackIcon(*source), factor), true);
    }
    ok &= w.save(QStringLiteral("icon.png"), icon32, true);

    if (!ok) return 1;

    // ---- read everything back ---------------------------------------------
    std::vector<std::pair<QString, QSize>> expected;
    const QSize cell(48, 48), button(144, 28), plateSize(144, 62);
    for (const char* n : {"Block", "Sand", "Water", "Wall", "Image1", "Stone", "Green"})
        expected.push_back({mw + QLatin1String(n) + QStringLiteral(".png"), cell});
    for (const char* facing : {"Left", "Right"}) {
        const QString s = QLatin1String(facing);
        for (int i = 0; i < 3; ++i)
            expected.push_back({mw + s + QStringLiteral("Walk_%1.png").arg(i), cell});
        for (int i = 0; i < 5; ++i)
            expected.push_back({mw + s + QStringLiteral("Jump_%1.png").arg(i), cell});
        for (int i = 0; i < 2; ++i) {
            expected.push_back({mw + s + QStringLiteral("Naku_%1.png").arg(i), cell});
            expected.push_back({mw + s + QStringLiteral("Niko_%1.png").arg(i), cell});
        }
    }
    expected.push_back({mw + QStringLiteral("ButtonTray.png"), QSize(144, 432)});
    for (const char* n : {"Batti", "Stage", "MoriCount"})
        expected.push_back({mw + QLatin1String(n) + QStringLiteral(".png"), plateSize});
    expected.push_back({mw + QStringLiteral("Command1.png"), button});
    expected.push_back({mw + QStringLiteral("Command3.png"), button});
    expected.push_back({mn + QStringLiteral("Form.png"), QSize(288, 288)});
    for (int i = 1; i <= 5; ++i)
        expected.push_back({mn + QStringLiteral("Command%1.png").arg(i), button});
    expected.push_back({QStringLiteral("icon.png"), QSize(32, 32)});
    for (int n : {16, 24, 32, 48, 64, 128, 256}) {
        expected.push_back({iconPath(n), QSize(n, n)});
        expected.push_back({iconPath(n, QStringLiteral("Workshop")), QSize(n, n)});
        expected.push_back({packIconPath(n), QSize(n, n)});
    }

    const std::vector<std::pair<QString, QString>> twins = {
        {mw + QStringLiteral("LeftJump_0.png"), mw + QStringLiteral("LeftWalk_1.png")},
        {mw + QStringLiteral("RightJump_0.png"), mw + QStringLiteral("RightWalk_1.png")},
        {mw + QStringLiteral("LeftJump_2.png"), mw + QStringLiteral("LeftJump_3.png")},
        {mw + QStringLiteral("RightJump_2.png"), mw + QStringLiteral("RightJump_3.png")},
        {mw + QStringLiteral("LeftNiko_0.png"), mw + QStringLiteral("LeftNaku_0.png")},
        {mw + QStringLiteral("RightNiko_0.png"), mw + QStringLiteral("RightNaku_0.png")},
        {mw + QStringLiteral("MoriCount.png"), mw + QStringLiteral("Stage.png")},
        {mw + QStringLiteral("Stone.png"), mw + QStringLiteral("Water.png")},
        {mw + QStringLiteral("Green.png"), mw + QStringLiteral("Block.png")},
        {mn + QStringLiteral("Command3.png"), mw + QStringLiteral("Command3.png")},
        {mn + QStringLiteral("Command5.png"), mw + QStringLiteral("Command1.png")},
        {QStringLiteral("icon.png"), iconPath(32)},
    };
    if (!checkOutput(w, twins, expected)) return 1;
    std::printf("artgen: wrote %zu pictures to %s\n", w.files().size(), argv[1]);
    return 0;
}
