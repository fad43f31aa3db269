#pragma once

#include <string>
#include <variant>

#include "game/file_io.h"
#include "game/phrase.h"

namespace game {

// A file problem, told the way the player needs to read it: the file, the
// line where there is one, and what is wrong. Its sentences are the game's
// own, marked in the context kGameWords; the file's name, the path and the
// system's words for an error stay as they are in every language.
inline constexpr const char* kGameWords = "Game";
struct FileError {
    explicit FileError(std::string english) : message(english), words(plain(std::move(english))) {}
    explicit FileError(Phrase p) : message(english(p)), words(std::move(p)) {}

    std::string message;  // in English: the logs, lumora-replay and the tests read it
    Phrase words;         // the same, for a front end to translate
    // For an error on a line of a file (lineError): the line, 0 for the file
    // as a whole, and what is wrong there, so that a file held inside another
    // (a stage inside a pack file) can be told at the outer file's line.
    int line = 0;
    std::shared_ptr<const Phrase> what;
};

template <class T>
using FileResult = std::variant<T, FileError>;

// The system's words for an errno value.
std::string describeErrno(int err);

// What could not be done to a file.
enum class FileAct { Open, Read, Write, Replace, Remove, Lock, FindFolderOf, ReadFolder };

// "save.bkm: cannot write /path (reason)": every failure names the file as the
// player knows it (its name, or a phrase where it has none: "pack folder"), the
// path tried and why (the system's words, or a phrase).
FileError cannot(PhraseValue name, FileAct act, const std::string& path, PhraseValue reason);

// "mmap3.bkm: /path is a folder, not a file".
FileError notAFile(const std::string& name, const std::string& path, FileKind kind);

// "mmap3.bkm line 4: what", the line left out when it is 0.
FileError lineError(const std::string& name, int line, Phrase what);
FileError lineError(const std::string& name, int line, const std::string& what);

// The same error told at a line of the file `name` that holds the inner file
// from line `firstLine` on; an error of the inner file as a whole at `wholeLine`.
FileError atOuterLine(const FileError& inner, const std::string& name, int firstLine,
                      int wholeLine);

// Quotes a line for an error message, shortened, with control bytes and bytes
// past ASCII escaped as \xNN.
std::string quoteForMessage(const std::string& text);

}  // namespace game
