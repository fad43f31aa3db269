#pragma once

#include <QMenu>
#include <QString>

class QActionGroup;

namespace workshop {

// The language the workshop speaks: the one chosen in its Language menu last
// time, or the system's. Installs its catalogues; after the application is made.
void useStartingLanguage();

// The workshop's Language menu: the system's language, then each language it
// carries, named in its own words. A choice turns every open window over at
// once (each retranslates on QEvent::LanguageChange) and is remembered.
class LanguageMenu : public QMenu {
    Q_OBJECT
public:
    explicit LanguageMenu(QWidget* parent = nullptr);

    // Chooses as a click on the entry for `code` does; empty for the system's.
    void choose(const QString& code);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QActionGroup* entries_ = nullptr;
    QAction* system_ = nullptr;
};

}  // namespace workshop
