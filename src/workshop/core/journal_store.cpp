#include "workshop/core/journal_store.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#include "game/durable_file.h"
#include "game/file_reader.h"
#include "game/save_folder.h"

namespace workshop {
namespace {

constexpr std::string_view kJournalSuffix = ".journal";
constexpr std::string_view kLockSuffix = ".lock";
constexpr std::string_view kSlotPrefix = "workshop-";
// Far more windows than anyone keeps open; past it something else is wrong.
constexpr int kMaxSlots = 1000;
// Far more than 99 stages take; a bigger file is no journal of ours.
constexpr std::size_t kMaxJournalBytes = 1 << 20;

std::string fileOf(const std::string& folder, const std::string& id, std::string_view suffix) {
    return game::folderText(folder) + id + std::string(suffix);
}

std::string journalName(const std::string& id) { return id + std::string(kJournalSuffix); }

bool exists(const std::string& path) {
    game::FileKind kind{};
    return game::fileIo().kindOf(path, false, kind) == 0;
}

// workshop.journal or workshop-N.journal, and not the temporary file of a write.
std::optional<std::string> journalId(std::string_view name) {
    if (!name.ends_with(kJournalSuffix)) return std::nullopt;
    name.remove_suffix(kJournalSuffix.size());
    if (name == kSharedJournalName) return std::string(name);
    if (!name.starts_with(kSlotPrefix)) return std::nullopt;
    const std::string_view digits = name.substr(kSlotPrefix.size());
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        return std::nullopt;
    return std::string(name);
}

game::FileResult<Journal> readJournal(const std::string& folder, const std::string& id) {
    auto bytes =
        game::readFileBytes(journalName(id), fileOf(folder, id, kJournalSuffix), kMaxJournalBytes);
    if (auto* e = std::get_if<game::FileError>(&bytes)) return *e;
    return parseJournal(std::get<std::string>(bytes));
}

}  // namespace

JournalSlot::JournalSlot(std::string folder, std::string id, int lockFd)
    : folder_(std::move(folder)), id_(std::move(id)), lockFd_(lockFd) {}

JournalSlot::JournalSlot(JournalSlot&& other) noexcept
    : folder_(std::move(other.folder_)),
      id_(std::move(other.id_)),
      lockFd_(std::exchange(other.lockFd_, -1)) {}

JournalSlot& JournalSlot::operator=(JournalSlot&& other) noexcept {
    if (this != &other) {
        if (lockFd_ >= 0) game::fileIo().close(lockFd_);
        folder_ = std::move(other.folder_);
        id_ = std::move(other.id_);
        lockFd_ = std::exchange(other.lockFd_, -1);
    }
    return *this;
}

JournalSlot::~JournalSlot() {
    if (lockFd_ >= 0) game::fileIo().close(lockFd_);
}

std::optional<game::FileError> JournalSlot::write(const Journal& journal) const {
    return game::writeFileDurably(journalName(id_), fileOf(folder_, id_, kJournalSuffix),
                                  journalText(journal));
}

std::optional<game::FileError> JournalSlot::remove() const {
    return game::removeFile(journalName(id_), fileOf(folder_, id_, kJournalSuffix));
}

game::FileResult<JournalSlot> claimJournal(const std::string& stateFolder) {
    const std::string first = std::string(kSlotPrefix) + "1";
    if (auto e = game::makeFolderFor(stateFolder, journalName(first))) return *e;
    for (int n = 1; n <= kMaxSlots; ++n) {
        const std::string id = std::string(kSlotPrefix) + std::to_string(n);
        const std::string lock = fileOf(stateFolder, id, kLockSuffix);
        const int fd = game::fileIo().lock(lock);
        if (fd == -EWOULDBLOCK) continue;
        if (fd < 0)
            return game::cannot(journalName(id), game::FileAct::Lock, lock,
                                game::describeErrno(-fd));
        JournalSlot slot(stateFolder, id, fd);
        if (!exists(fileOf(stateFolder, id, kJournalSuffix))) return slot;
    }
    return game::FileError{game::phrase(
        game::kGameWords, QT_TRANSLATE_NOOP("Game", "%1: every one of %2 journals in %3 is taken"),
        {journalName(first), kMaxSlots, stateFolder})};
}

std::vector<OrphanedJournal> orphanedJournals(const std::string& stateFolder) {
    std::vector<OrphanedJournal> found;
    std::vector<std::string> names;
    if (game::fileIo().listFolder(stateFolder, names) < 0) return found;
    for (const std::string& name : names) {
        const auto id = journalId(name);
        if (!id) continue;
        const int fd = game::fileIo().lock(fileOf(stateFolder, *id, kLockSuffix));
        if (fd < 0) continue;  // its workshop runs, or the lock cannot be had: not ours to offer
        JournalSlot slot(stateFolder, *id, fd);
        // Its owner may have saved and let go between the listing and the lock.
        if (!exists(fileOf(stateFolder, *id, kJournalSuffix))) continue;
        std::int64_t written = 0;
        game::fileIo().modifiedTime(fileOf(stateFolder, *id, kJournalSuffix), written);
        found.push_back({std::move(slot), readJournal(stateFolder, *id), written});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.writtenAt < b.writtenAt; });
    return found;
}

}  // namespace workshop
