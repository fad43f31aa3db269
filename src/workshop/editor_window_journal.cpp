// Unsaved work kept in the player's state folder: written a moment after each
// burst of edits and every few seconds while edits go on, dropped once the
// work is saved or let go, offered back at the next start after a crash.
// Each window keeps a journal of its own, so that two workshops side by side
// never write, offer or drop each other's work.
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QTimer>
#include <QUndoStack>

#include "workshop/editor_window.h"
#include "workshop/wording.h"

namespace workshop {
namespace {

constexpr int kQuietMs = 1000;  // an edit burst is over after this long without one
constexpr int kEveryMs = 4000;  // and during a long one the journal is written this often

std::string stateFolder() {
    return workshopStateFolder(qEnvironmentVariable("XDG_STATE_HOME").toStdString(),
                               QDir::homePath().toStdString());
}

QString writtenWhen(std::int64_t seconds) {
    if (seconds <= 0) return QObject::tr("at a time not known");
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(seconds), QLocale::ShortFormat);
}

}  // namespace

void EditorWindow::makeJournal() {
    journalFolder_ = stateFolder();
    if (!journalFolder_.empty()) {
        auto claimed = claimJournal(journalFolder_);
        if (auto* e = std::get_if<game::FileError>(&claimed))
            setStatusTip(tr("Unsaved work cannot be kept safe: %1").arg(text(e->message)));
        else
            journal_.emplace(std::move(std::get<JournalSlot>(claimed)));
    }
    quiet_ = new QTimer(this);
    quiet_->setSingleShot(true);
    quiet_->setInterval(kQuietMs);
    auto* every = new QTimer(this);
    every->setInterval(kEveryMs);
    every->start();
    connect(quiet_, &QTimer::timeout, this, &EditorWindow::writeJournal);
    connect(every, &QTimer::timeout, this, [this] {
        if (journalDue_) writeJournal();
    });
    connect(undo_, &QUndoStack::indexChanged, this, [this] {
        journalDue_ = true;
        quiet_->start();
    });
}

void EditorWindow::writeJournal() {
    journalDue_ = false;
    quiet_->stop();
    if (!journal_) return;
    if (undo_->isClean()) {
        dropJournal();
        return;
    }
    Journal j{doc_.info().name, doc_.info().author, doc_.info().license,
              doc_.folder(),    doc_.stages(),      doc_.current()};
    // A journal that cannot be written is told once, in the status line:
    // the work itself is not at risk until the workshop ends.
    if (auto e = journal_->write(j))
        setStatusTip(tr("Unsaved work cannot be kept safe: %1").arg(text(e->message)));
}

void EditorWindow::dropJournal() {
    journalDue_ = false;
    if (journal_) journal_->remove();
}

bool EditorWindow::restoreJournal(const std::function<bool(const QString&)>& ask) {
    if (journalFolder_.empty()) return false;
    bool here = false;
    for (OrphanedJournal& orphan : orphanedJournals(journalFolder_)) {
        if (auto* e = std::get_if<game::FileError>(&orphan.journal)) {
            tellError(tr("Unsaved work"),
                      tr("Unsaved work of a workshop that ended cannot be read: %1")
                          .arg(text(e->message)));
            orphan.slot.remove();
            continue;
        }
        const Journal& j = std::get<Journal>(orphan.journal);
        const QString name = j.name.empty() ? tr("an untitled pack") : text(j.name);
        if (j.stages.empty() ||
            !ask(tr("A workshop ended with unsaved work on %1 (%2), written %3. Restore it?")
                     .arg(name,
                          counted(static_cast<long long>(j.stages.size()), tr("stage"),
                                  tr("stages")),
                          writtenWhen(orphan.writtenAt)))) {
            orphan.slot.remove();
            continue;
        }
        // The first comes back here, in the window just opened; each other
        // one in a window of its own.
        EditorWindow* into = this;
        if (here) {
            into = new EditorWindow(pictures_);
            into->setAttribute(Qt::WA_DeleteOnClose);
            into->setErrorReporter(reportError_);
            into->show();
        }
        here = true;
        // Its old journal goes only once the window keeps it in its own.
        if (into->takeJournal(j)) orphan.slot.remove();
    }
    return here;
}

bool EditorWindow::takeJournal(const Journal& j) {
    game::Pack pack{{j.name, j.author, j.license, static_cast<int>(j.stages.size())}, j.stages};
    PackDocument doc(std::move(pack), j.folder, false);
    doc.select(j.selected);
    setDocument(std::move(doc));
    // What came back is not saved anywhere yet.
    undo_->resetClean();
    setWindowModified(true);
    if (!journal_) return false;
    if (auto e = journal_->write(j)) {
        setStatusTip(tr("Unsaved work cannot be kept safe: %1").arg(text(e->message)));
        return false;
    }
    return true;
}

}  // namespace workshop
