#include "app/modaldialog.h"

namespace ModalDialog {

namespace {
Answerer& replacement()
{
    static Answerer answerer;
    return answerer;
}
} // namespace

int exec(QDialog& dialog)
{
    if (replacement())
        return replacement()(dialog);
    return dialog.exec();
}

void setAnswerer(Answerer answerer)
{
    replacement() = std::move(answerer);
}

} // namespace ModalDialog
