#include "board_accessible.h"

#include "announcer.h"
#include "cell_area.h"
#include "control_label.h"

#include "rules/ply_stack.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

namespace {

class AreaAccessible;

// One board square (a table cell) or one kind in a hand (a list item). It has no widget of its
// own; the area's interface makes it and says what it holds.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(const AreaAccessible* area, QPoint cell)
        : area_(area)
        , cell_(cell)
    {
    }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface
            ? static_cast<QAccessibleTableCellInterface*>(this)
            : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cell_.x() - 1; }
    int rowIndex() const override { return cell_.y() - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    const AreaAccessible* area_;
    QPoint cell_;
};

// The board (a table) or a hand (a list). Its cells are made once, for every square and every
// kind a hand can hold, and live as long as it does.
class AreaAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit AreaAccessible(CellArea* area)
        : QAccessibleWidget(area, area->IsBoard() ? QAccessible::Table : QAccessible::List)
    {
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y)
                if (area->IsBoard())
                    Add(QPoint(x, y));
        if (!area->IsBoard())
            for (int type = 1; type <= HandTypeCount; ++type)
                Add(QPoint(type, HandRow(area->Side())));
    }

    ~AreaAccessible() override
    {
        for (const Made& made : cells_)
            QAccessible::deleteAccessibleInterface(made.id);
    }

    CellArea* Area() const { return static_cast<CellArea*>(widget()); }

    QAccessibleInterface* child(int index) const override
    {
        const std::vector<QPoint> cells = Area()->Cells();
        if (index < 0 || index >= int(cells.size()))
            return nullptr;
        return Find(cells[size_t(index)]);
    }
    int childCount() const override { return int(Area()->Cells().size()); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        return Area()->hasFocus() ? child(Area()->CursorIndex()) : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && Area()->Name)
            return Area()->Name();
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface && Area()->IsBoard())
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // Where a cell is, on the screen.
    QRect CellRect(QPoint cell) const
    {
        return QRect(
            Area()->mapToGlobal(Area()->CellRect(cell).topLeft()), Area()->CellRect(cell).size());
    }
    bool HasCursor(QPoint cell) const { return Area()->Cursor() == cell; }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return Find(QPoint(column + 1, row + 1));
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    // Columns are files 5 to 1 from the left, rows ranks a to e from the top.
    QString columnDescription(int column) const override { return QString::number(5 - column); }
    QString rowDescription(int row) const override { return QString(QChar('a' + row)); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return BoardSize; }
    int rowCount() const override { return BoardSize; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { }

private:
    struct Made {
        QPoint cell;
        CellAccessible* iface;
        QAccessible::Id id;
    };

    void Add(QPoint cell)
    {
        auto* iface = new CellAccessible(this, cell);
        cells_.push_back({ cell, iface, QAccessible::registerAccessibleInterface(iface) });
    }
    QAccessibleInterface* Find(QPoint cell) const
    {
        for (const Made& made : cells_)
            if (made.cell == cell)
                return made.iface;
        return nullptr;
    }

    std::vector<Made> cells_;
};

bool CellAccessible::isValid() const { return area_->isValid(); }

QWindow* CellAccessible::window() const { return area_->window(); }

QAccessibleInterface* CellAccessible::parent() const { return const_cast<AreaAccessible*>(area_); }

QString CellAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !area_->Area()->CellName)
        return {};
    return area_->Area()->CellName(cell_);
}

QRect CellAccessible::rect() const { return area_->CellRect(cell_); }

QAccessible::Role CellAccessible::role() const
{
    return area_->Area()->IsBoard() ? QAccessible::Cell : QAccessible::ListItem;
}

QAccessible::State CellAccessible::state() const
{
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    state.focused = area_->Area()->hasFocus() && area_->HasCursor(cell_);
    state.active = state.focused;
    return state;
}

// A control label is a button: its caption is its name and pressing it is a press on it.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(ControlLabel* label)
        : QAccessibleWidget(label, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<ControlLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return { pressAction() }; }
    void doAction(const QString& name) override
    {
        if (name == pressAction())
            static_cast<ControlLabel*>(widget())->Press();
    }
};

QAccessibleInterface* MakeInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("CellArea"))
        return new AreaAccessible(static_cast<CellArea*>(object));
    if (className == QLatin1String("ControlLabel"))
        return new LabelAccessible(static_cast<ControlLabel*>(object));
    // Each message the announcer says is a notification.
    if (className == QLatin1String("Notice"))
        return new QAccessibleWidget(static_cast<Notice*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

void InstallBoardAccessibility()
{
    static const bool installed = (QAccessible::installFactory(MakeInterface), true);
    (void)installed;
}
