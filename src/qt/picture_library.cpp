#include "qt/picture_library.h"

#include <QImage>
#include <QtGlobal>
#include <string_view>

#include "qt/baked_art.h"

namespace qtfront {

namespace {

// The picture wraps the program's own copy of the pixels, which lives as long
// as the program: nothing is decoded, and Qt never looks for image plugins.
QImage imageOf(const baked_art::Picture& art) {
    return QImage(reinterpret_cast<const uchar*>(art.pixels), art.width, art.height, art.width * 4,
                  art.seeThrough ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

QPixmap bakedPixmap(const baked_art::Picture& art) { return QPixmap::fromImage(imageOf(art)); }

}  // namespace

QImage bakedImage(const std::string& artName) {
    const baked_art::Picture* art = baked_art::find(artName);
    return art != nullptr ? imageOf(*art) : QImage();
}

std::string PictureLibrary::artName(const std::string& form, const std::string& picture) {
    // Array elements become file names without parentheses: "LeftWalk(1)" is LeftWalk_1.png.
    std::string file;
    for (char ch : picture) {
        if (ch == '(') {
            file += '_';
        } else if (ch != ')') {
            file += ch;
        }
    }
    return form + "/" + file;
}

const QPixmap* PictureLibrary::find(const std::string& form, const std::string& picture) {
    if (picture.empty()) return nullptr;
    auto key = std::make_pair(form, picture);
    auto it = cache_.find(key);
    if (it == cache_.end()) {
        const std::string name = artName(form, picture);
        const baked_art::Picture* art = baked_art::find(name);
        // A missing picture is remembered as a null pixmap so it is reported once.
        if (art == nullptr) qWarning("lumora: no picture %s", name.c_str());
        it = cache_.emplace(std::move(key), art ? bakedPixmap(*art) : QPixmap()).first;
    }
    return it->second.isNull() ? nullptr : &it->second;
}

const QIcon& PictureLibrary::programIcon(ProgramIcon which) {
    QIcon& icon = icons_[static_cast<std::size_t>(which)];
    if (icon.isNull()) {
        // Every size the build baked in (LUMORA_ICON_SIZES in src/qt/CMakeLists.txt).
        const std::string prefix =
            std::string("icon/") + (which == ProgramIcon::Game ? "Lumora/" : "Workshop/");
        for (std::size_t i = 0; i < baked_art::kPictureCount; ++i)
            if (std::string_view(baked_art::kPictures[i].name).starts_with(prefix))
                icon.addPixmap(bakedPixmap(baked_art::kPictures[i]));
    }
    return icon;
}

}  // namespace qtfront
