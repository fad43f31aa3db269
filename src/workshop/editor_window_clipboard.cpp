// Edit ▸ Copy Stage and Paste Stage: a stage passed on as text, through a
// chat, a forum or an e-mail.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

#include "qt/languages.h"
#include "workshop/core/stage_paste.h"
#include "workshop/editor_window.h"
#include "workshop/live_texts.h"
#include "workshop/wording.h"

namespace workshop {

void EditorWindow::makeClipboardCommands(QMenu* edit) {
    edit->addSeparator();
    QAction* copy = liveAction(edit, QT_TR_NOOP("&Copy Stage"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setObjectName(QStringLiteral("copyStage"));
    connect(copy, &QAction::triggered, this, &EditorWindow::copyStage);
    QAction* paste = liveAction(edit, QT_TR_NOOP("&Paste Stage"));
    paste->setShortcut(QKeySequence::Paste);
    paste->setObjectName(QStringLiteral("pasteStage"));
    connect(paste, &QAction::triggered, this, &EditorWindow::pasteStage);
}

void EditorWindow::copyStage() {
    QGuiApplication::clipboard()->setText(text(copiedStageText(stage())));
}

void EditorWindow::pasteStage() {
    const std::string pasted = QGuiApplication::clipboard()->text().toStdString();
    auto read = parsePastedStage(tr("clipboard").toStdString(), pasted);
    if (auto* e = std::get_if<game::FileError>(&read)) {
        pack_->tellError(tr("Cannot Paste the Stage"),
                         tr("The text on the clipboard is no stage, and the stage was left as "
                            "it was:\n%1")
                             .arg(qtfront::phraseText(e->words)));
        return;
    }
    game::StageDesc shown = stage();
    shown.answer = {};
    // The same stage pasted back is no change, its answer kept.
    if (std::get<game::StageDesc>(read) == shown) return;
    pack_->replaceStage(std::get<game::StageDesc>(read),
                        game::phrase(kEditWords, QT_TRANSLATE_NOOP("Edit", "Paste stage")));
}

}  // namespace workshop
