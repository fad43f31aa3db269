// Workshops side by side, each with a journal of its own: one killed, its
// work is offered back at the next start, and nobody else's.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "support/fixture.h"
#include "workshop/core/editing.h"
#include "workshop/core/journal_store.h"

using testing_support::TempFolder;
using workshop::Journal;
using workshop::JournalSlot;

namespace {

Journal journalOf(const std::string& name, int target) {
    game::StageDesc s = workshop::blankStage();
    s.target = static_cast<std::int16_t>(target);
    return Journal{name, "", "", "", {s}, 0};
}

JournalSlot claim(const TempFolder& state) {
    auto slot = workshop::claimJournal(state.path());
    if (auto* e = std::get_if<game::FileError>(&slot)) ADD_FAILURE() << e->message;
    return std::move(std::get<JournalSlot>(slot));
}

// A second process that claims a journal, writes `journal` and waits to be
// killed; it answers on the pipe once the journal is on the disk.
pid_t runWorkshop(const TempFolder& state, const Journal& journal) {
    int ready[2];
    if (pipe(ready) != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        auto slot = workshop::claimJournal(state.path());
        const bool ok = std::holds_alternative<JournalSlot>(slot) &&
                        !std::get<JournalSlot>(slot).write(journal);
        const char answer = ok ? 'y' : 'n';
        if (write(ready[1], &answer, 1) != 1) _exit(1);
        for (;;) pause();
    }
    close(ready[1]);
    char answer = 'n';
    const bool heard = read(ready[0], &answer, 1) == 1;
    close(ready[0]);
    EXPECT_TRUE(heard && answer == 'y');
    return pid;
}

}  // namespace

TEST(WorkshopJournals, TheKilledOnesWorkComesBackAndOnlyIt) {
    TempFolder state;
    const Journal first = journalOf("First", 3), second = journalOf("Second", 5);
    const pid_t killed = runWorkshop(state, first);
    ASSERT_GT(killed, 0);
    {
        JournalSlot mine = claim(state);
        ASSERT_FALSE(mine.write(second));
        // Both run: a third workshop starting now offers neither.
        EXPECT_TRUE(workshop::orphanedJournals(state.path()).empty());

        ASSERT_EQ(kill(killed, SIGKILL), 0);
        ASSERT_EQ(waitpid(killed, nullptr, 0), killed);
        // The second saves and quits; the first one's journal stays.
        EXPECT_FALSE(mine.remove());
    }
    auto offered = workshop::orphanedJournals(state.path());
    ASSERT_EQ(offered.size(), 1u);
    ASSERT_TRUE(std::holds_alternative<Journal>(offered[0].journal));
    EXPECT_EQ(std::get<Journal>(offered[0].journal), first);
    EXPECT_GT(offered[0].writtenAt, 0);

    // While it is offered, no other workshop offers it or writes over it.
    EXPECT_TRUE(workshop::orphanedJournals(state.path()).empty());
    JournalSlot other = claim(state);
    EXPECT_NE(other.id(), offered[0].slot.id());
    ASSERT_FALSE(other.write(second));
    EXPECT_EQ(std::get<Journal>(offered[0].journal), first);

    // Refused, it is gone for good.
    EXPECT_FALSE(offered[0].slot.remove());
    offered.clear();
    EXPECT_TRUE(workshop::orphanedJournals(state.path()).empty());
}

// The single journal of earlier versions is offered like one whose owner is
// gone, and never taken as a new window's own.
TEST(WorkshopJournals, TheSharedJournalOfEarlierVersionsIsOfferedToo) {
    TempFolder state;
    state.write("workshop.journal", workshop::journalText(journalOf("Shared", 2)));
    EXPECT_EQ(claim(state).id(), "workshop-1");
    const auto offered = workshop::orphanedJournals(state.path());
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].slot.id(), workshop::kSharedJournalName);
    EXPECT_EQ(std::get<Journal>(offered[0].journal), journalOf("Shared", 2));
}

// A window started while journals of dead workshops wait to be offered takes
// the first slot that holds none, and leaves every waiting one as it was.
TEST(WorkshopJournals, ANewWindowLeavesEveryWaitingJournalAlone) {
    const struct {
        std::vector<int> waiting;
        const char* claimed;
    } cases[] = {{{1}, "workshop-2"}, {{1, 2}, "workshop-3"}, {{2}, "workshop-1"}};
    for (const auto& t : cases) {
        SCOPED_TRACE(t.claimed);
        TempFolder state;
        for (int n : t.waiting)
            state.write("workshop-" + std::to_string(n) + ".journal",
                        workshop::journalText(journalOf("Waiting", n)));
        JournalSlot mine = claim(state);
        EXPECT_EQ(mine.id(), t.claimed);
        ASSERT_FALSE(mine.write(journalOf("Mine", 9)));
        const auto offered = workshop::orphanedJournals(state.path());
        ASSERT_EQ(offered.size(), t.waiting.size());
        for (const auto& o : offered) {
            ASSERT_TRUE(std::holds_alternative<Journal>(o.journal));
            EXPECT_EQ(std::get<Journal>(o.journal).name, "Waiting");
            EXPECT_NE(o.slot.id(), t.claimed);
        }
    }
}
