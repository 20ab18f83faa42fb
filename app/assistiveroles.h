#pragma once

class QWidget;

// What a screen reader should make of widgets whose plain Qt role says nothing: pictures that only decorate, and the
// wait spinner. Call before the widget is first queried: accessible interfaces are made once per object.
namespace AssistiveRoles {

// Kept out of what a screen reader reads: the picture repeats what the words around it say.
void markDecorative(QWidget* widget);
// An animation that says the window is busy, under the widget's accessible name.
void markBusyIndicator(QWidget* widget);

} // namespace AssistiveRoles
