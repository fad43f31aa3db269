#include "game/files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "game/number_text.h"

namespace game {
namespace {

std::string describeErrno(int err) { return std::generic_category().message(err); }

// Reads one line under the file's line rules. Returns false at the end of the
// file when no line is left; `tooLong` reports a line over the limit.
bool readLine(std::istream& in, std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    int ch = in.get();
    if (ch == EOF) return false;
    while (ch != EOF) {
        if (ch == '\r') {
            if (in.peek() == '\n') in.get();
            return true;
        }
        if (line.size() >= kMaxLineBytes) {
            tooLong = true;
            return true;
        }
        line.push_back(static_cast<char>(ch));
        ch = in.get();
    }
    return true;
}

}  // namespace

std::string stageFileName(std::int32_t stage) { return "mmap" + std::to_string(stage) + ".bkm"; }
std::string answerFileName(std::int32_t stage) { return "amap" + std::to_string(stage) + ".bkm"; }

std::string folderText(const std::string& folder) {
    if (folder.empty()) return "./";
    if (folder.back() == '/') return folder;
    return folder + "/";
}

std::string quoteForMessage(const std::string& text) {
    constexpr std::size_t kShown = 40;
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
        auto ch = static_cast<unsigned char>(text[i]);
        if (ch < 0x20 || ch == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", ch);
            out += buf;
        } else {
            out.push_back(static_cast<char>(ch));
        }
    }
    if (text.size() > kShown) out += "...";
    return out + "\"";
}

MapRead readMapLines(const std::string& folder, const std::string& fileName) {
    MapRead read;
    const std::string path = folderText(folder) + fileName;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        read.error =
            FileError{fileName + ": cannot open " + path + " (" + describeErrno(errno) + ")"};
        return read;
    }
    std::string line;
    bool tooLong = false;
    for (int i = 1; i <= 11; ++i) {
        if (!readLine(in, line, tooLong)) {
            std::string msg = fileName + ": the file has " + std::to_string(i - 1) +
                              (i == 2 ? " line" : " lines") + ", it needs 11";
            if (i <= 2) msg += " (lines must end with CR LF)";
            read.error = FileError{msg};
            return read;
        }
        if (tooLong) {
            read.error =
                FileError{fileName + " line " + std::to_string(i) + ": the line is longer than " +
                          std::to_string(kMaxLineBytes) + " bytes"};
            return read;
        }
        if (in.bad()) {
            read.error = FileError{fileName + ": read error (" + describeErrno(errno) + ")"};
            return read;
        }
        read.lines[static_cast<std::size_t>(i)] = line;
        read.count = i;
    }
    return read;
}

FileResult<MapLines> readMapFile(const std::string& folder, const std::string& fileName) {
    MapRead read = readMapLines(folder, fileName);
    if (read.error) return *read.error;
    return read.lines;
}

FileResult<std::int16_t> stageFileNumber(const std::string& fileName, int line,
                                         const std::string& text) {
    auto n = roundToInt16(text, line == 11 ? 1 : 0);
    if (auto* value = std::get_if<std::int16_t>(&n)) return *value;
    std::string head = fileName + " line " + std::to_string(line) + ": " + quoteForMessage(text);
    if (std::get<NumberError>(n) == NumberError::OutOfRange)
        return FileError{head + (line == 11 ? " plus 1" : "") +
                         " is out of range (-32768 to 32767)"};
    return FileError{head + (line == 10 ? " is not a whole number" : " is not a number")};
}

FileResult<std::int32_t> readSaveFile(const std::string& folder) {
    const std::string path = folderText(folder) + kSaveFileName;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return FileError{std::string(kSaveFileName) + ": cannot open " + path + " (" +
                         describeErrno(errno) + ")"};
    std::string field;
    int ch;
    while ((ch = in.get()) != EOF && ch != ',' && ch != '\r') {
        if (field.size() >= kMaxLineBytes)
            return FileError{std::string(kSaveFileName) + ": the first field is longer than " +
                             std::to_string(kMaxLineBytes) + " bytes"};
        field.push_back(static_cast<char>(ch));
    }
    if (field.find_first_not_of(" \t") == std::string::npos)
        return FileError{std::string(kSaveFileName) + ": the file holds no stage number"};
    std::int32_t stage = parseStageNumber(field);
    if (stage < 0)
        return FileError{std::string(kSaveFileName) + ": " + quoteForMessage(field) +
                         " is not a stage number"};
    return stage;
}

std::optional<FileError> writeSaveFile(const std::string& folder, std::int32_t stage) {
    const std::string path = folderText(folder) + kSaveFileName;
    const std::string temp = path + ".new";
    const std::string bytes = std::to_string(stage) + "\r\n";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return FileError{std::string(kSaveFileName) + ": cannot write " + path + " (" +
                             describeErrno(errno) + ")"};
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            int err = errno;
            out.close();
            std::remove(temp.c_str());
            return FileError{std::string(kSaveFileName) + ": cannot write " + path + " (" +
                             describeErrno(err) + ")"};
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::remove(temp.c_str());
        return FileError{std::string(kSaveFileName) + ": cannot replace " + path + " (" +
                         ec.message() + ")"};
    }
    return std::nullopt;
}

bool saveFileExists(const std::string& folder) {
    std::error_code ec;
    return std::filesystem::exists(folderText(folder) + kSaveFileName, ec);
}

std::optional<std::string> readSaveBytes(const std::string& folder) {
    std::ifstream in(folderText(folder) + kSaveFileName, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    char buf[4096];
    while (in.read(buf, sizeof buf) || in.gcount() > 0) {
        bytes.append(buf, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kMaxLineBytes) break;
    }
    return bytes;
}

}  // namespace game
