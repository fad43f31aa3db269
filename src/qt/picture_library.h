#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <array>
#include <map>
#include <string>
#include <utility>

namespace qtfront {

// A picture compiled into the program, as an image over the program's own copy
// of its pixels: nothing is decoded, and no application or display is needed.
// Null when the program carries no such picture.
QImage bakedImage(const std::string& artName);

// The artwork compiled into the program. A control names its picture after the
// stock control it came from ("LeftWalk(1)"); each window keeps its pictures in
// a folder of its own, so the same name can mean different art in two windows
// (the menu's Command1 reads Start, the game window's Try Again).
class PictureLibrary {
public:
    // "MainWindow/LeftWalk_1" for picture "LeftWalk(1)" of form "MainWindow":
    // the art's file under assets/ without ".png".
    static std::string artName(const std::string& form, const std::string& picture);

    // Null when the program carries no such picture.
    const QPixmap* find(const std::string& form, const std::string& picture);
    // Whether the picture has been looked for, and so decoded if it exists.
    bool looked(const std::string& form, const std::string& picture) const {
        return cache_.count({form, picture}) != 0;
    }

    // Made once and shared by every window: a new icon per window would leave
    // a copy of its pictures in Qt's cache each time. It carries the sizes a
    // title bar and a task switcher ask for, so none is shrunk from another.
    enum class ProgramIcon { Game, Workshop };
    const QIcon& programIcon(ProgramIcon which = ProgramIcon::Game);

private:
    std::array<QIcon, 2> icons_;
    std::map<std::pair<std::string, std::string>, QPixmap> cache_;
};

}  // namespace qtfront
