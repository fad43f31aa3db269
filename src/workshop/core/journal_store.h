#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/file_error.h"
#include "workshop/core/journal.h"

namespace workshop {

// The journals in the state folder: one for each workshop window with unsaved
// work, workshop-N.journal, held by its lock workshop-N.lock for as long as
// the window lives. The lock is the system's own, let go of when its holder
// dies however it dies, so a journal whose lock is free has no owner left.
// Lock files stay when their journal goes; the next window takes them over.
//
// workshop.journal is the one journal every workshop shared before; it is
// offered like any other whose owner is gone, and never written again.
inline constexpr const char* kSharedJournalName = "workshop";

class JournalSlot {
public:
    JournalSlot(std::string folder, std::string id, int lockFd);
    JournalSlot(JournalSlot&& other) noexcept;
    JournalSlot& operator=(JournalSlot&& other) noexcept;
    JournalSlot(const JournalSlot&) = delete;
    JournalSlot& operator=(const JournalSlot&) = delete;
    // Lets go of the lock and leaves the journal, as a kill would.
    ~JournalSlot();

    const std::string& id() const { return id_; }
    // Durably, through the game's file code: a kill at any moment leaves the
    // journal before it or after it, whole.
    std::optional<game::FileError> write(const Journal& journal) const;
    // The journal goes; the lock stays held.
    std::optional<game::FileError> remove() const;

private:
    std::string folder_;
    std::string id_;
    int lockFd_ = -1;
};

// A journal of a window of its own: the first workshop-N that no running
// window holds and that holds no journal waiting to be offered.
game::FileResult<JournalSlot> claimJournal(const std::string& stateFolder);

struct OrphanedJournal {
    JournalSlot slot;  // held while it is offered, so no other workshop offers it too
    game::FileResult<Journal> journal;
    std::int64_t writtenAt = 0;  // seconds since 1970; 0 when not known
};

// Every journal in the folder whose owner is gone, the oldest first.
std::vector<OrphanedJournal> orphanedJournals(const std::string& stateFolder);

}  // namespace workshop
