#include "app/modaldialog.h"

#include <QWidget>

namespace ModalDialog {

namespace {
Answerer& replacement()
{
    static Answerer answerer;
    return answerer;
}

// Window managers place a dialog of a window that was just shown (the restart prompt shows the window first) at
// their own choice; an explicit position keeps the question over the window that asks it.
void centreOnWindow(QDialog& dialog)
{
    const QWidget* parent = dialog.parentWidget();
    if (!parent || !parent->window()->isVisible())
        return;
    dialog.ensurePolished();
    dialog.adjustSize();
    dialog.move(parent->window()->frameGeometry().center() - dialog.rect().center());
}
} // namespace

int exec(QDialog& dialog)
{
    centreOnWindow(dialog);
    if (replacement())
        return replacement()(dialog);
    return dialog.exec();
}

void setAnswerer(Answerer answerer)
{
    replacement() = std::move(answerer);
}

} // namespace ModalDialog
