#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

#include "solver/moves.h"
#include "workshop/core/palette.h"

namespace workshop {

// The game module's UTF-8 text for a widget.
inline QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A kind's name as the palette, the menus and the board say it.
inline QString kindName(const KindInfo& k) {
    return QCoreApplication::translate(game::kCellWords, std::string(k.name).c_str());
}

// "1 cast", "3 casts": English carries no catalogue, so Qt's plural forms
// would show as "3 cast(s)"; each catalogue translates both words.
inline QString counted(long long n, const QString& one, const QString& many) {
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? one : many);
}

// Moves as the solver names them, translated; a dash for none.
inline QString requiredMoves(unsigned required) {
    QStringList names;
    for (int i = 0; i < solver::moves::kCount; ++i)
        if (required & (1u << i))
            names << QCoreApplication::translate(solver::moves::kNameWords, solver::moves::kNames[i]);
    return names.isEmpty() ? QStringLiteral("-") : names.join(QStringLiteral(", "));
}

}  // namespace workshop
