#include "qt/font_substitutes.h"

#include <QFont>
#include <QFontDatabase>
#include <QString>
#include <QStringList>

namespace qtfront {

void installFontSubstitutes() {
    const struct {
        QString wanted;
        QString substitute;
    } pairs[] = {
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
        {QString::fromUtf8("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")},
    };
    const QStringList installed = QFontDatabase::families();
    for (const auto& p : pairs)
        if (!installed.contains(p.wanted, Qt::CaseInsensitive))
            QFont::insertSubstitution(p.wanted, p.substitute);
}

}  // namespace qtfront
