// The files held in memory stand in for the disk under the whole game: each
// call must answer as the disk does, errors included, and none may reach the
// disk. One list of calls runs against a folder on the disk and against a
// memory folder, and every answer is compared.

#include "game/memory_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <map>

#include "support/fixture.h"

namespace {

using game::FileIo;

struct Run {
    FileIo& io;
    std::string root;
    std::map<char, int> fds;  // the descriptors the list opened, by its own names
    std::string at(const std::string& name) const { return root + "/" + name; }
};

std::string code(long r) { return r >= 0 ? "ok" : "-" + std::to_string(-r); }

std::string openAs(Run& run, char fd, const std::string& name, int flags) {
    const int r = run.io.open(run.at(name), flags, 0600);
    if (r >= 0) run.fds[fd] = r;
    return code(r);
}

std::string readAll(Run& run, char fd) {
    char buf[64];
    const long n = run.io.read(run.fds[fd], buf, sizeof buf);
    return n < 0 ? code(n) : std::string(buf, static_cast<std::size_t>(n));
}

std::string list(Run& run, const std::string& name) {
    std::vector<std::string> names;
    const int r = run.io.listFolder(run.at(name), names);
    std::sort(names.begin(), names.end());
    std::string out = code(r);
    for (const std::string& n : names) out += " " + n;
    return out;
}

std::string kind(Run& run, const std::string& name) {
    game::FileKind k{};
    const int r = run.io.kindOf(run.at(name), false, k);
    return r < 0 ? code(r) : std::to_string(static_cast<int>(k));
}

// Calls in turn, their answers joined: the operands of one "+" may run in any order.
template <class... Calls>
std::string inTurn(Calls&&... calls) {
    std::string out;
    ((out += calls()), ...);
    return out;
}

struct Step {
    const char* what;
    std::function<std::string(Run&)> call;
};

const Step kSteps[] = {
    {"open a missing file", [](Run& r) { return openAs(r, 'a', "a", O_RDONLY); }},
    {"create it", [](Run& r) { return openAs(r, 'a', "a", O_WRONLY | O_CREAT | O_TRUNC); }},
    {"write", [](Run& r) { return code(r.io.write(r.fds['a'], "hello", 5)); }},
    {"read what is open for writing", [](Run& r) { return readAll(r, 'a'); }},
    {"flush", [](Run& r) { return code(r.io.flush(r.fds['a'])); }},
    {"close", [](Run& r) { return code(r.io.close(r.fds['a'])); }},
    {"close again", [](Run& r) { return code(r.io.close(r.fds['a'])); }},
    {"open to read", [](Run& r) { return openAs(r, 'b', "a", O_RDONLY); }},
    {"read", [](Run& r) { return readAll(r, 'b'); }},
    {"write what is open for reading", [](Run& r) { return code(r.io.write(r.fds['b'], "x", 1)); }},
    {"its kind",
     [](Run& r) {
         game::FileKind k{};
         const int c = r.io.kindOf(r.fds['b'], k);
         return code(c) + std::to_string(static_cast<int>(k));
     }},
    {"close it", [](Run& r) { return code(r.io.close(r.fds['b'])); }},
    {"create what is there, exclusively",
     [](Run& r) { return openAs(r, 'c', "a", O_WRONLY | O_CREAT | O_EXCL); }},
    {"truncate", [](Run& r) { return openAs(r, 'c', "a", O_RDWR | O_TRUNC); }},
    {"read the truncated",
     [](Run& r) {
         return inTurn([&] { return readAll(r, 'c'); },
                       [&] { return code(r.io.close(r.fds['c'])); });
     }},
    {"create in a missing folder",
     [](Run& r) { return openAs(r, 'd', "sub/x", O_WRONLY | O_CREAT); }},
    {"make the folder", [](Run& r) { return code(r.io.makeFolder(r.at("sub"))); }},
    {"make it again", [](Run& r) { return code(r.io.makeFolder(r.at("sub"))); }},
    {"make a folder over a file", [](Run& r) { return code(r.io.makeFolder(r.at("a"))); }},
    {"make a folder in a missing one",
     [](Run& r) { return code(r.io.makeFolder(r.at("no/more"))); }},
    {"make a folder in a file", [](Run& r) { return code(r.io.makeFolder(r.at("a/more"))); }},
    {"create in the folder",
     [](Run& r) {
         return inTurn([&] { return openAs(r, 'd', "sub/x", O_WRONLY | O_CREAT); },
                       [&] { return code(r.io.write(r.fds['d'], "x", 1)); },
                       [&] { return code(r.io.close(r.fds['d'])); });
     }},
    {"open a folder to write", [](Run& r) { return openAs(r, 'e', "sub", O_WRONLY); }},
    {"create a folder exclusively",
     [](Run& r) { return openAs(r, 'e', "sub", O_WRONLY | O_CREAT | O_EXCL); }},
    {"list the root", [](Run& r) { return list(r, ""); }},
    {"list the folder", [](Run& r) { return list(r, "sub"); }},
    {"list a file", [](Run& r) { return list(r, "a"); }},
    {"list a missing folder", [](Run& r) { return list(r, "none"); }},
    {"kinds", [](Run& r) { return kind(r, "a") + "," + kind(r, "sub") + "," + kind(r, "none"); }},
    {"no links",
     [](Run& r) {
         std::string target;
         return code(r.io.readLink(r.at("a"), target)) + code(r.io.readLink(r.at("none"), target));
     }},
    {"rename a file", [](Run& r) { return code(r.io.rename(r.at("a"), r.at("b"))); }},
    {"rename a missing file", [](Run& r) { return code(r.io.rename(r.at("a"), r.at("c"))); }},
    {"rename a file over a folder",
     [](Run& r) { return code(r.io.rename(r.at("b"), r.at("sub"))); }},
    {"rename into a missing folder",
     [](Run& r) { return code(r.io.rename(r.at("b"), r.at("none/b"))); }},
    {"rename a file over another",
     [](Run& r) {
         return inTurn([&] { return openAs(r, 'f', "c", O_WRONLY | O_CREAT); },
                       [&] { return code(r.io.close(r.fds['f'])); },
                       [&] { return code(r.io.rename(r.at("c"), r.at("b"))); },
                       [&] { return list(r, ""); });
     }},
    {"remove a folder as a file", [](Run& r) { return code(r.io.remove(r.at("sub"))); }},
    {"remove a full folder", [](Run& r) { return code(r.io.removeFolder(r.at("sub"))); }},
    {"remove a file as a folder", [](Run& r) { return code(r.io.removeFolder(r.at("b"))); }},
    {"remove a missing folder", [](Run& r) { return code(r.io.removeFolder(r.at("none"))); }},
    {"swap two folders",
     [](Run& r) {
         return inTurn([&] { return code(r.io.makeFolder(r.at("other"))); },
                       [&] { return code(r.io.exchange(r.at("sub"), r.at("other"))); },
                       [&] { return list(r, "sub") + ","; }, [&] { return list(r, "other"); });
     }},
    {"swap with a missing one",
     [](Run& r) { return code(r.io.exchange(r.at("sub"), r.at("none"))); }},
    {"remove the empty folder",
     [](Run& r) {
         return inTurn([&] { return code(r.io.removeFolder(r.at("sub"))); },
                       [&] { return list(r, ""); });
     }},
    {"rename a folder",
     [](Run& r) {
         return inTurn([&] { return code(r.io.rename(r.at("other"), r.at("moved"))); },
                       [&] { return list(r, "moved"); });
     }},
    {"read what moved with it",
     [](Run& r) {
         return inTurn([&] { return openAs(r, 'g', "moved/x", O_RDONLY); },
                       [&] { return readAll(r, 'g'); },
                       [&] { return code(r.io.close(r.fds['g'])); });
     }},
    {"permissions",
     [](Run& r) {
         unsigned mode = 0, none = 0;
         return inTurn([&] { return code(r.io.setPermissions(r.at("b"), 0640)); },
                       [&] { return code(r.io.permissions(r.at("b"), mode)); },
                       [&] { return std::to_string(mode); },
                       [&] { return code(r.io.permissions(r.at("none"), none)); },
                       [&] { return code(r.io.setPermissions(r.at("none"), 0600)); });
     }},
    {"a time of change",
     [](Run& r) {
         std::int64_t s = 0, t = 0;
         const int c = r.io.modifiedTime(r.at("b"), s);
         return code(c) + (s > 0 ? "+" : "0") + code(r.io.modifiedTime(r.at("none"), t));
     }},
    {"lock",
     [](Run& r) {
         const int first = r.io.lock(r.at("l"));
         const int second = r.io.lock(r.at("l"));
         // A refused lock's descriptor closed lets go of nothing.
         const int third = r.io.lock(r.at("l"));
         const std::string held = code(first) + (second == -EWOULDBLOCK ? "held" : code(second)) +
                                  (third == -EWOULDBLOCK ? "held" : code(third));
         r.io.close(first);
         const int again = r.io.lock(r.at("l"));
         r.io.close(again);
         return held + code(again) + code(r.io.lock(r.at("none/l")));
     }},
    {"flush folders",
     [](Run& r) {
         return code(r.io.flushFolder(r.root)) + code(r.io.flushFolder(r.at("none"))) +
                code(r.io.flushFolder(r.at("b")));
     }},
    {"remove a file",
     [](Run& r) {
         return inTurn([&] { return code(r.io.remove(r.at("b"))); },
                       [&] { return code(r.io.remove(r.at("b"))); });
     }},
};

std::vector<std::string> answers(FileIo& io, const std::string& root) {
    Run run{io, root, {}};
    std::vector<std::string> out;
    for (const Step& s : kSteps) out.push_back(s.call(run));
    return out;
}

}  // namespace

TEST(MemoryFiles, AnswersEveryCallAsTheDiskDoes) {
    testing_support::TempFolder disk;
    FileIo system;
    const std::vector<std::string> onDisk = answers(system, disk.path());
    game::MemoryFiles memory("/lumora-memory/folder");
    const std::vector<std::string> inMemory = answers(memory, "/lumora-memory/folder");
    for (std::size_t i = 0; i < std::size(kSteps); ++i)
        EXPECT_EQ(inMemory[i], onDisk[i]) << kSteps[i].what;
    // None of it reached the disk.
    FileIo probe;
    game::FileKind k{};
    EXPECT_EQ(probe.kindOf("/lumora-memory", false, k), -ENOENT);
}
