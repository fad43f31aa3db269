#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>

// The substitutes are put in without asking which families the machine has:
// that is sound only while a family that is there wins over its substitute.
// Both families here come with the fonts the game depends on.
TEST(FontSubstitutes, OnlyStandInForMissingFamilies) {
    const struct {
        const char* wanted;
        const char* expected;
    } cases[] = {
        {"Liberation Sans", "Liberation Sans"},           // there, and kept
        {"No Such Family Anywhere", "Liberation Serif"},  // missing, stood in for
    };
    QFont::insertSubstitution(QStringLiteral("Liberation Sans"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("No Such Family Anywhere"),
                              QStringLiteral("Liberation Serif"));
    for (const auto& c : cases)
        EXPECT_EQ(QFontInfo(QFont(QString::fromLatin1(c.wanted))).family(),
                  QString::fromLatin1(c.expected))
            << c.wanted;
    QFont::removeSubstitutions(QStringLiteral("Liberation Sans"));
    QFont::removeSubstitutions(QStringLiteral("No Such Family Anywhere"));
}
