#include "solver/table.h"

#include "solver/moves.h"

namespace solver {
namespace {

constexpr const char* kNone = "-";

game::Phrase number(long long n) { return game::plain("%1", {n}); }

game::Phrase after(const char* text, game::Phrase before) {
    return game::phrase(kHeadingWords, text, {game::nested(std::move(before))});
}

}  // namespace

game::Phrase exitsPhrase(const StageReport& rep) {
    if (rep.leaves < 0) return game::plain(kNone);
    game::Phrase out = game::phrase(kHeadingWords, QT_TRANSLATE_NOOP("Table", "from %1,%2"),
                                    {columnOf(rep.leaves), rowOf(rep.leaves)});
    if (rep.exits & kOffTop)
        out = after(QT_TRANSLATE_NOOP("Table", "%1, over the top"), std::move(out));
    if (rep.exits & kOffLeft)
        out = after(QT_TRANSLATE_NOOP("Table", "%1, past column 1"), std::move(out));
    return out;
}

std::string exitsText(const StageReport& rep) { return game::english(exitsPhrase(rep)); }

game::Phrase requiresPhrase(unsigned required, bool cutShort) {
    std::optional<game::Phrase> names;
    for (int i = 0; i < moves::kCount; ++i) {
        if (!(required & (1u << i))) continue;
        game::Phrase name = game::phrase(moves::kNameWords, moves::kNames[i]);
        names = names
                    ? game::phrase(kHeadingWords, QT_TRANSLATE_NOOP("Table", "%1, %2"),
                                   {game::nested(std::move(*names)), game::nested(std::move(name))})
                    : std::move(name);
    }
    game::Phrase out = names ? std::move(*names) : game::plain(kNone);
    return cutShort ? after(QT_TRANSLATE_NOOP("Table", "%1 (cut short)"), std::move(out)) : out;
}

TableRow tableRow(int n, const Stage& stage, const ProofResult& proof) {
    const StageReport& rep = *proof.verdict;
    const Analysis a = proof.analysis.value_or(Analysis{});
    const Validation& v = a.validation;
    const char* boundary = v.capped ? "> %1" : v.ending.finished() ? "%1" : ">= %1";
    // A figure no search found reads "-", never 0: an undecided or unsolvable
    // stage has no least magic or solution, and one without its analysis no
    // required moves or final boards.
    const bool found = rep.leastMagic > 0;
    const bool analysed = proof.analysis.has_value();
    auto either = [](bool known, game::Phrase figure) {
        return known ? std::move(figure) : game::plain(kNone);
    };
    return {
        number(n),
        number(stage.target),
        number(stage.budget()),
        either(found, number(rep.leastMagic)),
        either(found, number(stage.magic - rep.leastMagic)),
        either(found, number(rep.plan.casts)),
        either(found, number(rep.plan.walks)),
        either(analysed, requiresPhrase(v.required, !v.ending.finished())),
        a.earlyCount.costs     ? game::phrase(kHeadingWords, QT_TRANSLATE_NOOP("Table", "costs"))
        : a.earlyCount.known() ? game::plain(kNone)
                               : game::plain("?"),
        either(analysed, game::plain(boundary, {static_cast<long long>(v.finalBoards)})),
        number(static_cast<long long>(rep.proofStates)),
        number(static_cast<long long>(proof.states)),
        exitsPhrase(rep),
    };
}

}  // namespace solver
