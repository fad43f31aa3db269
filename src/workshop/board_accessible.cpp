#include "workshop/board_accessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QWindow>
#include <array>
#include <memory>

#include "game/cells.h"
#include "workshop/board_view.h"
#include "workshop/core/editing.h"

namespace workshop {
namespace {

constexpr int kSide = game::kBoardSide;
constexpr int kCell = BoardView::kCellPixels;

// The cell kinds as a screen reader says them, in the cell table's order.
constexpr const char* kSpokenKinds[] = {
    QT_TRANSLATE_NOOP("workshop::BoardAccessible", "empty"),
    QT_TRANSLATE_NOOP("workshop::BoardAccessible", "sand"),
    QT_TRANSLATE_NOOP("workshop::BoardAccessible", "block"),
    QT_TRANSLATE_NOOP("workshop::BoardAccessible", "water"),
    QT_TRANSLATE_NOOP("workshop::BoardAccessible", "wall"),
};

// The same words as the game's cell table, in lower case.
constexpr bool sameWord(std::string_view spoken, std::string_view name) {
    if (spoken.size() != name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char n =
            name[i] >= 'A' && name[i] <= 'Z' ? static_cast<char>(name[i] - 'A' + 'a') : name[i];
        if (spoken[i] != n) return false;
    }
    return true;
}
static_assert([] {
    if (std::size(kSpokenKinds) != game::kCellKinds.size()) return false;
    for (std::size_t i = 0; i < game::kCellKinds.size(); ++i)
        if (!sameWord(kSpokenKinds[i], game::kCellKinds[i].name)) return false;
    return true;
}());

QString translated(const char* text) {
    return QCoreApplication::translate("workshop::BoardAccessible", text);
}

bool onBoard(int c, int r) { return c >= 1 && c <= kSide && r >= 1 && r <= kSide; }

// One cell of the board. It holds no kind of its own: everything it says is
// read from the view at the moment it is asked, so it never goes stale, and
// once the view is gone it is invalid and says nothing.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(BoardView* view, int c, int r) : view_(view), col_(c), row_(r) {}

    bool isValid() const override { return !view_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return view_ ? QAccessible::queryAccessibleInterface(view_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !view_) return {};
        return cellSpoken(view_->stage(), col_, row_);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!view_) return {};
        return QRect(view_->mapToGlobal(QPoint((col_ - 1) * kCell, (row_ - 1) * kCell)),
                     QSize(kCell, kCell));
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!view_) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.focused =
            view_->hasFocus() && view_->cursorColumn() == col_ && view_->cursorRow() == row_;
        s.invisible = !view_->isVisible();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return col_ - 1; }
    int rowIndex() const override { return row_ - 1; }
    bool isSelected() const override { return false; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<BoardView> view_;
    int col_;
    int row_;
};

}  // namespace

// The board as a table of 9 rows and 9 columns. The cells are made when first
// asked for and registered with Qt, which hands their ids to screen readers;
// they go with the board's interface, which Qt drops when the view goes, so
// no reader is ever handed a cell of a board that is gone.
class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
    Q_DECLARE_TR_FUNCTIONS(workshop::BoardAccessible)
public:
    explicit BoardAccessible(BoardView* view) : QAccessibleWidget(view, QAccessible::Table) {}
    ~BoardAccessible() override {
        for (QAccessible::Id id : cells_)
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
    BoardAccessible(const BoardAccessible&) = delete;
    BoardAccessible& operator=(const BoardAccessible&) = delete;

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    int childCount() const override { return game::kBoardCells; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= game::kBoardCells || view() == nullptr) return nullptr;
        QAccessible::Id& id = cells_[static_cast<std::size_t>(index)];
        if (id == 0) {
            // Qt owns a registered interface until it is deleted by its id.
            auto cell =
                std::make_unique<CellAccessible>(view(), index % kSide + 1, index / kSide + 1);
            id = QAccessible::registerAccessibleInterface(cell.release());
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) return -1;
        for (std::size_t i = 0; i < cells_.size(); ++i)
            if (cells_[i] != 0 && QAccessible::accessibleInterface(cells_[i]) == child)
                return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (view() == nullptr) return nullptr;
        const QPoint at = view()->mapFromGlobal(QPoint(x, y));
        if (!view()->rect().contains(at)) return nullptr;
        return cellAt(at.y() / kCell, at.x() / kCell);
    }
    QAccessibleInterface* focusChild() const override {
        if (view() == nullptr || !view()->hasFocus()) return nullptr;
        return cellAt(view()->cursorRow() - 1, view()->cursorColumn() - 1);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description && view() != nullptr && !view()->announcement().isEmpty())
            return view()->announcement();
        return QAccessibleWidget::text(t);
    }

    QAccessibleInterface* cellAt(int row, int column) const override {
        if (!onBoard(column + 1, row + 1)) return nullptr;  // (-1, -1): no current cell
        return child(game::boardIndex(column + 1, row + 1));
    }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int column) const override { return tr("column %1").arg(column + 1); }
    QString rowDescription(int row) const override { return tr("row %1").arg(row + 1); }
    int columnCount() const override { return kSide; }
    int rowCount() const override { return kSide; }
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    BoardView* view() const { return qobject_cast<BoardView*>(widget()); }

    mutable std::array<QAccessible::Id, game::kBoardCells> cells_{};
};

namespace {

// Qt takes the interface a factory makes and deletes it with the view.
QAccessibleInterface* boardFactory(const QString&, QObject* object) {
    if (auto* view = qobject_cast<BoardView*>(object)) return new BoardAccessible(view);
    return nullptr;
}

}  // namespace

void installBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&boardFactory);
        return true;
    }();
    (void)installed;
}

QString cellSpoken(const game::StageDesc& stage, int c, int r) {
    if (!onBoard(c, r)) return {};
    QString what = translated(kSpokenKinds[static_cast<std::size_t>(stage.at(c, r))]);
    if (stage.startCol == c && stage.startRow == r)
        what = BoardAccessible::tr("%1, start").arg(what);
    return BoardAccessible::tr("column %1, row %2: %3").arg(c).arg(r).arg(what);
}

}  // namespace workshop
