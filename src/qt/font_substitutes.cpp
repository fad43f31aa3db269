#include "qt/font_substitutes.h"

#include <QFont>
#include <QString>

namespace qtfront {

// Qt tries a substitute only after the family asked for is not found, so the
// table can be filled without asking which families the machine has.
void installFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QString::fromUtf8("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
}

}  // namespace qtfront
