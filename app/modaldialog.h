#pragma once

#include <QDialog>
#include <functional>

// Runs modal dialogs. Tests install an answerer that decides instead of a person, so no test blocks on exec().
namespace ModalDialog {

int exec(QDialog& dialog);

using Answerer = std::function<int(QDialog&)>;
// An empty answerer restores real modal execution.
void setAnswerer(Answerer answerer);

} // namespace ModalDialog
