#include "workshop/core/pack_edits.h"

#include <functional>

namespace workshop {
namespace {

game::Phrase numbered(const char* what, int n) { return game::phrase(kEditWords, what, {n}); }

std::optional<PackEdit> editOf(const PackDocument& doc,
                               const std::function<bool(PackDocument&)>& change,
                               game::Phrase description) {
    PackDocument after = doc;
    // An undo step that changes nothing would only make Undo seem broken.
    if (!change(after) || (after.contents().info == doc.contents().info &&
                           after.contents().stages == doc.contents().stages))
        return std::nullopt;
    return PackEdit{doc.contents(), after.contents(), std::move(description)};
}

}  // namespace

std::optional<PackEdit> addStageEdit(const PackDocument& doc) {
    return editOf(
        doc, [](PackDocument& d) { return d.add(); },
        numbered(QT_TRANSLATE_NOOP("Edit", "Add stage %1"), doc.current() + 2));
}

std::optional<PackEdit> duplicateStageEdit(const PackDocument& doc) {
    return editOf(
        doc, [](PackDocument& d) { return d.duplicate(); },
        numbered(QT_TRANSLATE_NOOP("Edit", "Duplicate stage %1"), doc.current() + 1));
}

std::optional<PackEdit> deleteStageEdit(const PackDocument& doc) {
    const int at = doc.current();
    return editOf(
        doc, [at](PackDocument& d) { return d.remove(at); },
        numbered(QT_TRANSLATE_NOOP("Edit", "Delete stage %1"), at + 1));
}

std::optional<PackEdit> moveStageEdit(const PackDocument& doc, int from, int to) {
    if (from == to) return std::nullopt;
    auto edit = editOf(
        doc, [from, to](PackDocument& d) { return d.move(from, to); },
        game::phrase(kEditWords, QT_TRANSLATE_NOOP("Edit", "Move stage %1 to %2"),
                     {from + 1, to + 1}));
    if (edit) edit->before.current = from;
    return edit;
}

std::optional<PackEdit> infoEdit(const PackDocument& doc, const game::PackInfo& info) {
    return editOf(
        doc,
        [&info](PackDocument& d) {
            d.setInfo(info);
            return true;
        },
        game::phrase(kEditWords,
                     QT_TRANSLATE_NOOP("Edit", "Edit the pack's name, author or licence")));
}

}  // namespace workshop
