#include "game/pack.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "game/files.h"
#include "game/save_folder.h"
#include "headless/replay.h"
#include "support/fixture.h"

using testing_support::TempFolder;

namespace {

std::string shipped(const std::string& name) {
    std::ifstream in(std::filesystem::path(LUMORA_STAGES_DIR) / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The first `stages` shipped stages, as a pack when `packIni` is set.
void copyShipped(const TempFolder& f, int stages, bool packIni = true) {
    for (int n = 1; n <= stages; ++n) {
        f.write(game::stageFileName(n), shipped(game::stageFileName(n)));
        f.write(game::answerFileName(n), shipped(game::answerFileName(n)));
    }
    if (packIni) testing_support::writePackIni(f, stages);
}

template <class T>
std::string errorOf(const game::FileResult<T>& r) {
    const auto* e = std::get_if<game::FileError>(&r);
    return e != nullptr ? e->message : "(none)";
}

struct Replayed {
    int status;
    std::string out, err;
};

Replayed replayIn(const TempFolder& f, const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out, err;
    const int status = headless::run(f.path(), in, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace

TEST(Pack, ABrokenPackIsNamedByFileAndLine) {
    struct Case {
        const char* what;
        std::function<void(const TempFolder&)> breakIt;
        std::string message;  // "@" stands for the folder
    };
    auto ini = [](const std::string& body) {
        return [body](const TempFolder& f) { f.write("pack.ini", "[Pack]\r\nName=P\r\n" + body); };
    };
    const std::string notCount = " is not a whole number from 1 to 99";
    const std::vector<Case> cases = {
        {"no Stages", ini("Author=A\r\n"), "pack.ini: the [Pack] section has no Stages setting"},
        {"Stages elsewhere",
         [](const TempFolder& f) { f.write("pack.ini", "[Other]\nStages=2\n"); },
         "pack.ini: the [Pack] section has no Stages setting"},
        {"Stages=0", ini("Stages=0\r\n"), "pack.ini line 3: Stages \"0\"" + notCount},
        {"Stages=100", ini("; many\r\nStages=100\r\n"),
         "pack.ini line 4: Stages \"100\"" + notCount},
        {"Stages=abc", ini("Stages = abc\n"), "pack.ini line 3: Stages \"abc\"" + notCount},
        {"not a setting", ini("Stages=2\r\nwhat\r\n"),
         "pack.ini line 4: \"what\" is not a setting (Key=value)"},
        {"no mmap2.bkm", [](const TempFolder& f) { f.remove("mmap2.bkm"); },
         "mmap2.bkm: cannot open @/mmap2.bkm (No such file or directory)"},
        {"no amap2.bkm", [](const TempFolder& f) { f.remove("amap2.bkm"); },
         "amap2.bkm: cannot open @/amap2.bkm (No such file or directory)"},
        {"stage without P",
         [](const TempFolder& f) {
             f.write("mmap2.bkm", testing_support::stageFile({"....p...."}, "1", "2"));
         },
         "mmap2.bkm: the board has no start cell \"P\""},
        {"bad target",
         [](const TempFolder& f) {
             f.write("mmap2.bkm", shipped("mmap2.bkm").replace(99, 1, "x"));
         },
         "mmap2.bkm line 10: \"x\" is not a whole number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder f;
        copyShipped(f, 2);
        ASSERT_EQ(errorOf(game::openPack(f.path())), "(none)");
        c.breakIt(f);
        std::string expected = c.message;
        if (auto at = expected.find('@'); at != std::string::npos)
            expected.replace(at, 1, f.path());
        EXPECT_EQ(errorOf(game::openPack(f.path())), expected);
    }
}

TEST(Pack, WrittenPacksOpenAsTheyWereAndRefuseWhatWouldNotReadBack) {
    TempFolder from, to;
    copyShipped(from, 3);
    auto opened = game::openPack(from.path());
    ASSERT_EQ(errorOf(opened), "(none)");
    game::Pack pack = std::get<game::Pack>(opened);
    pack.info = {"Tower of Pools", "Someone", "CC-BY-SA-4.0", 3};
    const std::string folder = to.path() + "/new/pack";
    ASSERT_FALSE(game::writePack(folder, pack));
    auto again = game::openPack(folder);
    ASSERT_EQ(errorOf(again), "(none)");
    EXPECT_EQ(std::get<game::Pack>(again).info, pack.info);
    EXPECT_EQ(std::get<game::Pack>(again).stages, pack.stages);
    EXPECT_EQ(to.read("new/pack/mmap3.bkm"), shipped("mmap3.bkm"));
    EXPECT_EQ(to.read("new/pack/amap3.bkm"), shipped("amap3.bkm"));

    const struct {
        const char* what;
        std::function<void(game::Pack&)> spoil;
        std::string message;
    } refused[] = {
        {"count", [](game::Pack& p) { p.info.stageCount = 2; },
         "pack.ini: Stages is 2 and the pack holds 3 stages: both must be the same, from 1 to 99"},
        {"start on a block",
         [](game::Pack& p) {
             game::StageDesc& s = p.stages[1];
             s.set(s.startCol, s.startRow, game::CellKind::Block);
         },
         "mmap2.bkm: the start cell \"P\" must be empty to be written"},
    };
    for (const auto& r : refused) {
        game::Pack spoilt = pack;
        r.spoil(spoilt);
        const auto e = game::writePack(to.path() + "/refused", spoilt);
        ASSERT_TRUE(e) << r.what;
        EXPECT_EQ(e->message, r.message) << r.what;
        EXPECT_FALSE(std::filesystem::exists(to.path() + "/refused")) << r.what;
    }
}

// A name, author or licence is written as it is and reads back the same, or
// it is refused before anything is written: whatever pack.ini's lines would
// take apart (a line break, blanks the reader trims at either end) never
// comes back changed.
TEST(Pack, ANameAuthorOrLicenceReadsBackAsItIsOrIsRefused) {
    TempFolder from, to;
    copyShipped(from, 3);
    const game::Pack pack = std::get<game::Pack>(game::openPack(from.path()));
    // pack.ini's lines end at LF: a CR alone is part of the value.
    const struct {
        const char* value;
        bool readsBack;
    } values[] = {
        {"Tower of Pools", true},  {"a=b", true},        {"=", true},
        {"[Pack]", true},          {"[", true},          {"in\tside", true},
        {"; not a comment", true}, {"# nor this", true}, {" front", false},
        {"back ", false},          {"\tfront", false},   {"back\t", false},
        {"two\nlines", false},     {"two\rlines", true}, {"two\r\nlines", false},
    };
    std::string game::PackInfo::*fields[] = {&game::PackInfo::name, &game::PackInfo::author,
                                             &game::PackInfo::license};
    int n = 0;
    for (auto field : fields)
        for (const auto& v : values) {
            SCOPED_TRACE(testing::PrintToString(std::string(v.value)));
            game::Pack changed = pack;
            changed.info.*field = v.value;
            const std::string folder = to.path() + "/p" + std::to_string(++n);
            const auto e = game::writePack(folder, changed);
            EXPECT_EQ(!e, v.readsBack);
            if (e) {
                EXPECT_EQ(e->message,
                          "pack.ini: a name, author or licence with a line break or blanks at "
                          "either end would not read back as it is");
                EXPECT_FALSE(std::filesystem::exists(folder));
                continue;
            }
            auto back = game::openPack(folder);
            ASSERT_EQ(errorOf(back), "(none)");
            EXPECT_EQ(std::get<game::Pack>(back).info, changed.info);
        }
}

// Stage Clear after a pack's last stage goes back to its first; the same
// folder without pack.ini is the game's own set and looks for the next one.
TEST(Pack, ReplayPlaysAPackThroughItsLastClearBackToStageOne) {
    for (int stages : {2, 3}) {
        SCOPED_TRACE(stages);
        const std::string script = "save " + std::to_string(stages) + "\n" +
                                   shipped("solutions/stage" + std::to_string(stages) + ".replay") +
                                   "wait 8000\nclick menu Command4\nshow\n";
        TempFolder pack;
        copyShipped(pack, stages);
        const Replayed r = replayIn(pack, script);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("stage=" + std::to_string(stages) + " "), std::string::npos) << r.out;
        const std::string last = r.out.substr(r.out.rfind("t="));
        EXPECT_EQ(last.find("forms=game mode=0 stage=1 save=1\\r\\n"), last.find("forms=")) << last;

        TempFolder own;
        copyShipped(own, stages, false);
        const Replayed o = replayIn(own, script);
        EXPECT_EQ(o.status, 1);
        EXPECT_EQ(o.err.rfind("error: mmap" + std::to_string(stages + 1) + ".bkm: cannot open", 0),
                  0u)
            << o.err;
    }
    TempFolder broken;
    copyShipped(broken, 2);
    broken.write("pack.ini", "[Pack]\r\nStages=two\r\n");
    const Replayed b = replayIn(broken, "show\n");
    EXPECT_EQ(b.status, 1);
    EXPECT_EQ(b.err, "error: pack.ini line 2: Stages \"two\" is not a whole number from 1 to 99\n");
    EXPECT_EQ(broken.files(), (std::vector<std::string>{"amap1.bkm", "amap2.bkm", "mmap1.bkm",
                                                        "mmap2.bkm", "pack.ini"}));
}

TEST(Pack, EachPackFolderHasASaveFolderOfItsOwn) {
    auto folderOf = [](const std::string& pack) {
        auto r = game::packSaveFolder(pack, "/data", "/home/p");
        return std::holds_alternative<std::string>(r) ? std::get<std::string>(r) : "(error)";
    };
    const std::string tower = folderOf("/a/Tower");
    ASSERT_EQ(tower.rfind("/data/lumora/packs/Tower-", 0), 0u) << tower;
    EXPECT_EQ(tower.size(), std::string("/data/lumora/packs/Tower-").size() + 8) << tower;
    EXPECT_EQ(tower.find_first_not_of("0123456789abcdef", tower.size() - 8), std::string::npos);
    // Stable, however the same folder is spelt; apart for another folder of the name.
    EXPECT_EQ(folderOf("/a/Tower/"), tower);
    EXPECT_EQ(folderOf("/a/./b/../Tower"), tower);
    EXPECT_NE(folderOf("/b/Tower"), tower);
    EXPECT_EQ(folderOf(std::filesystem::current_path().string() + "/Tower"), folderOf("Tower"));
    // Only safe bytes make the name: nothing climbs out or hides.
    const std::string odd = folderOf("/a/..T\xC3\xB6wer x");
    EXPECT_EQ(odd.substr(0, odd.size() - 9), "/data/lumora/packs/__T__wer_x");
    EXPECT_EQ(folderOf("/").rfind("/data/lumora/packs/pack-", 0), 0u);
    EXPECT_EQ(errorOf(game::packSaveFolder("/a/Tower", "", "")).rfind("save.bkm: ", 0), 0u);
}

// A save puts a whole folder in place of the old one, so a folder holding
// more than a pack is refused and left as it is; a link to a pack folder is
// saved through and stays a link; what an interrupted save left beside the
// folder is cleared first, unless it holds something no save put there.
TEST(Pack, ASaveNeverTakesAwayWhatIsNotThePacks) {
    struct Case {
        const char* what;
        std::function<void(const TempFolder&)> before;  // "pack" already holds a pack of 2
        const char* saveTo;
        std::string refused;  // empty: saved
        const char* kept = "";
    };
    const std::vector<Case> cases = {
        {"a file beside the pack", [](const TempFolder& f) { f.write("pack/notes.txt", "x"); },
         "pack", "holds \"notes.txt\" beside the pack", "pack/notes.txt"},
        {"a folder of other files", [](const TempFolder& f) { f.write("other/notes.txt", "x"); },
         "other", "holds files that are not a pack", "other/notes.txt"},
        {"a link to the pack",
         [](const TempFolder& f) {
             std::filesystem::create_directory_symlink("pack", f.path() + "/link");
         },
         "link", ""},
        {"a save cut short", [](const TempFolder& f) { f.write(".pack.saving/mmap1.bkm", "x"); },
         "pack", ""},
        {"a stranger's file where a save was cut short",
         [](const TempFolder& f) { f.write(".pack.saving/notes.txt", "x"); }, "pack",
         "holds \"notes.txt\", which no save put there", ".pack.saving/notes.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder f;
        copyShipped(f, 3);
        auto opened = game::openPack(f.path());
        ASSERT_EQ(errorOf(opened), "(none)");
        game::Pack pack = std::get<game::Pack>(opened);
        game::Pack two = pack;
        two.stages.pop_back();
        two.info.stageCount = 2;
        ASSERT_FALSE(game::writePack(f.path() + "/pack", two));
        namespace fs = std::filesystem;
        fs::permissions(f.path() + "/pack",
                        fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
        std::filesystem::create_directories(f.path() + "/other");
        std::filesystem::create_directories(f.path() + "/.pack.saving");
        c.before(f);
        const auto e = game::writePack(f.path() + "/" + c.saveTo, pack);
        if (!c.refused.empty()) {
            ASSERT_TRUE(e);
            EXPECT_NE(e->message.find(c.refused), std::string::npos) << e->message;
            EXPECT_EQ(errorOf(game::openPack(f.path() + "/pack")), "(none)");
            EXPECT_EQ(f.read(c.kept), "x");
            continue;
        }
        ASSERT_FALSE(e) << e->message;
        auto again = game::openPack(f.path() + "/pack");
        ASSERT_EQ(errorOf(again), "(none)");
        EXPECT_EQ(std::get<game::Pack>(again).stages, pack.stages);
        EXPECT_FALSE(f.exists(".pack.saving"));
        EXPECT_EQ(fs::status(f.path() + "/pack").permissions(),
                  fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
        EXPECT_EQ(std::filesystem::is_symlink(f.path() + "/" + c.saveTo),
                  c.saveTo == std::string("link"));
    }
}
