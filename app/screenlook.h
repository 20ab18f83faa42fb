#pragma once

class QAbstractButton;
class QIcon;
class QLabel;
class QString;
class QPixmap;
class QSize;
class QWidget;

// How every screen draws what the style sheets cannot express.
namespace ScreenLook {

// Shows the image as large as fits the box without distorting it, centred in the label.
void showFitted(QLabel* label, const QPixmap& image, const QSize& box);

// A style sheet's text colour also paints placeholders, so an empty field looked filled; this keeps them lighter
// in every text field of the screen, also after the style sheet is applied again.
void lightenPlaceholders(QWidget* screen);

// Escape presses the screen's back button while it is shown and usable. Escape travels up from the focused control,
// so in a sub-screen inside a screen the innermost back button answers.
void escapeGoesBack(QWidget* screen, QAbstractButton* back);

// Puts the keyboard focus into `field` each time `screen` comes into view.
void focusOnShow(QWidget* screen, QWidget* field);

// Draws a ring around whichever control of the window has the keyboard focus while the keyboard is in use: the
// screens' style sheets take the borders off buttons, and with them the style's own focus cue.
void showKeyboardFocus(QWidget* window);
// Tests: how long after the last key a focus change still counts as the keyboard's (1.5 s).
void setKeyboardFollowUpMs(int milliseconds);

// Return and Enter press the focused button of the window, as Space does: outside dialogs Qt buttons ignore them.
void returnPressesButtons(QWidget* window);

// A mark on a button (the findings' red dot) and the words a screen reader gives for it on `told`; each is set only
// when it changes, since every listing of the findings passes here.
void showMark(QAbstractButton* button, const QIcon& icon, QWidget* told, const QString& words);

// Message boxes and tray balloons are outside every screen's style sheet: they take the bundled font from here.
void useBundledFont();

} // namespace ScreenLook
