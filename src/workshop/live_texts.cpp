#include "workshop/live_texts.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>

namespace workshop {

QString LiveTexts::translated(const char* source) const { return QCoreApplication::translate(words_->className(), source); }

void LiveTexts::text(QAction* action, const char* source) {
    add([this, action, source] { action->setText(translated(source)); });
}

void LiveTexts::title(QMenu* menu, const char* source) {
    add([this, menu, source] { menu->setTitle(translated(source)); });
}

void LiveTexts::title(QWidget* window, const char* source) {
    add([this, window, source] { window->setWindowTitle(translated(source)); });
}

bool LiveTexts::event(QEvent* e) {
    if (e->type() != QEvent::LanguageChange) return QObject::event(e);
    for (const Apply& apply : applies_) apply();
    return true;
}

}  // namespace workshop
