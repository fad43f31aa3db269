// Feeds arbitrary bytes to the pack file reader, from memory and from the
// disk: each input gives a pack that writes back as it reads, or an error
// naming the file and the line, and the folder it lies in gains nothing.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "game/pack_file.h"

namespace {

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

char folderName[] = "/tmp/lumora-fuzz-pack-XXXXXX";

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

bool toldAtALine(const std::string& message) {
    return message.rfind("p.lumora: ", 0) == 0 || message.rfind("p.lumora line ", 0) == 0;
}

void readBack(const game::PackContents& contents) {
    check(contents.pack.stages.size() == static_cast<std::size_t>(contents.pack.info.stageCount),
          "as many stages as Stages says");
    auto again = game::parsePackFile("p.lumora", game::writePackFileText(contents));
    check(std::holds_alternative<game::PackContents>(again), "a pack read writes back");
    check(std::get<game::PackContents>(again).pack.stages == contents.pack.stages,
          "the same stages back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    auto read = game::parsePackFile("p.lumora", text);
    if (const auto* e = std::get_if<game::FileError>(&read))
        check(toldAtALine(e->message), "an error names the file");
    else
        readBack(std::get<game::PackContents>(read));

    const std::string path = folder() + "/p.lumora";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    auto opened = game::openAnyPack(path);
    check(std::holds_alternative<game::FileError>(opened) ==
              std::holds_alternative<game::FileError>(read),
          "the disk reads as memory does");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder()))
        ++files;
    check(files == 1, "nothing made beside the file");
    return 0;
}
