// The window's side of its journal (see JournalKeeper): what it holds, and
// the offer, at start, of the work of every workshop that ended without
// saving it. Each window keeps a journal of its own, so that two workshops
// side by side never write, offer or drop each other's work.
#include <QDateTime>
#include <QLocale>
#include <QUndoStack>

#include "qt/languages.h"
#include "workshop/core/journal_store.h"
#include "workshop/editor_window.h"
#include "workshop/journal_keeper.h"
#include "workshop/wording.h"

namespace workshop {
namespace {

QString writtenWhen(std::int64_t seconds) {
    if (seconds <= 0) return QObject::tr("at a time not known");
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(seconds), QLocale::ShortFormat);
}

}  // namespace

void EditorWindow::makeJournal() {
    journal_ = new JournalKeeper(
        undoStack(),
        [this] {
            const PackDocument& doc = document();
            return Journal{doc.info().name, doc.info().author, doc.info().license,
                           doc.folder(),    doc.stages(),      doc.current()};
        },
        this);
    connect(journal_, &JournalKeeper::trouble, this, [this](const QString& why) {
        setStatusTip(tr("Unsaved work cannot be kept safe: %1").arg(why));
    });
}

void EditorWindow::writeJournal() { journal_->write(); }

bool EditorWindow::restoreJournal(const std::function<bool(const QString&)>& ask) {
    if (journal_->folder().empty()) return false;
    bool here = false;
    for (OrphanedJournal& orphan : orphanedJournals(journal_->folder())) {
        if (auto* e = std::get_if<game::FileError>(&orphan.journal)) {
            pack_->tellError(tr("Unsaved work"),
                             tr("Unsaved work of a workshop that ended cannot be read: %1")
                                 .arg(qtfront::phraseText(e->words)));
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
            into->setErrorReporter(pack_->errorReporter());
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
    PackDocument doc(std::move(pack), j.folder, false, formNamed(j.folder));
    doc.select(j.selected);
    // What came back is not saved anywhere yet.
    pack_->adoptUnsaved(std::move(doc));
    setWindowModified(true);
    return journal_->keep(j);
}

}  // namespace workshop
