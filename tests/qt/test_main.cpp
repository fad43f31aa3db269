#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "qt/font_substitutes.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The workshop keeps unsaved work in the state folder: never the player's.
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toUtf8());
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    qtfront::installFontSubstitutes();
    return RUN_ALL_TESTS();
}
