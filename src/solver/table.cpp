#include "solver/table.h"

namespace solver {

std::string exitsText(const StageReport& rep) {
    if (rep.leaves < 0) return "-";
    std::string out =
        "from " + std::to_string(columnOf(rep.leaves)) + "," + std::to_string(rowOf(rep.leaves));
    if (rep.exits & kOffTop) out += ", over the top";
    if (rep.exits & kOffLeft) out += ", past column 1";
    return out;
}

TableRow tableRow(int n, const Stage& stage, const ProofResult& proof) {
    const StageReport& rep = *proof.verdict;
    const Analysis a = proof.analysis.value_or(Analysis{});
    const Validation& v = a.validation;
    const char* boundary = v.capped ? "> " : v.ending.finished() ? "" : ">= ";
    // A figure no search found reads "-", never 0: an undecided or unsolvable
    // stage has no least magic or solution, and one without its analysis no
    // required moves or final boards.
    const bool found = rep.leastMagic > 0;
    const bool analysed = proof.analysis.has_value();
    auto either = [](bool known, const std::string& figure) { return known ? figure : "-"; };
    return {
        std::to_string(n),
        std::to_string(stage.target),
        std::to_string(stage.budget()),
        either(found, std::to_string(rep.leastMagic)),
        either(found, std::to_string(stage.magic - rep.leastMagic)),
        either(found, std::to_string(rep.plan.casts)),
        either(found, std::to_string(rep.plan.walks)),
        either(analysed, moveNames(v.required) + (v.ending.finished() ? "" : " (cut short)")),
        a.earlyCount.costs ? "costs" : a.earlyCount.known() ? "-" : "?",
        either(analysed, boundary + std::to_string(v.finalBoards)),
        std::to_string(rep.proofStates),
        std::to_string(proof.states),
        exitsText(rep),
    };
}

}  // namespace solver
