#include "workshop/core/pack_edits.h"

#include <functional>

namespace workshop {
namespace {

std::string numbered(const char* what, int n) {
    return what + std::string(" ") + std::to_string(n);
}

std::optional<PackEdit> editOf(const PackDocument& doc,
                               const std::function<bool(PackDocument&)>& change,
                               std::string description) {
    PackDocument after = doc;
    if (!change(after)) return std::nullopt;
    return PackEdit{doc.contents(), after.contents(), std::move(description)};
}

}  // namespace

std::optional<PackEdit> addStageEdit(const PackDocument& doc) {
    return editOf(
        doc, [](PackDocument& d) { return d.add(); }, numbered("Add stage", doc.current() + 2));
}

std::optional<PackEdit> duplicateStageEdit(const PackDocument& doc) {
    return editOf(
        doc, [](PackDocument& d) { return d.duplicate(); },
        numbered("Duplicate stage", doc.current() + 1));
}

std::optional<PackEdit> deleteStageEdit(const PackDocument& doc) {
    const int at = doc.current();
    return editOf(
        doc, [at](PackDocument& d) { return d.remove(at); }, numbered("Delete stage", at + 1));
}

std::optional<PackEdit> moveStageEdit(const PackDocument& doc, int from, int to) {
    if (from == to) return std::nullopt;
    auto edit = editOf(
        doc, [from, to](PackDocument& d) { return d.move(from, to); },
        numbered("Move stage", from + 1) + numbered(" to", to + 1));
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
        "Edit the pack's name, author or licence");
}

}  // namespace workshop
