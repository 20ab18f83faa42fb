#pragma once

#include <QSlider>
#include <QTimer>

// The Secure Access switch: drawn as a two-position slider, but to assistive technology a checkable control with a
// toggle action, never a 0/1 value to be set. Whoever flips it (mouse, keyboard, screen reader) goes through the same
// step as a key press, so each flip sends the one request; a position the agent reports sends nothing.
// Its groove and knob are drawn in the ":on" or ":off" state of its side, so one style sheet can colour both sides
// and a flip repaints without the style sheet being replaced and re-polished.
class SecureAccessSwitch : public QSlider
{
    Q_OBJECT
public:
    explicit SecureAccessSwitch(QWidget* parent = nullptr);

    bool isOn() const { return sliderPosition() == 1; }
    // While the agent cannot be heard the switch is neither on nor off, whatever side the knob rests on.
    bool isKnown() const { return known; }
    void setKnown(bool known);
    // The user's flip, as a key press makes it.
    void flip();

protected:
    void sliderChange(SliderChange change) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void tellCheckedState();

    // The knob goes back to the agent's side in the same pass as a flip, until the agent confirms: a screen reader
    // hears the state once the pass is over, and only if it differs from what it heard last.
    QTimer stateNews;
    bool heardOn = false;
    bool known = true;
};
