// What the file code does with names that are not plain files, with links,
// byte-order marks and stale temporary files, and in what order it makes a
// save durable.

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <variant>

#include "game/files.h"
#include "support/faulty_io.h"
#include "support/fixture.h"

using testing_support::TempFolder;
namespace fs = std::filesystem;

namespace {

std::string errorText(const std::optional<game::FileError>& e) {
    return e ? e->message : "(no error)";
}
template <class T>
std::string errorText(const game::FileResult<T>& r) {
    const auto* e = std::get_if<game::FileError>(&r);
    return e ? e->message : "(no error)";
}

void makeSocket(const std::string& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof addr.sun_path);
    std::strcpy(addr.sun_path, path.c_str());
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    close(fd);
}

// Each kind of name that is not a file, in place of a stage, an answer and
// the save, is refused at once by name; nothing blocks, nothing is replaced.
TEST(SpecialFiles, AreRefusedByKindWithoutBlocking) {
    struct Kind {
        const char* what;
        std::function<void(const std::string&)> make;
    };
    const Kind kinds[] = {
        {"a folder", [](const std::string& p) { fs::create_directory(p); }},
        {"a named pipe", [](const std::string& p) { ASSERT_EQ(mkfifo(p.c_str(), 0644), 0); }},
        {"a socket", makeSocket},
        {"a device", [](const std::string& p) { fs::create_symlink("/dev/zero", p); }},
    };
    for (const Kind& k : kinds) {
        TempFolder dir;
        for (const char* name : {"mmap3.bkm", "amap3.bkm", "save.bkm"})
            k.make(dir.path() + "/" + name);
        const auto said = [&](const std::string& name) {
            return name + ": " + dir.path() + "/" + name + " is " + k.what + ", not a file";
        };
        EXPECT_EQ(errorText(game::readMapFile(dir.path(), "mmap3.bkm")), said("mmap3.bkm"));
        EXPECT_EQ(errorText(game::readMapFile(dir.path(), "amap3.bkm")), said("amap3.bkm"));
        EXPECT_EQ(errorText(game::readSaveFile(dir.path())), said("save.bkm"));
        EXPECT_EQ(errorText(game::writeSaveFile(dir.path(), 4)), said("save.bkm"));
        EXPECT_FALSE(game::readSaveBytes(dir.path()));
        EXPECT_EQ(dir.files(), (std::vector<std::string>{"amap3.bkm", "mmap3.bkm", "save.bkm"}))
            << k.what;
    }
}

TEST(SaveLink, IsFollowedAndKept) {
    TempFolder dir;
    fs::create_directory(dir.path() + "/real");
    dir.write("real/mine", "7\r\n");
    fs::create_symlink("real/mine", dir.path() + "/save.bkm");
    EXPECT_EQ(std::get<std::int32_t>(game::readSaveFile(dir.path())), 7);
    EXPECT_FALSE(game::writeSaveFile(dir.path(), 9));
    EXPECT_TRUE(fs::is_symlink(dir.path() + "/save.bkm"));
    EXPECT_EQ(dir.read("real/mine"), "9\r\n");
    EXPECT_EQ(dir.files(), (std::vector<std::string>{"real", "save.bkm"}));
    EXPECT_FALSE(fs::exists(dir.path() + "/real/mine.new"));
}

TEST(SaveLink, LeadingNowhereIsAnErrorNamingTheLink) {
    TempFolder dir;
    const std::string link = dir.path() + "/save.bkm";
    fs::create_symlink("gone/mine", link);
    const std::string said =
        "save.bkm: " + link + " is a link to " + dir.path() + "/gone/mine, which does not exist";
    EXPECT_EQ(errorText(game::readSaveFile(dir.path())), said);
    EXPECT_EQ(errorText(game::writeSaveFile(dir.path(), 1)), said);
    // Start-up must not take the link for a missing save and put a file there.
    EXPECT_TRUE(game::saveFileExists(dir.path()));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(dir.files(), std::vector<std::string>{"save.bkm"});
}

TEST(SaveFile, AStaleTemporaryIsReplacedNotLeft) {
    TempFolder dir;
    dir.write("save.bkm", "5\r\n");
    dir.write("save.bkm.new", "half a sa");
    EXPECT_FALSE(game::writeSaveFile(dir.path(), 6));
    EXPECT_EQ(dir.read("save.bkm"), "6\r\n");
    EXPECT_EQ(dir.files(), std::vector<std::string>{"save.bkm"});
}

// The new bytes reach the disk before the rename, and the rename before the
// save counts as done.
TEST(SaveFile, IsFlushedBeforeAndAfterTheRename) {
    TempFolder dir;
    testing_support::FaultyIo io;
    {
        game::ScopedFileIo use(io);
        EXPECT_FALSE(game::writeSaveFile(dir.path(), 12));
    }
    EXPECT_EQ(io.calls(), (std::vector<std::string>{"open save.bkm.new", "write save.bkm.new",
                                                    "flush save.bkm.new", "close save.bkm.new",
                                                    "rename save.bkm.new", "flushFolder"}));
    EXPECT_EQ(dir.read("save.bkm"), "12\r\n");
}

TEST(ByteOrderMark, IsSkippedAtTheStartOnly) {
    TempFolder dir;
    const std::string bom = "\xEF\xBB\xBF";
    dir.write("m.bkm", bom + "SPB\r\n" + bom + "\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n1\r\n2\r\n");
    auto r = game::readMapFile(dir.path(), "m.bkm");
    ASSERT_TRUE(std::holds_alternative<game::MapLines>(r)) << errorText(r);
    EXPECT_EQ(std::get<game::MapLines>(r)[1], "SPB");
    EXPECT_EQ(std::get<game::MapLines>(r)[2], bom);

    dir.write("save.bkm", bom + "3\r\n");
    EXPECT_EQ(std::get<std::int32_t>(game::readSaveFile(dir.path())), 3);
    // A mark alone is an empty file, not a number.
    dir.write("save.bkm", bom);
    EXPECT_EQ(errorText(game::readSaveFile(dir.path())),
              "save.bkm: the file holds no stage number");
    // Two bytes of a mark are not one.
    dir.write("save.bkm",
              "\xEF\xBB"
              "3");
    EXPECT_EQ(errorText(game::readSaveFile(dir.path())),
              "save.bkm: \"\\xEF\\xBB3\" is not a stage number");
}

TEST(Messages, EscapeBytesPastAscii) {
    EXPECT_EQ(game::quoteForMessage("\xEF\xBB\xBF"
                                    "3\x7F\xFF~"),
              "\"\\xEF\\xBB\\xBF3\\x7F\\xFF~\"");
}

}  // namespace
