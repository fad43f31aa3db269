// Feeds arbitrary bytes to the stage, answer and save file readers, and to a
// whole load of the game window, checking that each either gives a value or a
// message naming the file, never more memory or more files than it should.
// A board that loads is then played: fuzzed clicks and waits, every rule of
// the game checked after each event.

#include <fuzzer/FuzzedDataProvider.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <variant>

#include "game/files.h"
#include "game/number_text.h"
#include "game/stage_desc.h"
#include "support/random_play.h"
#include "ui/lumora_program.h"
#include "ui/main_window.h"
#include "ui/menu.h"

namespace {

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

// Plain bytes, so the name outlives every destructor and the exit handler can
// still take the folder away.
char folderName[] = "/tmp/lumora-fuzz-XXXXXX";

void removeFolder() {
    std::error_code ec;
    std::filesystem::remove_all(folderName, ec);
}

std::string folder() {
    static const bool made = [] {
        check(mkdtemp(folderName) != nullptr, "a folder of our own");
        std::atexit(removeFolder);
        return true;
    }();
    (void)made;
    return folderName;
}

void put(const std::string& name, const std::string& bytes) {
    std::ofstream out(folder() + "/" + name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void clearFolder() {
    for (const auto& e : std::filesystem::directory_iterator(folder()))
        std::filesystem::remove_all(e.path());
}

bool startsWith(const std::string& s, const char* head) { return s.rfind(head, 0) == 0; }

void mapFile(const std::string& bytes) {
    put("m.bkm", bytes);
    const game::MapRead read = game::readMapLines(folder(), "m.bkm");
    check(read.count >= 0 && read.count <= 11, "line count");
    check(read.error.has_value() == (read.count < 11), "an error exactly when short of 11 lines");
    if (read.error) check(startsWith(read.error->message, "m.bkm"), "the error names the file");
    for (int i = 1; i <= read.count; ++i) {
        const std::string& line = read.lines[static_cast<std::size_t>(i)];
        check(line.size() <= game::kMaxLineBytes, "line length");
        check(line.find('\r') == std::string::npos, "no CR inside a line");
    }
    // A stage the game accepts is written as a file that reads as the same stage.
    auto desc = game::parseStageText("m.bkm", bytes);
    check(!std::holds_alternative<game::StageDesc>(desc) || !read.error,
          "a stage parses only when its lines do");
    if (auto* first = std::get_if<game::StageDesc>(&desc)) {
        auto again = game::parseStageText("m.bkm", game::writeStageText(*first));
        check(std::holds_alternative<game::StageDesc>(again) &&
                  std::get<game::StageDesc>(again) == *first,
              "a written stage reads as the same stage");
    }
}

void saveFile(const std::string& bytes) {
    put("save.bkm", bytes);
    auto r = game::readSaveFile(folder());
    if (const auto* stage = std::get_if<std::int32_t>(&r)) {
        check(*stage >= 0 && *stage <= 32767, "stage number range");
        // Writing it back and reading again gives the same number.
        check(!game::writeSaveFile(folder(), *stage), "write");
        check(std::get<std::int32_t>(game::readSaveFile(folder())) == *stage, "round trip");
    } else {
        check(startsWith(std::get<game::FileError>(r).message, "save.bkm"), "names save.bkm");
        if (bytes.size() <= game::kMaxLineBytes)
            check(game::readSaveBytes(folder()).value_or("?") == bytes, "a bad save is left alone");
    }
}

// For short texts the double nearest the number rounds the same way as the
// exact arithmetic, so the C library can judge the result.
void number(const std::string& text, int offset) {
    auto r = game::roundToInt16(text, offset);
    const auto* value = std::get_if<std::int16_t>(&r);
    if (value == nullptr || text.size() > 15) return;
    char* end = nullptr;
    const double d = std::strtod(text.c_str(), &end);
    std::fesetround(FE_TONEAREST);
    check(std::nearbyint(d + offset) == *value, "rounding agrees with the C library");
}

// The loaded grids hold exactly the letters of the stage file, and the
// character stands on its last "P".
void sameAsFile(const game::LumoraBas& b) {
    const game::MapRead read = game::readMapLines(folder(), "mmap1.bkm");
    check(!read.error, "the loaded file reads again");
    int startCol = 0, startRow = 0;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const std::string& line = read.lines[static_cast<std::size_t>(r)];
            const char ch = static_cast<std::size_t>(c) <= line.size() ? line[c - 1] : '\0';
            auto is = [ch](game::CellKind kind) { return ch == game::cellInfo(kind).letter; };
            check(b.SandGrid[c][r] == is(game::CellKind::Sand) &&
                      b.BlockGrid[c][r] == is(game::CellKind::Block) &&
                      b.WaterGrid[c][r] == is(game::CellKind::Water) &&
                      b.WallGrid[c][r] == is(game::CellKind::Wall),
                  "the grids hold the file's letters");
            if (ch == game::kStartLetter) startCol = c, startRow = r;
        }
    check(b.PlayerCol == startCol && b.PlayerRow == startRow, "the start cell is the last P");
}

float fuzzedTwips(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange<int>(0, 2)) {
        case 0:
            return 15.0f;
        case 1:
            return 12.0f;
        default:
            return static_cast<float>(in.ConsumeIntegralInRange<int>(1, 1440));
    }
}

void wholeLoad(FuzzedDataProvider& in) {
    clearFolder();
    const float twips = fuzzedTwips(in);
    const bool start = in.ConsumeBool();
    const std::string save = in.ConsumeRandomLengthString(16);
    const std::string answer = in.ConsumeRandomLengthString(400);
    const std::string stage = in.ConsumeRandomLengthString(1200);
    put("save.bkm", save);
    put("mmap1.bkm", stage);
    put("amap1.bkm", answer);

    ui::LumoraProgram game(folder(), twips);
    game.start();
    // Start plays stage 1 whatever the save holds; Load plays the saved stage.
    game.program().click(ui::Menu::kName, start ? "Command1" : "Command2");
    const forms::Program& program = game.program();
    if (program.ended()) {
        const std::string& message = program.fatalError().value_or("");
        check(startsWith(message, "save.bkm") || startsWith(message, "mmap") ||
                  startsWith(message, "amap"),
              "a failed load names its file");
        std::ifstream in2(folder() + "/save.bkm", std::ios::binary);
        std::string now((std::istreambuf_iterator<char>(in2)), std::istreambuf_iterator<char>());
        check(now == save, "a failed load writes nothing");
        return;
    }
    const game::LumoraBas& b = game.bas();
    check(b.PlayerCol >= 1 && b.PlayerCol <= 9 && b.PlayerRow >= 1 && b.PlayerRow <= 9,
          "a start cell on the board");
    sameAsFile(b);

    // The rest of the input is the player's hand.
    testing_support::RandomPlayer player(game, twips, [&in](std::uint32_t n) {
        return in.ConsumeIntegralInRange<std::uint32_t>(0, n - 1);
    });
    for (int steps = 0; steps < 400 && in.remaining_bytes() > 0 && !program.ended(); ++steps) {
        const std::string broken = player.step();
        if (broken.empty()) continue;
        std::fprintf(stderr, "%s\nafter:\n%s", broken.c_str(), player.script().c_str());
        std::abort();
    }
    // Only one stage lies in the folder: moving on or loading another ends the
    // program with a message naming the missing file.
    if (program.fatalError()) {
        const std::string& message = *program.fatalError();
        check(startsWith(message, "mmap") && !startsWith(message, "mmap1.bkm"),
              "play fails only for lack of another stage");
        return;
    }
    if (game.gameWindow() == nullptr) return;
    // Back to the menu writes the stage the window played.
    const std::string stageNo = game.bas().stageText();
    game.program().click(ui::MainWindow::kName, "Command3");
    check(game::readSaveBytes(folder()).value_or("") == stageNo + "\r\n", "saved the stage");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    switch (in.ConsumeIntegralInRange<int>(0, 3)) {
        case 0:
            mapFile(in.ConsumeRemainingBytesAsString());
            break;
        case 1:
            saveFile(in.ConsumeRemainingBytesAsString());
            break;
        case 2: {
            const int offset = in.ConsumeIntegralInRange<int>(-1, 1);
            number(in.ConsumeRemainingBytesAsString(), offset);
            break;
        }
        default:
            wholeLoad(in);
            break;
    }
    return 0;
}
