#include "qt/baked_art.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QPixmap>
#include <string>

#include "qt/picture_library.h"

namespace {

// What the game painted when it read its PNGs at run time.
QImage fromPng(const std::string& name) {
    if (name.rfind("icon/", 0) == 0) {
        // "icon/Workshop/16"
        const auto slash = name.find('/', 5);
        const std::string app = name.substr(5, slash - 5), n = name.substr(slash + 1);
        return QPixmap(QString::fromStdString(":/icons/hicolor/" + n + "x" + n +
                                              "/apps/io.github.lumora." + app + ".png"))
            .toImage();
    }
    return QPixmap(QString::fromStdString(":/" + name + ".png")).toImage();
}

}  // namespace

// Every picture the program carries paints exactly as its PNG under assets/,
// in the same pixel format, whether a window draws it or it is the icon's.
TEST(BakedArt, EveryPictureEqualsItsPng) {
    using Which = qtfront::PictureLibrary::ProgramIcon;
    qtfront::PictureLibrary library;
    // A glob that found nothing would leave the loop below with nothing to check.
    ASSERT_GE(qtfront::baked_art::kPictureCount, 40u);
    for (std::size_t i = 0; i < qtfront::baked_art::kPictureCount; ++i) {
        const std::string name = qtfront::baked_art::kPictures[i].name;
        SCOPED_TRACE(name);
        const QImage png = fromPng(name);
        ASSERT_FALSE(png.isNull());
        QImage baked;
        if (name.rfind("icon/", 0) == 0) {
            const QIcon& icon = library.programIcon(
                name.rfind("icon/Workshop/", 0) == 0 ? Which::Workshop : Which::Game);
            ASSERT_TRUE(icon.availableSizes().contains(png.size()));
            baked = icon.pixmap(png.size()).toImage();
        } else {
            const auto slash = name.find('/');
            const QPixmap* pixmap = library.find(name.substr(0, slash), name.substr(slash + 1));
            ASSERT_NE(pixmap, nullptr);
            baked = pixmap->toImage();
        }
        EXPECT_EQ(baked.format(), png.format());
        EXPECT_TRUE(baked == png);
    }
}

// An array picture is found under its file's name, a missing one is null.
TEST(BakedArt, FindsByControlPicture) {
    qtfront::PictureLibrary library;
    const QPixmap* walk = library.find("MainWindow", "LeftWalk(1)");
    ASSERT_NE(walk, nullptr);
    EXPECT_TRUE(walk->toImage() == fromPng("MainWindow/LeftWalk_1"));
    EXPECT_EQ(library.find("MainWindow", "NoSuchPicture(3)"), nullptr);
    EXPECT_EQ(qtfront::baked_art::find("Menu/Form "), nullptr);
}
