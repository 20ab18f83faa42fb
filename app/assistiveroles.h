#pragma once

class QStackedWidget;
class QString;
class QWidget;

// What a screen reader should make of widgets whose plain Qt role says nothing: pictures that only decorate, and the
// wait spinner. Marking a widget replaces any accessible interface made for it before.
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
// A picture that matters for what it says rather than how it looks: read as the words of its accessible name, as a
// text is, also among the texts of a section.
void markTextual(QWidget* widget);
// A part of a screen that a screen reader names, under the widget's accessible name, when the keyboard enters it,
// and reads with the texts in it: what the screen is for, where its only control would say only what it does.
void markSection(QWidget* widget);

} // namespace AssistiveRoles
