#include "app/modaldialog.h"

#include "app/assistiveroles.h"

#include <QLabel>
#include <QMessageBox>
#include <QStringList>
#include <QTextDocument>
#include <QTextDocumentFragment>
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
// Orca reads a box's text with the box only when it finds its labels laid out as the box comes, which a busy machine
// may not have done yet; the box's own name it always reads. So the text is the name, and the labels, which would
// say it again, leave the screen reader's tree.
void nameAfterItsText(QMessageBox& box)
{
    const auto plain = [&box](const QString& text) {
        return box.textFormat() == Qt::PlainText || !Qt::mightBeRichText(text)
                   ? text
                   : QTextDocumentFragment::fromHtml(text).toPlainText();
    };
    QStringList said(plain(box.text()));
    if (!box.informativeText().isEmpty())
        said << plain(box.informativeText());
    box.setAccessibleName(said.join(QLatin1Char(' ')));
    for (const char* label : {"qt_msgbox_label", "qt_msgbox_informativelabel"}) {
        if (auto* shown = box.findChild<QLabel*>(QLatin1String(label)))
            AssistiveRoles::markDecorative(shown);
    }
}

} // namespace

void open(QDialog* dialog, std::function<void(int result)> onFinished)
{
    centreOnWindow(*dialog);
    if (auto* box = qobject_cast<QMessageBox*>(dialog))
        nameAfterItsText(*box);
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
