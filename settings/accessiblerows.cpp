#include "settings/accessiblerows.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QItemSelectionModel>
#include <QPointer>
#include <algorithm>

using AccessibleRows::RowUse;

namespace {

const char* const rowUseProperty = "vexauiRowUse";
const char* const repetitionProperty = "vexauiRepeatsItsRow";
const char* const holdsRepetitionProperty = "vexauiHoldsRepetitions";

RowUse rowUseOf(const QAbstractItemView* view)
{
    return static_cast<RowUse>(view->property(rowUseProperty).toInt());
}

// Row `row` of the view, whatever the model holds there now: the list drops its rows whenever the rows move.
class RowAccessible : public QAccessibleInterface,
                      public QAccessibleActionInterface,
                      public QAccessibleTableCellInterface
{
public:
    RowAccessible(QAbstractItemView* view, int row) : view(view), row(row) {}

    bool isValid() const override { return view && view->model() && row < view->model()->rowCount(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override
    {
        const QVariant role = index().data(AccessibleRows::AccessibleRoleRole);
        return role.isValid() ? static_cast<QAccessible::Role>(role.toInt()) : QAccessible::ListItem;
    }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name: {
            const QString name = index().data(Qt::AccessibleTextRole).toString();
            return name.isEmpty() ? index().data(Qt::DisplayRole).toString() : name;
        }
        case QAccessible::Description:
            return index().data(Qt::AccessibleDescriptionRole).toString();
        default:
            return {};
        }
    }

    QRect rect() const override
    {
        const QRect area = view->visualRect(index());
        return area.isNull() ? area : area.translated(view->viewport()->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        const QRect shown(view->mapToGlobal(QPoint(0, 0)), view->size());
        state.invisible = !view->isVisible() || !shown.intersects(rect());
        const Qt::ItemFlags flags = index().flags();
        state.disabled = !(flags & Qt::ItemIsEnabled);
        state.selectable = bool(flags & Qt::ItemIsSelectable);
        state.focusable = state.selectable;
        state.selected = isSelected();
        state.focused = view->hasFocus() && view->currentIndex() == index();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override
    {
        const Qt::ItemFlags flags = index().flags();
        if (!(flags & Qt::ItemIsEnabled))
            return {};
        switch (rowUseOf(view)) {
        case RowUse::Choice:
            return flags & Qt::ItemIsSelectable ? QStringList{toggleAction()} : QStringList();
        case RowUse::Press:
            return {pressAction()};
        case RowUse::Read:
            break;
        }
        return {};
    }

    void doAction(const QString& actionName) override
    {
        if (!actionNames().contains(actionName))
            return;
        // As a click on a radio button: the row becomes the one choice, and a chosen row stays chosen.
        if (actionName == toggleAction())
            view->selectionModel()->setCurrentIndex(index(), QItemSelectionModel::ClearAndSelect);
        else
            emit view->activated(index());
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return 0; }
    int rowIndex() const override { return row; }
    bool isSelected() const override { return view->selectionModel()->isSelected(index()); }
    QAccessibleInterface* table() const override { return parent(); }

    bool belongsTo(const QAbstractItemView* list) const { return view == list; }

private:
    QModelIndex index() const { return view->model()->index(row, 0, view->rootIndex()); }

    QPointer<QAbstractItemView> view;
    int row;
};

// One column of rows and nothing else: the view's scroll bars and viewport are how it shows them, not what it holds.
// Selecting is one row at a time, as the keyboard selects.
class ListAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit ListAccessible(QAbstractItemView* view) : QAccessibleWidget(view, QAccessible::List) {}
    ~ListAccessible() override { dropRows(); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return rowCount(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= rowCount())
            return nullptr;
        const auto known = rows.constFind(index);
        if (known != rows.constEnd())
            return QAccessible::accessibleInterface(*known);
        auto* row = new RowAccessible(view(), index);
        rows.insert(index, QAccessible::registerAccessibleInterface(row));
        return row;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* row = dynamic_cast<const RowAccessible*>(child);
        return row && row->belongsTo(view()) ? row->rowIndex() : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QModelIndex index = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? child(index.row()) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override { return column == 0 ? child(row) : nullptr; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override { return view()->model() ? 1 : 0; }
    int rowCount() const override { return view()->model() ? view()->model()->rowCount(view()->rootIndex()) : 0; }

    QList<int> selectedRows() const override
    {
        QList<int> selected;
        for (const QModelIndex& index : view()->selectionModel()->selectedIndexes())
            selected.append(index.row());
        std::sort(selected.begin(), selected.end());
        return selected;
    }
    int selectedRowCount() const override { return selectedRows().size(); }
    int selectedCellCount() const override { return selectedRowCount(); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> cells;
        for (const int row : selectedRows())
            cells.append(child(row));
        return cells;
    }
    bool isRowSelected(int row) const override { return selectedRows().contains(row); }

    bool selectRow(int row) override
    {
        const QModelIndex index = view()->model()->index(row, 0, view()->rootIndex());
        if (!(index.flags() & Qt::ItemIsSelectable) || !(index.flags() & Qt::ItemIsEnabled))
            return false;
        view()->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        return true;
    }
    // The keyboard moves the selection from row to row and never leaves a list without one; nor does this.
    bool unselectRow(int) override { return false; }

    int selectedColumnCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectColumn(int) override { return false; }

    void modelChange(QAccessibleTableModelChangeEvent* event) override
    {
        if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged) {
            dropRows();
            return;
        }
        // A row's name is what it shows, so a row that shows something else (a copy confirmed) is heard again.
        for (int row = event->firstRow(); row <= event->lastRow(); ++row) {
            if (!rows.contains(row))
                continue;
            QAccessibleEvent renamed(view(), QAccessible::NameChanged);
            renamed.setChild(row);
            QAccessible::updateAccessibility(&renamed);
        }
    }

private:
    QAbstractItemView* view() const { return static_cast<QAbstractItemView*>(widget()); }

    void dropRows()
    {
        for (const QAccessible::Id id : qAsConst(rows))
            QAccessible::deleteAccessibleInterface(id);
        rows.clear();
    }

    mutable QHash<int, QAccessible::Id> rows;
};

// Named as its row is but hidden and without an action: the row's caption is the one a screen reader reads.
class RepetitionAccessible : public QAccessibleWidget
{
public:
    explicit RepetitionAccessible(QWidget* control) : QAccessibleWidget(control, QAccessible::Button) {}

    QAccessible::State state() const override
    {
        QAccessible::State hidden = QAccessibleWidget::state();
        hidden.invisible = true;
        hidden.focusable = false;
        return hidden;
    }

    QStringList actionNames() const override { return {}; }
};

// A row's container without the controls that repeat its rows: a screen reader walking the page would find each of
// them, hidden or not, and read the row a second time by it.
class ContainerAccessible : public QAccessibleWidget
{
public:
    explicit ContainerAccessible(QWidget* container) : QAccessibleWidget(container) {}

    int childCount() const override { return shownChildren().size(); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = shownChildren();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children.at(index))
                                                     : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() ? shownChildren().indexOf(qobject_cast<QWidget*>(child->object())) : -1;
    }

private:
    QList<QWidget*> shownChildren() const
    {
        QList<QWidget*> children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && !child->isWindow() && !child->property(repetitionProperty).toBool())
                children.append(child);
        }
        return children;
    }
};

QAccessibleInterface* rowsFactory(const QString& className, QObject* object)
{
    if (auto* view = qobject_cast<QAbstractItemView*>(object); view && view->property(rowUseProperty).isValid())
        return new ListAccessible(view);
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (widget->property(repetitionProperty).toBool())
        return new RepetitionAccessible(widget);
    if (className == QLatin1String("QWidget") && widget->property(holdsRepetitionProperty).toBool())
        return new ContainerAccessible(widget);
    return nullptr;
}

// Taking the focus, a view tells of its current row first (as the row becomes current) and of itself after that: a
// screen reader would be left on the list, and the first arrow key would take the user past a row never heard. The
// row is told once more when the view has the focus.
class CurrentRowTeller : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            auto* view = static_cast<QAbstractItemView*>(watched);
            QMetaObject::invokeMethod(
                view,
                [view] {
                    const QModelIndex current = view->currentIndex();
                    if (!view->hasFocus() || !current.isValid())
                        return;
                    QAccessibleEvent focus(view, QAccessible::Focus);
                    focus.setChild(current.row());
                    QAccessible::updateAccessibility(&focus);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

void mark(QObject* object, const char* property, const QVariant& value)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(rowsFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled)
    // With a screen reader listening, building the form already raised events for the object (its name set, its
    // model reset), and the interface made for them would stay for good: it goes, and the next one is made here.
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(object)));
    object->setProperty(property, value);
}

} // namespace

namespace AccessibleRows {

void exposeList(QAbstractItemView* view, RowUse use)
{
    mark(view, rowUseProperty, static_cast<int>(use));
    view->installEventFilter(new CurrentRowTeller(view));
}

void hideRepetition(QWidget* control)
{
    mark(control, repetitionProperty, true);
    mark(control->parentWidget(), holdsRepetitionProperty, true);
}

} // namespace AccessibleRows
