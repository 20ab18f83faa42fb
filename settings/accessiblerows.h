#pragma once

#include <Qt>

class QAbstractItemView;
class QWidget;

// How the rows of the settings screens meet a screen reader. Marking a widget replaces any accessible interface made
// for it before, so the forms may be built first.
namespace AccessibleRows {

// The item data role under which a row may name its QAccessible::Role, such as a heading among the items it heads;
// a row without one is a list item.
constexpr int AccessibleRoleRole = Qt::UserRole + 0x100;

// What the rows of a list are to a screen reader besides their texts.
enum class RowUse
{
    // Rows to read.
    Read,
    // One row is the choice: the selected one, which moves with the arrow keys; a row's toggle action chooses it.
    // The rows are not check boxes: a screen reader would call each row "checked" as the arrows pass over it.
    Choice,
    // A row does something: its press action is what Return on it does.
    Press,
};

// The view is a list of rows a screen reader can select, each row with its texts (Qt::AccessibleTextRole or
// Qt::DisplayRole, and Qt::AccessibleDescriptionRole), its role (AccessibleRoleRole), its state and its action.
// The row the keyboard is on is told whenever the list takes the focus.
void exposeList(QAbstractItemView* view, RowUse use);

// A control that repeats its row's caption for the mouse, such as the arrow beside it: left out of what a screen
// reader finds, so that the row is read once, by its caption. Its parent must be a plain QWidget.
void hideRepetition(QWidget* control);

} // namespace AccessibleRows
