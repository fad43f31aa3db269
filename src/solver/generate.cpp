#include "solver/generate.h"

#include <algorithm>
#include <sstream>

#include "game/cast.h"
#include "game/rules.h"
#include "solver/generate_board.h"
#include "solver/moves.h"

namespace solver {

namespace {

using Clock = std::chrono::steady_clock;

// Why a board was turned down, each counted in the tally.
enum class Verdict { Found, Unsolvable, TooLoose, Leaves, TooFew, TooMany, OtherMoves, Cancelled };

int* counterFor(GenerateTally& t, Verdict v) {
    switch (v) {
        case Verdict::Unsolvable:
            return &t.unsolvable;
        case Verdict::TooLoose:
            return &t.tooLoose;
        case Verdict::Leaves:
            return &t.leaves;
        case Verdict::TooFew:
            return &t.tooFewCasts;
        case Verdict::TooMany:
            return &t.tooManyCasts;
        case Verdict::OtherMoves:
            return &t.otherMoves;
        default:
            return nullptr;
    }
}

Options proofOptions(const GenerateOptions& o, bool analyse) {
    Options p;
    p.magicCap = o.magicCap;
    p.maxStates = o.maxStates;
    p.analysisStates = o.maxStates;
    p.analyse = analyse;
    // A board is kept only with its exact least magic and casts: a quick clear
    // would not spare the exact search, while a refutation turns a board down
    // before it.
    p.goalStates = 0;
    return p;
}

// Whether a verdict rules the board out before its moves are looked at.
std::optional<Verdict> unfit(const ProofResult& proof, const GenerateOptions& o) {
    if (proof.ending.cancelled) return Verdict::Cancelled;
    const StageReport& rep = *proof.verdict;
    if (rep.leaves >= 0 || rep.exits != 0) return Verdict::Leaves;
    if (!rep.complete()) return Verdict::TooLoose;
    if (!rep.solvable || !rep.problem.empty()) return Verdict::Unsolvable;
    if (rep.plan.casts < o.minCasts) return Verdict::TooFew;
    if (rep.plan.casts > o.maxCasts) return Verdict::TooMany;
    return std::nullopt;
}

struct Candidate {
    game::StageDesc desc;
    unsigned required = 0;
    int casts = 0;
};

// Fits the magic to the least that clears (plus the spare), then proves the
// stage again with that budget, which decides the moves it requires.
// The magic the board's pools and missing blocks cost at the least: the proof
// starts there and doubles it until a clear, as lavish magic lets a search
// stack blocks everywhere and run out of states.
std::int16_t firstMagic(const game::StageDesc& d, int cap) {
    auto count = [&](game::CellKind kind) {
        return static_cast<int>(std::count(d.cells.begin(), d.cells.end(), kind));
    };
    const int missing = std::max(0, d.target - count(game::CellKind::Block));
    namespace rules = game::rules;
    return static_cast<std::int16_t>(std::min(
        cap, rules::kLeastMagicLeft - game::magicOf(game::CellKind::Water) * count(game::CellKind::Water) -
                 game::magicOf(game::CellKind::Empty) * missing));
}

Verdict judgeBoard(game::StageDesc desc, const GenerateOptions& o, GenerateControl* control,
                   Candidate& out) {
    desc.magic = firstMagic(desc, o.magicCap);
    auto loose = prove(desc, proofOptions(o, false), control);
    if (std::holds_alternative<std::string>(loose)) return Verdict::Unsolvable;
    if (auto v = unfit(std::get<ProofResult>(loose), o)) return *v;

    desc.magic =
        static_cast<std::int16_t>(std::get<ProofResult>(loose).verdict->leastMagic + o.spare);
    auto tight = prove(desc, proofOptions(o, true), control);
    const ProofResult& proof = std::get<ProofResult>(tight);
    if (auto v = unfit(proof, o)) return *v;
    if (!proof.analysis || !proof.analysis->validation.ending.finished()) return Verdict::TooLoose;
    const unsigned required = proof.analysis->validation.required;
    if (o.required && required != *o.required) return Verdict::OtherMoves;

    const StageReport& rep = *proof.verdict;
    desc.answer = rep.plan.answer;
    out = {desc, required, rep.plan.casts};
    return Verdict::Found;
}

// A solution without placing can only take blocks away and one without
// removing only takes back what it placed; when neither move is required,
// both exist, so the target is the stage's own blocks as they stand. Then a
// cast on a wall clears the stage, or a cast on its one pool: clearing a
// pool with the count met and another pool left loses. Such a stage takes one cast.
bool castsPossible(const GenerateOptions& o) {
    return !o.required || (*o.required & (moves::kPlace | moves::kRemove)) != 0 || o.minCasts <= 1;
}

bool cancelled(const GenerateControl* control) {
    return control != nullptr && control->cancel.load(std::memory_order_relaxed);
}

}  // namespace

GenerateResult generate(const GenerateOptions& options, GenerateControl* control) {
    GenerateResult result;
    const Clock::time_point began = Clock::now();
    auto elapsed = [&] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - began);
    };
    Draw draw(options.seed);
    if (!castsPossible(options))
        result.impossible =
            game::phrase(kGenerateWords,
                         QT_TRANSLATE_NOOP("Generate",
                                           "a stage that requires neither place nor remove keeps "
                                           "its own blocks as its count and clears with one cast; "
                                           "ask for one cast, or add place or remove"));
    while (!result.impossible && result.tally.attempts < options.maxAttempts) {
        if (cancelled(control)) {
            result.ending.cancelled = true;
            break;
        }
        if (elapsed() >= options.timeLimit) {
            result.timedOut = true;
            break;
        }
        const game::StageDesc board =
            randomBoard(draw, options.required, options.minCasts, options.maxCasts);
        ++result.tally.attempts;
        if (control != nullptr) control->attempts.fetch_add(1, std::memory_order_relaxed);
        Candidate found;
        const Verdict v = judgeBoard(board, options, control, found);
        if (v == Verdict::Found) {
            result.stage = found.desc;
            result.required = found.required;
            result.casts = found.casts;
            break;
        }
        if (v == Verdict::Cancelled) {
            result.ending.cancelled = true;
            break;
        }
        ++*counterFor(result.tally, v);
    }
    result.elapsed = elapsed();
    return result;
}

game::Phrase triesPhrase(const GenerateResult& r) {
    if (r.impossible) return *r.impossible;
    const GenerateTally& t = r.tally;
    std::ostringstream seconds;
    seconds.setf(std::ios::fixed);
    seconds.precision(1);
    seconds << static_cast<double>(r.elapsed.count()) / 1000.0;
    game::Phrase tried = game::counting(
        kGenerateWords, QT_TRANSLATE_N_NOOP("Generate", "%n boards tried in %1 s"),
        "%n board tried in %1 s", static_cast<long long>(t.attempts), {seconds.str()});
    if (r.ending.cancelled)
        tried = game::phrase(kGenerateWords, QT_TRANSLATE_NOOP("Generate", "%1 (stopped)"),
                             {game::nested(std::move(tried))});
    if (r.timedOut)
        tried = game::phrase(kGenerateWords, QT_TRANSLATE_NOOP("Generate", "%1 (out of time)"),
                             {game::nested(std::move(tried))});
    const auto n = [](auto count) { return game::PhraseValue(static_cast<long long>(count)); };
    return game::phrase(kGenerateWords,
                        QT_TRANSLATE_NOOP("Generate",
                                          "%1: %2 unsolvable, %3 too loose to prove, %4 with a way "
                                          "off the board, %5 with too few casts, %6 with too many "
                                          "casts, %7 requiring other moves"),
                        {game::nested(std::move(tried)), n(t.unsolvable), n(t.tooLoose),
                         n(t.leaves), n(t.tooFewCasts), n(t.tooManyCasts), n(t.otherMoves)});
}

std::string describeTries(const GenerateResult& r) { return game::english(triesPhrase(r)); }

unsigned moveByName(const std::string& name) {
    for (int i = 0; i < moves::kCount; ++i) {
        std::string hyphenated = moves::kNames[i];
        for (char& ch : hyphenated)
            if (ch == ' ') ch = '-';
        if (name == hyphenated) return 1u << i;
    }
    return 0;
}

}  // namespace solver
