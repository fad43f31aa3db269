#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <string>

#include "workshop/core/journal_store.h"

class QTimer;
class QUndoStack;

namespace workshop {

// A window's journal of unsaved work: claimed as the window opens, written a
// moment after each burst of edits and every few seconds while edits go on,
// dropped once the work is saved or let go. Killed, the window leaves it for
// the next start to offer back.
class JournalKeeper : public QObject {
    Q_OBJECT
public:
    using Snapshot = std::function<Journal()>;
    JournalKeeper(QUndoStack* undo, Snapshot snapshot, QObject* parent);

    // The state folder; empty when there is none to keep journals in.
    const std::string& folder() const { return folder_; }
    // Now rather than after the edit burst; drops it when nothing is unsaved.
    void write();
    void drop();
    // Makes `journal` this window's own at once; false when it cannot be kept.
    bool keep(const Journal& journal);

signals:
    // Unsaved work cannot be kept safe, and why.
    void trouble(const QString& message);

private:
    QUndoStack* undo_;
    Snapshot snapshot_;
    std::string folder_;
    std::optional<JournalSlot> slot_;
    QTimer* quiet_ = nullptr;
    bool due_ = false;
};

}  // namespace workshop
