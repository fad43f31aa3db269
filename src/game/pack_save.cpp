// A pack saved whole: written into a folder beside the old one and swapped in.
#include <algorithm>
#include <cerrno>

#include "game/durable_file.h"
#include "game/file_links.h"
#include "game/file_reader.h"
#include "game/files.h"
#include "game/pack.h"
#include "game/save_folder.h"

namespace game {
namespace {

// What a pack folder's troubles are told under where another file's code
// tells them (a link to nowhere); the sentences below carry it in their words.
PhraseValue folderName() {
    return nested(phrase(kGameWords, QT_TRANSLATE_NOOP("Game", "pack folder")));
}
constexpr const char* kCannotRemove =
    QT_TRANSLATE_NOOP("Game", "pack folder: cannot remove %1 (%2)");
constexpr const char* kCannotRename =
    QT_TRANSLATE_NOOP("Game", "pack folder: cannot rename %1 to %2 (%3)");
constexpr std::string_view kSavingSuffix = ".saving";
constexpr std::string_view kAsideSuffix = ".old";
// What the file-by-file saves of earlier versions left when they were cut short.
constexpr std::string_view kOldTempSuffix = ".new";

// A pack's own files, and the save a game played in the folder keeps there,
// which moves with the pack.
bool isPackFileName(std::string_view name) {
    if (name.ends_with(kOldTempSuffix)) name.remove_suffix(kOldTempSuffix.size());
    if (name == kPackFileName || name == kSaveFileName || name == kSolutionsFolder) return true;
    for (int n = 1; n <= kMaxPackStages; ++n)
        if (name == stageFileName(n) || name == answerFileName(n)) return true;
    return false;
}

// A marked "pack folder: cannot ..." sentence whose last value is the
// system's words for `err`.
FileError folderError(const char* text, std::vector<PhraseValue> values, int err) {
    values.emplace_back(describeErrno(err));
    return FileError{phrase(kGameWords, text, std::move(values))};
}

// Some file systems cannot flush a folder at all; there a rename is as safe as
// they make it.
bool flushed(int r) { return r >= 0 || r == -EINVAL || r == -ENOTSUP; }

// The pack's folder with its links followed, and the two names beside it that
// a save uses.
struct Places {
    std::string folder;
    std::string parent;
    std::string saving;  // the new pack while written; the old one once swapped
    std::string aside;   // the old pack between the two renames of the fallback
};

FileResult<Places> placesOf(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    auto followed = followLinks(folderName(), folder);
    if (auto* e = std::get_if<FileError>(&followed)) return *e;
    Places p;
    p.folder = std::get<std::string>(followed);
    const std::size_t slash = p.folder.rfind('/');
    const std::string base = slash == std::string::npos ? p.folder : p.folder.substr(slash + 1);
    if (base.empty() || base == "." || base == "..")
        return FileError{
            phrase(kGameWords,
                   QT_TRANSLATE_NOOP(
                       "Game", "pack folder: %1 does not name a folder a pack can be saved as"),
                   {folder})};
    p.parent = folderOf(p.folder);
    const std::string hidden = folderText(p.parent) + "." + base;
    p.saving = hidden + std::string(kSavingSuffix);
    p.aside = hidden + std::string(kAsideSuffix);
    return p;
}

bool exists(const std::string& path) {
    FileKind kind{};
    return fileIo().kindOf(path, false, kind) == 0;
}

bool isSolutionFileName(std::string_view name) {
    for (int n = 1; n <= kMaxPackStages; ++n)
        if (kSolutionsFolder + ("/" + std::string(name)) == solutionFileName(n)) return true;
    return false;
}

std::optional<FileError> clearFolder(const std::string& folder, bool solutions = false);

// Takes away a folder a save made, pack files and all; anything else in it
// is left where it is, and so is the folder.
std::optional<FileError> clearFolder(const std::string& folder, bool solutions) {
    if (!exists(folder)) return std::nullopt;
    std::vector<std::string> names;
    if (const int r = fileIo().listFolder(folder, names); r < 0)
        return folderError(QT_TRANSLATE_NOOP("Game", "pack folder: cannot read %1 (%2)"), {folder},
                           -r);
    for (const std::string& name : names) {
        if (!solutions && name == kSolutionsFolder) {
            if (auto e = clearFolder(folderText(folder) + name, true)) return e;
            continue;
        }
        if (solutions ? !isSolutionFileName(name) : !isPackFileName(name))
            return FileError{phrase(
                kGameWords,
                QT_TRANSLATE_NOOP(
                    "Game",
                    "pack folder: %1 holds %2, which no save put there; it is left as it is"),
                {folder, quoteForMessage(name)})};
        if (const int r = fileIo().remove(folderText(folder) + name); r < 0 && r != -ENOENT)
            return folderError(kCannotRemove, {folderText(folder) + name}, -r);
    }
    if (const int r = fileIo().removeFolder(folder); r < 0 && r != -ENOENT)
        return folderError(kCannotRemove, {folder}, -r);
    return std::nullopt;
}

// The fallback's two renames were cut in the middle: the old pack goes back.
std::optional<FileError> putBackAside(const Places& p) {
    if (exists(p.folder) || !exists(p.aside)) return std::nullopt;
    if (const int r = fileIo().rename(p.aside, p.folder); r < 0)
        return folderError(
            QT_TRANSLATE_NOOP("Game", "pack folder: cannot put the old pack in %1 back as %2 (%3)"),
            {p.aside, p.folder}, -r);
    return std::nullopt;
}

// The save of a game played in the pack's folder, to go with the new pack.
FileResult<std::optional<std::string>> saveToCarry(const std::string& folder) {
    constexpr std::size_t kMaxCarried = 1 << 16;  // the game writes a number and a line end
    const std::string path = folderText(folder) + kSaveFileName;
    if (!exists(path)) return std::optional<std::string>();
    auto bytes = readFileBytes(kSaveFileName, path, kMaxCarried);
    if (auto* e = std::get_if<FileError>(&bytes)) return *e;
    if (std::get<std::string>(bytes).size() == kMaxCarried)
        return FileError{phrase(kGameWords,
                                QT_TRANSLATE_NOOP("Game", "%1: %2 is too long to be a save"),
                                {std::string(kSaveFileName), path})};
    return std::optional<std::string>(std::get<std::string>(std::move(bytes)));
}

// The new folder takes the old one's permissions, so that a pack shared with
// others stays shared; a pack new to its folder is the player's alone.
std::optional<FileError> makeLike(const std::string& folder, const std::string& model) {
    if (const int r = fileIo().makeFolder(folder); r < 0)
        return folderError(QT_TRANSLATE_NOOP("Game", "pack folder: cannot make %1 (%2)"), {folder},
                           -r);
    unsigned mode = 0;
    if (fileIo().permissions(model, mode) < 0) return std::nullopt;
    if (const int r = fileIo().setPermissions(folder, mode); r < 0)
        return folderError(
            QT_TRANSLATE_NOOP("Game", "pack folder: cannot give %1 the permissions of %2 (%3)"),
            {folder, model}, -r);
    return std::nullopt;
}

std::optional<FileError> flushWritten(const std::string& folder) {
    if (const int r = fileIo().flushFolder(folder); !flushed(r))
        return folderError(
            QT_TRANSLATE_NOOP("Game", "pack folder: cannot flush %1 to the disk (%2)"), {folder},
            -r);
    return std::nullopt;
}

// The solutions folder inside the new pack, when a stage has a solution.
std::optional<FileError> writeSolutions(const std::string& folder,
                                        const std::vector<std::string>& solutions) {
    if (std::all_of(solutions.begin(), solutions.end(), [](auto& s) { return s.empty(); }))
        return std::nullopt;
    const std::string inner = folderText(folder) + kSolutionsFolder;
    if (const int r = fileIo().makeFolder(inner); r < 0)
        return folderError(QT_TRANSLATE_NOOP("Game", "pack folder: cannot make %1 (%2)"), {inner},
                           -r);
    for (std::size_t i = 0; i < solutions.size(); ++i) {
        if (solutions[i].empty()) continue;
        const std::string name = solutionFileName(static_cast<int>(i) + 1);
        if (auto e = writeNewFileDurably(name, folderText(folder) + name, solutions[i])) return e;
    }
    return flushWritten(inner);
}

std::optional<FileError> writeWhole(const Places& p, const Pack& pack,
                                    const std::optional<std::string>& save,
                                    const std::vector<std::string>& solutions) {
    const std::string& folder = p.saving;
    if (auto e = makeLike(folder, p.folder)) return e;
    auto put = [&](const std::string& name, const std::string& bytes) {
        return writeNewFileDurably(name, folderText(folder) + name, bytes);
    };
    if (save)
        if (auto e = put(kSaveFileName, *save)) return e;
    for (int n = 1; n <= pack.info.stageCount; ++n) {
        const StageDesc& desc = pack.stages[static_cast<std::size_t>(n - 1)];
        if (auto e = put(stageFileName(n), writeStageText(desc))) return e;
        if (auto e = put(answerFileName(n), writeAnswerText(desc))) return e;
    }
    if (auto e = writeSolutions(folder, solutions)) return e;
    if (auto e = put(kPackFileName, writePackText(pack.info))) return e;
    return flushWritten(folder);
}

// Two renames for a file system that cannot swap: the old folder aside, the
// new one in its place, and the old one back where the second fails.
std::optional<FileError> renameTwice(const Places& p) {
    if (const int r = fileIo().rename(p.folder, p.aside); r < 0)
        return folderError(
            QT_TRANSLATE_NOOP("Game", "pack folder: cannot move %1 aside to %2 (%3)"),
            {p.folder, p.aside}, -r);
    if (const int r = fileIo().rename(p.saving, p.folder); r < 0) {
        fileIo().rename(p.aside, p.folder);
        return folderError(kCannotRename, {p.saving, p.folder}, -r);
    }
    return std::nullopt;
}

// The one step that makes the new pack the pack; after it the old one lies in
// `saving` (or `aside`). False in `swapped` when nothing changed.
std::optional<FileError> putInPlace(const Places& p, bool& swapped) {
    swapped = false;
    if (!exists(p.folder)) {
        if (const int r = fileIo().rename(p.saving, p.folder); r < 0)
            return folderError(kCannotRename, {p.saving, p.folder}, -r);
    } else if (const int r = fileIo().exchange(p.saving, p.folder); r == -EINVAL || r == -ENOSYS) {
        if (auto e = renameTwice(p)) return e;
    } else if (r < 0) {
        return folderError(QT_TRANSLATE_NOOP("Game", "pack folder: cannot swap %1 with %2 (%3)"),
                           {p.saving, p.folder}, -r);
    }
    swapped = true;
    if (const int r = fileIo().flushFolder(p.parent); !flushed(r))
        return folderError(QT_TRANSLATE_NOOP("Game",
                                             "pack folder: %1 holds the new pack, but its folder "
                                             "could not be flushed to the disk (%2)"),
                           {p.folder}, -r);
    return std::nullopt;
}

std::optional<FileError> checkReadsBack(int n, const StageDesc& desc) {
    const std::string file = stageFileName(n);
    auto again = parseStageText(file, writeStageText(desc));
    if (auto* e = std::get_if<FileError>(&again)) return *e;
    StageDesc& read = std::get<StageDesc>(again);
    if (auto e = parseAnswerText(answerFileName(n), writeAnswerText(desc), read)) return e;
    if (read != desc)
        return lineError(
            file, 0,
            phrase(kGameWords,
                   QT_TRANSLATE_NOOP("Game", "the start cell \"P\" must be empty to be written")));
    return std::nullopt;
}

}  // namespace

std::optional<FileError> checkPackWritable(const Pack& pack) {
    const int count = static_cast<int>(pack.stages.size());
    if (count < 1 || count > kMaxPackStages || count != pack.info.stageCount)
        return lineError(
            kPackFileName, 0,
            counting(
                kGameWords,
                QT_TRANSLATE_N_NOOP("Game",
                                    "Stages is %1 and the pack holds %n stages: both must be the "
                                    "same, from 1 to %2"),
                "Stages is %1 and the pack holds %n stage: both must be the same, from 1 to %2",
                count, {pack.info.stageCount, kMaxPackStages}));
    auto info = parsePackText(writePackText(pack.info));
    if (const auto* back = std::get_if<PackInfo>(&info); back == nullptr || *back != pack.info)
        return lineError(
            kPackFileName, 0,
            phrase(kGameWords,
                   QT_TRANSLATE_NOOP(
                       "Game",
                       "a name, author or licence with a line break or blanks at either end "
                       "would not read back as it is")));
    for (int n = 1; n <= count; ++n)
        if (auto e = checkReadsBack(n, pack.stages[static_cast<std::size_t>(n - 1)])) return e;
    return std::nullopt;
}

std::string solutionFileName(int stage) {
    return std::string(kSolutionsFolder) + "/stage" + std::to_string(stage) + ".replay";
}

std::optional<FileError> checkPackFolder(const std::string& folder) {
    FileKind kind{};
    if (const int err = fileIo().kindOf(folder, true, kind); err == -ENOENT) return std::nullopt;
    std::vector<std::string> names;
    if (const int err = fileIo().listFolder(folder, names); err < 0)
        return cannot(kPackFileName, FileAct::ReadFolder, folder, describeErrno(-err));
    if (names.empty()) return std::nullopt;
    if (!isPack(folder))
        return FileError{phrase(
            kGameWords,
            QT_TRANSLATE_NOOP("Game", "%1 holds files that are not a pack; choose an empty folder"),
            {folder})};
    for (const std::string& name : names)
        if (!isPackFileName(name))
            return FileError{phrase(
                kGameWords,
                QT_TRANSLATE_NOOP(
                    "Game",
                    "%1 holds %2 beside the pack: a pack is saved whole into a folder of its own, "
                    "so move it out or choose an empty folder"),
                {folder, quoteForMessage(name)})};
    return std::nullopt;
}

std::optional<FileError> writePack(const std::string& folder, const Pack& pack,
                                   const std::vector<std::string>& solutions) {
    if (auto e = checkPackWritable(pack)) return e;
    auto found = placesOf(folder);
    if (auto* e = std::get_if<FileError>(&found)) return *e;
    const Places& p = std::get<Places>(found);
    if (auto e = makeFolderFor(p.parent, kPackFileName)) return e;
    if (auto e = putBackAside(p)) return e;
    if (auto e = checkPackFolder(p.folder)) return e;
    // What a save cut short left: a new pack half written, or an old one
    // swapped out and not yet taken away.
    if (auto e = clearFolder(p.saving)) return e;
    if (auto e = clearFolder(p.aside)) return e;
    auto save = saveToCarry(p.folder);
    if (auto* e = std::get_if<FileError>(&save)) return *e;
    if (auto e = writeWhole(p, pack, std::get<std::optional<std::string>>(save), solutions)) {
        clearFolder(p.saving);
        return e;
    }
    bool swapped = false;
    auto failed = putInPlace(p, swapped);
    // The old pack, or the new one that never went in. Whatever stays behind
    // here is taken away by the next save before it writes.
    clearFolder(p.saving);
    if (swapped) clearFolder(p.aside);
    return failed;
}

}  // namespace game
