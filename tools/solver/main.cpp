#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "game/files.h"
#include "report.h"
#include "validate.h"

namespace fs = std::filesystem;

namespace {

constexpr int kStageCount = 28;
constexpr std::size_t kBoardCap = 100;
// Validation searches a stage once for each move left out; loose stages would
// take minutes, and a stage that needs more states than this is loose anyway.
constexpr std::size_t kValidateStates = 1'000'000;

void usage() {
    std::cerr << "usage: lumora-solve STAGEFILE [--script FILE] [--answer FILE] [--no-replay] "
                 "[--cap MAGIC] [--boards N]\n"
                 "       lumora-solve --table DIR [--write]\n"
                 "The first form solves one stage and prints the proof and a replay script;\n"
                 "--boards sets how many final boards it counts before it stops (100).\n"
                 "The second solves mmap1.bkm .. mmap28.bkm in DIR and prints a markdown table;\n"
                 "--write also stores DIR/amapN.bkm and DIR/solutions/stageN.replay.\n";
}

bool readBytes(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    bytes = s.str();
    return true;
}

bool writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

std::optional<solver::StageReport> solveFile(const std::string& path,
                                             const solver::SolveOptions& options) {
    auto parsed = solver::loadStage(path);
    if (auto* e = std::get_if<std::string>(&parsed)) {
        std::cerr << "lumora-solve: " << *e << "\n";
        return std::nullopt;
    }
    std::string bytes;
    if (!readBytes(path, bytes)) {
        std::cerr << "lumora-solve: cannot read " << path << "\n";
        return std::nullopt;
    }
    const auto& stage = std::get<solver::Stage>(parsed);
    return solver::solveStage(stage, solver::stageNumberOf(path), bytes, options);
}

int solveOne(const std::string& path, const std::string& scriptOut, const std::string& answerOut,
             const solver::SolveOptions& options, std::size_t boardCap) {
    auto parsed = solver::loadStage(path);
    if (auto* e = std::get_if<std::string>(&parsed)) {
        std::cerr << "lumora-solve: " << *e << "\n";
        return 2;
    }
    const auto& stage = std::get<solver::Stage>(parsed);
    auto rep = solveFile(path, options);
    if (!rep) return 2;
    std::cout << "stage " << rep->stageNo << " (" << path << "): target " << stage.target
              << ", budget " << stage.budget() << ", starting magic " << stage.magic << "\n";
    std::cout << "solvable with the budget: " << (rep->solvable ? "yes" : "no") << "\n";
    if (rep->leastMagic > 0) {
        std::cout << "least starting magic: " << rep->leastMagic;
        if (rep->leastMagic > 1)
            std::cout << " (" << rep->leastMagic - 1 << " never clears: " << rep->proofStates
                      << " states searched to the end)";
        std::cout << "\n";
    }
    std::cout << "states searched, every search together: " << rep->states << "\n";
    if (rep->leaves >= 0)
        std::cout << "defect: a walk from column " << solver::columnOf(rep->leaves) << ", row "
                  << solver::rowOf(rep->leaves) << " can leave the board"
                  << ((rep->exits & solver::kOffTop) ? " over the top" : "")
                  << ((rep->exits & solver::kOffLeft) ? " past column 1" : "") << "\n";
    if (!rep->complete)
        std::cout << "warning: a search stopped at the state limit or the character can leave "
                     "over the top; the proof is not complete\n";
    if (rep->solvable) {
        const solver::Validation v = solver::validateStage(stage, boardCap, kValidateStates);
        std::cout << "moves the budget requires: " << solver::moveNames(v.required)
                  << (v.complete ? "" : " (a search was cut short)") << "\n";
        std::cout << "final boards a clear within the budget ends on: "
                  << (v.capped ? "more than " : "") << v.finalBoards << "\n";
        std::size_t states = 0;
        std::cout << "meeting the target with a pool left costs magic: "
                  << (solver::earlyCountCosts(stage, rep->leastMagic, kValidateStates, states)
                          ? "yes"
                          : "no")
                  << "\n";
    }
    if (!rep->problem.empty()) {
        std::cout << "no checked solution: " << rep->problem << "\n";
        return 1;
    }
    std::cout << "solution: " << rep->plan.casts << " casts, " << rep->plan.walks << " walks, "
              << rep->plan.magicLeft << " magic left; "
              << (options.replay ? "the game clears it" : "not replayed") << "\n";
    std::cout << "script:\n" << rep->plan.script;
    if (!scriptOut.empty() && !writeBytes(scriptOut, rep->plan.script)) {
        std::cerr << "lumora-solve: cannot write " << scriptOut << "\n";
        return 2;
    }
    if (!answerOut.empty() && !writeBytes(answerOut, rep->plan.answer)) {
        std::cerr << "lumora-solve: cannot write " << answerOut << "\n";
        return 2;
    }
    return 0;
}

// "-", or where a walk leaves the board and which way.
std::string exitsText(const solver::StageReport& rep) {
    if (rep.leaves < 0) return "-";
    std::string out = "from " + std::to_string(solver::columnOf(rep.leaves)) + "," +
                      std::to_string(solver::rowOf(rep.leaves));
    if (rep.exits & solver::kOffTop) out += ", over the top";
    if (rep.exits & solver::kOffLeft) out += ", past column 1";
    return out;
}

int table(const std::string& dir, bool write, const solver::SolveOptions& options) {
    int failures = 0;
    std::cout << "| Stage | Target | Budget | Least magic | Spare | Casts | Walks | Requires | "
                 "Early count | Final boards | Proof states | States | Leaves the board |\n"
                 "|---:|---:|---:|---:|---:|---:|---:|---|---|---:|---:|---:|---|\n";
    if (write) fs::create_directories(fs::path(dir) / "solutions");
    for (int n = 1; n <= kStageCount; ++n) {
        const std::string path = (fs::path(dir) / game::stageFileName(n)).string();
        auto parsed = solver::loadStage(path);
        auto rep = solveFile(path, options);
        if (!rep || !std::holds_alternative<solver::Stage>(parsed)) {
            ++failures;
            continue;
        }
        const auto& stage = std::get<solver::Stage>(parsed);
        const solver::Validation v = solver::validateStage(stage, kBoardCap, kValidateStates);
        std::size_t states = rep->states + v.states;
        const bool early = rep->solvable &&
                           solver::earlyCountCosts(stage, rep->leastMagic, kValidateStates, states);
        std::cout << "| " << n << " | " << stage.target << " | " << stage.budget() << " | "
                  << rep->leastMagic << " | " << stage.magic - rep->leastMagic << " | "
                  << rep->plan.casts << " | " << rep->plan.walks << " | "
                  << solver::moveNames(v.required) << (v.complete ? "" : " (cut short)") << " | "
                  << (early ? "costs" : "-") << " | "
                  << (v.capped     ? "> "
                      : v.complete ? ""
                                   : ">= ")
                  << v.finalBoards << " | " << rep->proofStates << " | " << states << " | "
                  << exitsText(*rep) << " |\n";
        if (rep->leaves >= 0) rep->problem = "a walk can leave the board (" + exitsText(*rep) + ")";
        if (!rep->problem.empty()) {
            std::cerr << "stage " << n << ": " << rep->problem << "\n";
            ++failures;
            continue;
        }
        if (write) {
            writeBytes(fs::path(dir) / game::answerFileName(n), rep->plan.answer);
            writeBytes(fs::path(dir) / "solutions" / ("stage" + std::to_string(n) + ".replay"),
                       rep->plan.script);
        }
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string stageFile, scriptOut, answerOut, tableDir;
    bool write = false;
    std::size_t boardCap = kBoardCap;
    solver::SolveOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto next = [&]() -> std::string {
            if (i + 1 >= argc) {
                usage();
                std::exit(2);
            }
            return argv[++i];
        };
        if (a == "--script")
            scriptOut = next();
        else if (a == "--answer")
            answerOut = next();
        else if (a == "--table")
            tableDir = next();
        else if (a == "--write")
            write = true;
        else if (a == "--no-replay")
            options.replay = false;
        else if (a == "--cap")
            options.magicCap = std::atoi(next().c_str());
        else if (a == "--boards")
            boardCap = static_cast<std::size_t>(std::max(1, std::atoi(next().c_str())));
        else if (!a.empty() && a[0] != '-' && stageFile.empty())
            stageFile = a;
        else {
            usage();
            return 2;
        }
    }
    if (tableDir.empty() == stageFile.empty()) {
        usage();
        return 2;
    }
    if (!tableDir.empty()) return table(tableDir, write, options);
    return solveOne(stageFile, scriptOut, answerOut, options, boardCap);
}
