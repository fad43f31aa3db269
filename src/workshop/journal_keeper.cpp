#include "workshop/journal_keeper.h"

#include <QDir>
#include <QTimer>
#include <QUndoStack>

#include "qt/languages.h"
#include "workshop/wording.h"

namespace workshop {
namespace {

constexpr int kQuietMs = 1000;  // an edit burst is over after this long without one
constexpr int kEveryMs = 4000;  // and during a long one the journal is written this often

}  // namespace

JournalKeeper::JournalKeeper(QUndoStack* undo, Snapshot snapshot, QObject* parent)
    : QObject(parent),
      undo_(undo),
      snapshot_(std::move(snapshot)),
      folder_(workshopStateFolder(qEnvironmentVariable("XDG_STATE_HOME").toStdString(),
                                  QDir::homePath().toStdString())) {
    if (!folder_.empty()) {
        auto claimed = claimJournal(folder_);
        if (auto* e = std::get_if<game::FileError>(&claimed))
            QTimer::singleShot(0, this,
                               [this, m = qtfront::phraseText(e->words)] { emit trouble(m); });
        else
            slot_.emplace(std::move(std::get<JournalSlot>(claimed)));
    }
    quiet_ = new QTimer(this);
    quiet_->setSingleShot(true);
    quiet_->setInterval(kQuietMs);
    auto* every = new QTimer(this);
    every->setInterval(kEveryMs);
    every->start();
    connect(quiet_, &QTimer::timeout, this, &JournalKeeper::write);
    connect(every, &QTimer::timeout, this, [this] {
        if (due_) write();
    });
    connect(undo_, &QUndoStack::indexChanged, this, [this] {
        due_ = true;
        quiet_->start();
    });
}

void JournalKeeper::write() {
    due_ = false;
    quiet_->stop();
    if (!slot_) return;
    if (undo_->isClean()) {
        drop();
        return;
    }
    keep(snapshot_());
}

void JournalKeeper::drop() {
    due_ = false;
    if (slot_) slot_->remove();
}

// A journal that cannot be written is told, not fatal: the work itself is
// not at risk until the workshop ends.
bool JournalKeeper::keep(const Journal& journal) {
    if (!slot_) return false;
    if (auto e = slot_->write(journal)) {
        emit trouble(qtfront::phraseText(e->words));
        return false;
    }
    return true;
}

}  // namespace workshop
