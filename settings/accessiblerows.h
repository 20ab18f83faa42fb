#pragma once

class QAbstractItemView;
class QWidget;

// How the rows of the settings screens meet a screen reader. Marking a widget replaces any accessible interface made
// for it before, so the forms may be built first.
namespace AccessibleRows {

// What the rows of a list are to a screen reader besides their texts.
enum class RowUse
{
    // Rows to read.
    Read,
    // One row is the choice, as among radio buttons: it is checked, and a row's toggle action chooses it.
    Choice,
    // A row does something: its press action is what Return on it does.
    Press,
};

// The view is a list of rows a screen reader can select, each row with its texts (Qt::AccessibleTextRole or
// Qt::DisplayRole, and Qt::AccessibleDescriptionRole), its state and its action.
void exposeList(QAbstractItemView* view, RowUse use);

// A control that repeats its row's caption for the mouse, such as the arrow beside it: kept out of what a screen
// reader reads, so that the row is read once, by its caption.
void hideRepetition(QWidget* control);

} // namespace AccessibleRows
