// Feeds arbitrary bytes to the stage, answer and save file readers, and to a
// whole load of the game window, checking that each either gives a value or a
// message naming the file, never more memory or more files than it should.

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
#include "ui/lumora_program.h"
#include "ui/main_window.h"
#include "ui/menu.h"

namespace {

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

const std::string& folder() {
    static const std::string path = [] {
        char templ[] = "/tmp/lumora-fuzz-XXXXXX";
        const char* made = mkdtemp(templ);
        check(made != nullptr, "a folder of our own");
        return std::string(made);
    }();
    return path;
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

void wholeLoad(FuzzedDataProvider& in) {
    clearFolder();
    const std::string save = in.ConsumeRandomLengthString(16);
    const std::string answer = in.ConsumeRandomLengthString(400);
    const std::string stage = in.ConsumeRemainingBytesAsString();
    put("save.bkm", save);
    put("mmap1.bkm", stage);
    put("amap1.bkm", answer);

    ui::LumoraProgram game(folder(), 15.0f);
    game.start();
    game.program().click(ui::Menu::kName, "Command2");
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
    int blocks = 0, water = 0;
    for (int c = 0; c <= 9; ++c)
        for (int r = 0; r <= 9; ++r) {
            const int four =
                b.SandGrid[c][r] + b.BlockGrid[c][r] + b.WaterGrid[c][r] + b.WallGrid[c][r];
            check(four <= 1 && b.SolidGrid[c][r] == four, "grids in step");
            check(c != 0 && r != 0 ? true : four == 0, "row and column 0 stay free");
            blocks += b.BlockGrid[c][r];
            water += b.WaterGrid[c][r];
        }
    check(b.BlockCount == blocks && b.WaterCount == water, "counters match the grids");
    check(b.PlayerCol >= 1 && b.PlayerCol <= 9 && b.PlayerRow >= 1 && b.PlayerRow <= 9,
          "a start cell on the board");
    // Back to the menu writes the stage the window played.
    game.program().click(ui::MainWindow::kName, "Command3");
    check(game::readSaveBytes(folder()).value_or("") == "1\r\n", "saved stage 1");
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
