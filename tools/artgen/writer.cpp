// Writing the pictures, and reading every one back to check it.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "art.h"

namespace artgen {

bool Writer::save(const QString& rel, const QImage& img, bool transparent) {
    const QString file = path(rel);
    QDir().mkpath(QFileInfo(file).absolutePath());
    const QImage out =
        img.convertToFormat(transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (!out.save(file, "PNG")) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(file));
        return false;
    }
    files_.push_back({file, img.size(), transparent});
    return true;
}

bool checkOutput(const Writer& w, const std::vector<std::pair<QString, QString>>& twins,
                 const std::vector<std::pair<QString, QSize>>& expected) {
    bool ok = true;
    auto fail = [&](const QString& msg) {
        std::fprintf(stderr, "artgen: check failed: %s\n", qPrintable(msg));
        ok = false;
    };
    for (const auto& [rel, size] : expected) {
        QImage img(w.path(rel));
        if (img.isNull())
            fail(rel + QStringLiteral(" missing or unreadable"));
        else if (img.size() != size)
            fail(QStringLiteral("%1 is %2x%3, wants %4x%5")
                     .arg(rel)
                     .arg(img.width())
                     .arg(img.height())
                     .arg(size.width())
                     .arg(size.height()));
    }
    for (const Written& f : w.files()) {
        const QImage img = QImage(f.path).convertToFormat(QImage::Format_ARGB32);
        int clear = 0, solid = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const int a = qAlpha(img.pixel(x, y));
                clear += a == 0;
                solid += a == 255;
            }
        const int total = img.width() * img.height();
        if (f.transparent) {
            // a sprite: clear corners, a real figure in the middle
            if (qAlpha(img.pixel(0, 0)) != 0 || qAlpha(img.pixel(img.width() - 1, 0)) != 0)
                fail(f.path + QStringLiteral(" should have a transparent background"));
            if (solid < total / 6) fail(f.path + QStringLiteral(" has almost nothing drawn"));
        } else if (solid != total) {
            fail(f.path + QStringLiteral(" should be fully opaque"));
        }
    }
    for (const auto& [a, b] : twins) {
        QFile fa(w.path(a)), fb(w.path(b));
        if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) ||
            fa.readAll() != fb.readAll())
            fail(a + QStringLiteral(" and ") + b + QStringLiteral(" must be identical"));
    }
    return ok;
}

}  // namespace artgen
