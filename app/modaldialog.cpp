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

void open(QDialog* dialog, std::function<void(int result)> onFinished)
{
    centreOnWindow(*dialog);
    if (replacement()) {
        const int result = replacement()(*dialog);
        if (onFinished)
            onFinished(result);
        dialog->deleteLater();
        return;
    }
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, onFinished](int result) {
        if (onFinished)
            onFinished(result);
        dialog->deleteLater();
    });
    dialog->open();
}

void setAnswerer(Answerer answerer)
{
    replacement() = std::move(answerer);
}

} // namespace ModalDialog
