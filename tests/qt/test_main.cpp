#include <gtest/gtest.h>

#include <QApplication>

#include "qt/font_substitutes.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    qtfront::installFontSubstitutes();
    return RUN_ALL_TESTS();
}
