#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "game/durable_file.h"
#include "game/files.h"
#include "game/pack.h"
#include "game/pack_file.h"
#include "game/replay_script.h"
#include "generate_args.h"
#include "headless/check.h"
#include "number_arg.h"
#include "solver/proof.h"
#include "solver/table.h"

namespace fs = std::filesystem;

namespace {

// Beyond these a search's magic would not fit its counters, or the final
// boards it keeps would not fit in memory.
constexpr int kMostMagicCap = 30'000;
constexpr std::size_t kMostBoards = 1'000'000;
// A terabyte: beyond it the budget's bytes would not fit some size_t.
constexpr std::size_t kMostMemoryMB = std::size_t{1} << 20;

void usage() {
    const solver::GenerateOptions generate;
    std::cerr << "usage: lumora-solve STAGEFILE [--script FILE] [--answer FILE] [--no-replay] "
                 "[--cap MAGIC] [--boards N]\n"
                 "                    [--memory MB] [--verdict]\n"
                 "       lumora-solve --table DIR|PACKFILE [--write]\n"
                 "       lumora-solve --convert FROM TO\n"
                 "       lumora-solve --generate SEED [--require MOVE,MOVE...] [--casts MIN-MAX]\n"
                 "                    [--answer FILE]\n"
                 "The first form solves one stage and prints the proof and a replay script;\n"
                 "--verdict stops once the verdict is settled, with the first checked solution;\n"
                 "--boards sets how many final boards it counts before it stops ("
              << solver::kBoardCap
              << ");\n--memory sets what each search's states may take, in megabytes ("
              << solver::kMemoryBudgetMB
              << "); a search that\nneeds more stops, and the stage is undecided.\n"
                 "The second solves the stages of DIR, mmap1.bkm .. mmap28.bkm, or as many as\n"
                 "its pack.ini names, and prints a markdown table; --write also stores\n"
                 "DIR/amapN.bkm and "
                 "DIR/solutions/stageN.replay. A pack file (NAME.lumora) is read as a folder\n"
                 "is, and each solution it carries is played in the game and said to clear\n"
                 "its stage or not.\n"
                 "--convert writes the pack FROM (a folder or a pack file) as TO: a pack file\n"
                 "when TO ends in .lumora, else a pack folder; nothing is lost either way.\n"
                 "The third searches random boards from SEED for a stage whose budget requires\n"
                 "exactly the MOVEs (any, without --require; names as the table's Requires\n"
                 "column, a hyphen for a space: take-back, climb-own) and whose shortest\n"
                 "solution takes MIN to MAX casts ("
              << generate.minCasts << "-" << generate.maxCasts << ", at most " << solver::kMostCasts
              << "), for up to " << generate.timeLimit.count() / 1000
              << " s; it prints the stage\n"
                 "file, writes its answer to --answer FILE, and says what it tried if none.\n"
                 "Exit status: 0 when every stage has a checked solution and every file was\n"
                 "written, or a stage was generated, 1 when not, 2 when the one stage of the\n"
                 "first form cannot be read or the command line is wrong.\n";
}

// Through the game's durable writer, so a stage folder is never left with a
// torn answer file.
bool writeOrSay(const fs::path& path, const std::string& bytes) {
    const auto failed = game::writeFileDurably(path.filename().string(), path.string(), bytes);
    if (!failed) return true;
    std::cerr << "lumora-solve: " << failed->message << "\n";
    return false;
}

std::string answerFile(const solver::Stage& stage, const solver::Plan& plan) {
    return game::writeAnswerText(solver::withAnswer(stage, plan));
}

struct Proved {
    solver::Stage stage;
    solver::ProofResult proof;
};

std::optional<Proved> proveFile(const std::string& path, solver::Options options) {
    auto parsed = solver::loadStage(path);
    if (auto* e = std::get_if<std::string>(&parsed)) {
        std::cerr << "lumora-solve: " << *e << "\n";
        return std::nullopt;
    }
    options.stageNo = solver::stageNumberOf(path);
    auto& stage = std::get<solver::Stage>(parsed);
    solver::ProofResult proof = solver::prove(stage, options);
    return Proved{std::move(stage), std::move(proof)};
}

std::optional<Proved> proveDesc(const game::StageDesc& desc, int n, solver::Options options) {
    auto built = solver::stageFromDesc(desc, game::stageFileName(n));
    if (auto* e = std::get_if<std::string>(&built)) {
        std::cerr << "lumora-solve: " << *e << "\n";
        return std::nullopt;
    }
    options.stageNo = n;
    auto& stage = std::get<solver::Stage>(built);
    solver::ProofResult proof = solver::prove(stage, options);
    return Proved{std::move(stage), std::move(proof)};
}

void printAnalysis(const solver::Analysis& a) {
    const solver::Validation& v = a.validation;
    std::cout << "moves the budget requires: " << solver::moveNames(v.required)
              << (v.ending.finished() ? "" : " (a search was cut short)") << "\n";
    std::cout << "final boards a clear within the budget ends on: "
              << (v.capped              ? "more than "
                  : v.ending.finished() ? ""
                                        : "at least ")
              << v.finalBoards << "\n";
    std::cout << "meeting the target with a pool left costs magic: "
              << (a.earlyCount.costs     ? "yes"
                  : a.earlyCount.known() ? "no"
                                         : "not known (the search was cut short)")
              << "\n";
}

// "yes" or "no", and beside it what is known only so far or why not.
std::string verdictText(const solver::StageReport& rep) {
    if (!rep.verdictProven)
        return rep.ending.outOfMemory ? "undecided: no clear found within the memory budget"
                                      : "undecided: no clear found before a search's state limit";
    std::string out = rep.solvable ? "yes" : "no";
    if (rep.refutation) out += " (proven: " + solver::refutationText(*rep.refutation) + ")";
    return out;
}

void printVerdict(const solver::StageReport& rep) {
    std::cout << "solvable with the budget: " << verdictText(rep) << "\n";
    if (rep.leastMagic > 0) {
        std::cout << "least starting magic: " << rep.leastMagic;
        if (rep.leastMagicSoFar)
            std::cout << " so far (no search below it ran to its end)";
        else if (rep.leastMagic > 1)
            std::cout << " (" << rep.leastMagic - 1 << " never clears: " << rep.proofStates
                      << " states searched to the end)";
        std::cout << "\n";
    }
    std::cout << "states searched, every search together: " << rep.states << "\n";
    if (rep.leaves >= 0)
        std::cout << "defect: a walk from column " << solver::columnOf(rep.leaves) << ", row "
                  << solver::rowOf(rep.leaves) << " can leave the board"
                  << ((rep.exits & solver::kOffTop) ? " over the top" : "")
                  << ((rep.exits & solver::kOffLeft) ? " past column 1" : "") << "\n";
    if (!rep.complete())
        std::cout << "warning: a search stopped at the state limit or its memory budget; the "
                     "proof is not complete\n";
}

int solveOne(const std::string& path, const std::string& scriptOut, const std::string& answerOut,
             const solver::Options& options) {
    auto proved = proveFile(path, options);
    if (!proved) return 2;
    const solver::Stage& stage = proved->stage;
    const solver::StageReport& rep = *proved->proof.verdict;
    std::cout << "stage " << rep.stageNo << " (" << path << "): target " << stage.target
              << ", budget " << stage.budget() << ", starting magic " << stage.magic << "\n";
    printVerdict(rep);
    if (!rep.solvable && rep.ending.outOfMemory) {
        std::cout << "undecided within " << options.memoryBudget / solver::kBytesPerMB
                  << " MB after " << rep.states << " states\n";
        return 1;
    }
    if (proved->proof.analysis) printAnalysis(*proved->proof.analysis);
    if (!rep.problem.empty()) {
        std::cout << "no checked solution: " << rep.problem << "\n";
        return 1;
    }
    std::cout << "solution: " << rep.plan.casts << " casts"
              << (rep.shortestSoFar ? " (the fewest so far)" : "") << ", " << rep.plan.walks
              << " walks, " << rep.plan.magicLeft << " magic left; "
              << (options.check ? "the game clears it" : "not replayed") << "\n";
    std::cout << "script:\n" << rep.plan.script();
    if (!scriptOut.empty() && !writeOrSay(scriptOut, rep.plan.script())) return 1;
    if (!answerOut.empty() && !writeOrSay(answerOut, answerFile(stage, rep.plan))) return 1;
    return 0;
}

// How many stages a folder holds and the name its heading shows: a pack's
// pack.ini tells both; the game's own folder holds its 28 and has no name.
struct FolderShape {
    int stages = game::kStageCount;
    std::string name;
};

std::optional<FolderShape> folderShape(const std::string& dir) {
    if (!game::isPack(dir)) return FolderShape{};
    auto info = game::readPackInfo(dir);
    if (auto* e = std::get_if<game::FileError>(&info)) {
        std::cerr << "lumora-solve: " << e->message << "\n";
        return std::nullopt;
    }
    const auto& pack = std::get<game::PackInfo>(info);
    return FolderShape{pack.stageCount, pack.name};
}

void printTableHead(const FolderShape& shape) {
    if (!shape.name.empty()) std::cout << "## " << shape.name << "\n\n";
    std::string heads = "|", aligns = "|";
    for (const solver::TableColumnInfo& c : solver::kTableColumnInfo) {
        heads += std::string(" ") + c.heading + " |";
        aligns += c.number ? "---:|" : "---|";
    }
    std::cout << heads << "\n" << aligns << "\n";
}

void printTableRow(int n, const solver::Stage& stage, const solver::ProofResult& proof) {
    std::cout << "|";
    for (const game::Phrase& cell : solver::tableRow(n, stage, proof))
        std::cout << " " << game::english(cell) << " |";
    std::cout << "\n";
}

// The checked solution's answer and script beside the stage.
bool writeSolution(const fs::path& dir, int n, const solver::Stage& stage,
                   const solver::StageReport& rep) {
    const bool answer = writeOrSay(dir / game::answerFileName(n), answerFile(stage, rep.plan));
    const bool script = writeOrSay(dir / "solutions" / ("stage" + std::to_string(n) + ".replay"),
                                   rep.plan.script());
    return answer && script;
}

int table(const std::string& dir, bool write, solver::Options options) {
    const std::optional<FolderShape> found = folderShape(dir);
    if (!found) return 1;
    const FolderShape& shape = *found;
    options.boardCap = solver::kBoardCap;
    if (write) {
        std::error_code ec;
        fs::create_directories(fs::path(dir) / "solutions", ec);
        if (ec) {
            std::cerr << "lumora-solve: cannot make " << (fs::path(dir) / "solutions").string()
                      << ": " << ec.message() << "\n";
            return 1;
        }
    }
    printTableHead(shape);
    int failures = 0;
    for (int n = 1; n <= shape.stages; ++n) {
        auto proved = proveFile((fs::path(dir) / game::stageFileName(n)).string(), options);
        if (!proved) {
            ++failures;
            continue;
        }
        printTableRow(n, proved->stage, proved->proof);
        solver::StageReport& rep = *proved->proof.verdict;
        if (rep.leaves >= 0)
            rep.problem = "a walk can leave the board (" + solver::exitsText(rep) + ")";
        if (!rep.problem.empty()) {
            std::cerr << "stage " << n << ": " << rep.problem << "\n";
            ++failures;
            continue;
        }
        if (write && !writeSolution(dir, n, proved->stage, rep)) ++failures;
    }
    return failures == 0 ? 0 : 1;
}

// What the carried solution of stage n makes of it in the game, when it has one.
std::string carriedText(const game::StageDesc& desc, const std::string& solution, int n) {
    switch (headless::checkCarried(desc, solution, n)) {
        case headless::Carried::None:
            return "carries no solution";
        case headless::Carried::Proven:
            return "proven by its solution";
        case headless::Carried::DoesNotClear:
            break;
    }
    return "its solution does not clear it";
}

// A pack file's table: its stages proved as a folder's are, then what each
// carried solution does in the game.
int packFileTable(const std::string& path, solver::Options options) {
    auto opened = game::readPackFile(path);
    if (auto* e = std::get_if<game::FileError>(&opened)) {
        std::cerr << "lumora-solve: " << e->message << "\n";
        return 1;
    }
    const game::PackContents& contents = std::get<game::PackContents>(opened);
    options.boardCap = solver::kBoardCap;
    printTableHead(FolderShape{contents.pack.info.stageCount, contents.pack.info.name});
    int failures = 0;
    std::string carried;
    for (int n = 1; n <= contents.pack.info.stageCount; ++n) {
        const game::StageDesc& desc = contents.pack.stages[static_cast<std::size_t>(n - 1)];
        const std::string& solution = contents.solutions[static_cast<std::size_t>(n - 1)];
        carried += "stage " + std::to_string(n) + ": " + carriedText(desc, solution, n) + "\n";
        auto proved = proveDesc(desc, n, options);
        if (!proved) {
            ++failures;
            continue;
        }
        printTableRow(n, proved->stage, proved->proof);
        if (const auto& rep = *proved->proof.verdict; !rep.problem.empty()) {
            std::cerr << "stage " << n << ": " << rep.problem << "\n";
            ++failures;
        }
    }
    std::cout << "\n" << carried;
    return failures == 0 ? 0 : 1;
}

// A pack folder into a pack file and back, by the name TO ends in.
int convert(const std::string& from, const std::string& to) {
    auto opened = game::openAnyPack(from);
    if (auto* e = std::get_if<game::FileError>(&opened)) {
        std::cerr << "lumora-solve: " << e->message << "\n";
        return 1;
    }
    const auto& contents = std::get<game::PackContents>(opened);
    const auto failed = to.ends_with(game::kPackFileSuffix) ? game::writePackFile(to, contents)
                                                            : game::writePackFolder(to, contents);
    if (!failed) return 0;
    std::cerr << "lumora-solve: " << failed->message << "\n";
    return 1;
}

int generateStage(const solvecli::GenerateArgs& args, const std::string& answerOut) {
    auto options = solvecli::generateOptions(args);
    if (auto* why = std::get_if<std::string>(&options)) {
        std::cerr << "lumora-solve: " << *why << "\n";
        return 2;
    }
    const solver::GenerateResult result =
        solver::generate(std::get<solver::GenerateOptions>(options));
    if (!result.stage) {
        std::cerr << "lumora-solve: no stage found; " << solver::describeTries(result) << "\n";
        return 1;
    }
    // The answer first: a stage printed beside a failed answer would read as done.
    if (!answerOut.empty() && !writeOrSay(answerOut, game::writeAnswerText(*result.stage)))
        return 1;
    std::cout << game::writeStageText(*result.stage);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string stageFile, scriptOut, answerOut, tableDir;
    solvecli::GenerateArgs gen;
    bool generating = false;
    bool write = false;
    solver::Options options;
    std::size_t memoryMB = solver::kMemoryBudgetMB;
    options.check = headless::checkInGame;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto next = [&]() -> std::string {
            if (i + 1 >= argc) {
                usage();
                std::exit(2);
            }
            return argv[++i];
        };
        auto number = [&]<typename T>(T lo, T hi) -> T {
            auto read = solvecli::optionNumber<T>(a, next(), lo, hi);
            if (const auto* why = std::get_if<std::string>(&read)) {
                std::cerr << "lumora-solve: " << *why << "\n";
                std::exit(2);
            }
            return std::get<T>(read);
        };
        if (a == "--script")
            scriptOut = next();
        else if (a == "--answer")
            answerOut = next();
        else if (a == "--table")
            tableDir = next();
        else if (a == "--generate")
            gen.seed = next(), generating = true;
        else if (a == "--require")
            gen.require = next();
        else if (a == "--casts")
            gen.casts = next();
        else if (a == "--convert" && argc == 4 && i == 1)
            return convert(argv[2], argv[3]);
        else if (a == "--write")
            write = true;
        else if (a == "--no-replay")
            options.check = nullptr;
        else if (a == "--verdict")
            options.verdictOnly = true, options.analyse = false;
        else if (a == "--cap")
            options.magicCap = number(1, kMostMagicCap);
        else if (a == "--boards")
            options.boardCap = number(std::size_t{1}, kMostBoards);
        else if (a == "--memory")
            memoryMB = number(std::size_t{1}, kMostMemoryMB);
        else if (!a.empty() && a[0] != '-' && stageFile.empty())
            stageFile = a;
        else {
            usage();
            return 2;
        }
    }
    const bool noGenerateArgs = gen.require.empty() && gen.casts.empty();
    if (generating && tableDir.empty() && stageFile.empty() && scriptOut.empty() && !write)
        return generateStage(gen, answerOut);
    if (tableDir.empty() == stageFile.empty() || generating || !noGenerateArgs) {
        usage();
        return 2;
    }
    options.memoryBudget = memoryMB * solver::kBytesPerMB;
    if (!tableDir.empty() && !write && game::isPackFilePath(tableDir))
        return packFileTable(tableDir, options);
    if (!tableDir.empty()) return table(tableDir, write, options);
    return solveOne(stageFile, scriptOut, answerOut, options);
}
