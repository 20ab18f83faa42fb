#pragma once

class QStackedWidget;
class QString;
class QWidget;

// What a screen reader should make of widgets whose plain Qt role says nothing: pictures that only decorate, and the
// wait spinner. Call before the widget is first queried: accessible interfaces are made once per object.
namespace AssistiveRoles {

// Kept out of what a screen reader reads: the picture repeats what the words around it say.
void markDecorative(QWidget* widget);
// An animation that says the window is busy, under the widget's accessible name.
void markBusyIndicator(QWidget* widget);
// A screen of the window, named after what it is for. A screen reader tells that name when the keyboard comes into
// the screen, with the control it lands on, as one utterance: an announcement of its own would be cut short by the
// focus change, or cut it short.
void nameScreen(QWidget* screen, const QString& purpose);
// A stack of screens arranges them and means nothing of its own: without this, Orca says "layered pane" whenever
// the keyboard comes into one of its screens.
void markArrangement(QStackedWidget* stack);

} // namespace AssistiveRoles
