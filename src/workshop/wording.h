#pragma once

#include <QString>
#include <string_view>

namespace workshop {

// The game module's UTF-8 text for a widget.
inline QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// "1 cast", "3 casts": the workshop ships no translations, so Qt's plural
// forms would show as "3 cast(s)".
inline QString counted(long long n, const QString& one, const QString& many) {
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? one : many);
}

}  // namespace workshop
