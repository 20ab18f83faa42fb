#pragma once

#include <QDialog>
#include <functional>

// Shows dialogs without waiting for them. A nested event loop inside an agent message (or a click) would stop every
// later agent message until someone answers, and the window may sit in the tray for hours; so a dialog is opened
// window-modal, the caller goes back to the event loop at once, and the answer arrives through `onFinished`.
// Tests install an answerer that decides at once instead of a person.
namespace ModalDialog {

// Takes the dialog over: it is deleted once answered. `onFinished` gets QDialog::result() (the standard button
// for a message box, Accepted or Rejected for other dialogs); a message box's clickedButton() can still be read
// inside it.
void open(QDialog* dialog, std::function<void(int result)> onFinished = {});

using Answerer = std::function<int(QDialog&)>;
// An empty answerer restores real dialogs.
void setAnswerer(Answerer answerer);

} // namespace ModalDialog
