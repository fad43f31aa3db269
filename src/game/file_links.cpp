#include "game/file_links.h"

#include <cerrno>

namespace game {

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

FileResult<std::string> followLinks(const PhraseValue& name, const std::string& path) {
    // As many hops as the system itself follows before it gives up.
    constexpr int kMaxHops = 40;
    std::string at = path;
    for (int hops = 0; hops < kMaxHops; ++hops) {
        FileKind kind{};
        int r = fileIo().kindOf(at, false, kind);
        if (r == -ENOENT && hops > 0)
            return FileError{
                phrase(kGameWords,
                       QT_TRANSLATE_NOOP("Game", "%1: %2 is a link to %3, which does not exist"),
                       {name, path, at})};
        if (r == -ENOENT) return at;
        if (r < 0) return cannot(name, FileAct::Open, path, describeErrno(-r));
        if (kind != FileKind::Link) return at;
        std::string target;
        r = fileIo().readLink(at, target);
        if (r < 0) return cannot(name, FileAct::Open, path, describeErrno(-r));
        at = !target.empty() && target[0] == '/' ? target : folderOf(at) + "/" + target;
    }
    return cannot(name, FileAct::Open, path, describeErrno(ELOOP));
}

}  // namespace game
