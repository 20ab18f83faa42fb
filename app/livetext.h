#pragma once

class QLabel;

// Labels whose changes a screen reader should speak without the user going there: the status lines. They are exposed
// with the notification role; each real change of their text raises the name-change event it speaks.
namespace LiveText {

// Call before the label is first shown or queried: accessible interfaces are made once per object.
void announceChanges(QLabel* label);

} // namespace LiveText
