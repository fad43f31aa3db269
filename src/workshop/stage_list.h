#pragma once

#include <QWidget>
#include <array>

#include "game/pack.h"

class QLineEdit;
class QListWidget;
class QAction;
class QGridLayout;
class QVBoxLayout;

namespace qtfront {
class PictureLibrary;
}

namespace workshop {

class LiveTexts;

class PackDocument;

// The pack's dock: its name, author and licence, and its stages as small
// pictures, "Stage 1" to "Stage N", dragged to reorder. It only shows and
// tells: every change goes through the window, as an undo step.
class StageList : public QWidget {
    Q_OBJECT
public:
    StageList(qtfront::PictureLibrary& pictures, QWidget* parent = nullptr);

    // The whole pack afresh, after the list itself changed.
    void showPack(const PackDocument& doc);
    // One stage's picture after an edit, and which stage is shown.
    void showStage(const PackDocument& doc, int index);
    void showInfo(const game::PackInfo& info);

    QListWidget* list() const { return list_; }
    // A button under the list for one of the window's pack commands. The
    // buttons stand in rows of two, so the longer words of other languages
    // still show whole in a narrow list.
    void addButton(QAction* action);

signals:
    void selected(int index);
    void moved(int from, int to);
    // The name, author or licence as typed, with the rest as it was.
    void infoEdited(const game::PackInfo& info);

private:
    void makeInfoFields(QVBoxLayout* layout);
    void select(int index);
    void editFinished();

    qtfront::PictureLibrary& pictures_;
    QListWidget* list_ = nullptr;
    QGridLayout* buttons_ = nullptr;
    std::array<QLineEdit*, 3> fields_{};
    game::PackInfo shown_;
    LiveTexts* texts_ = nullptr;
};

}  // namespace workshop
