#include "qt/picture_library.h"

#include <QtGlobal>

namespace qtfront {

QString PictureLibrary::resourcePath(const std::string& form, const std::string& picture) {
    // Array elements become file names without parentheses: "LeftWalk(1)" is LeftWalk_1.png.
    std::string file;
    for (char ch : picture) {
        if (ch == '(') {
            file += '_';
        } else if (ch != ')') {
            file += ch;
        }
    }
    return QString::fromStdString(":/" + form + "/" + file + ".png");
}

const QPixmap* PictureLibrary::find(const std::string& form, const std::string& picture) {
    if (picture.empty()) return nullptr;
    auto key = std::make_pair(form, picture);
    auto it = cache_.find(key);
    if (it == cache_.end()) {
        QPixmap pixmap(resourcePath(form, picture));
        // A missing picture is remembered as a null pixmap so it is reported once.
        if (pixmap.isNull())
            qWarning("lumora: no picture %s", qPrintable(resourcePath(form, picture)));
        it = cache_.emplace(std::move(key), std::move(pixmap)).first;
    }
    return it->second.isNull() ? nullptr : &it->second;
}

const QIcon& PictureLibrary::programIcon() {
    if (icon_.isNull()) icon_ = QIcon(QStringLiteral(":/icon.png"));
    return icon_;
}

}  // namespace qtfront
