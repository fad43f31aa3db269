#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace workshop {

// Texts that follow the workshop's language: each is set once when given and
// again whenever the language changes. Lives as a child of the widget whose
// texts it sets, which hands it QEvent::LanguageChange; goes with it.
class LiveTexts : public QObject {
public:
    using Apply = std::function<void()>;
    // Texts marked in `owner`'s class (QT_TR_NOOP there) are translated as its tr() does.
    explicit LiveTexts(QObject* owner) : QObject(owner), words_(owner->metaObject()) {}

    void add(Apply apply) {
        apply();
        applies_.push_back(std::move(apply));
    }
    // The owner's tr() of a marked text, in the language now installed. The
    // actions, menus and windows given must live as long as the owner.
    QString translated(const char* source) const;
    void text(QAction* action, const char* source);
    void title(QMenu* menu, const char* source);
    void title(QWidget* window, const char* source);

protected:
    bool event(QEvent* e) override;

private:
    const QMetaObject* words_;
    std::vector<Apply> applies_;
};

}  // namespace workshop
