#include "mainwindow/secureaccessswitch.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionSlider>

namespace {

class SwitchAccessible : public QAccessibleWidget
{
public:
    explicit SwitchAccessible(SecureAccessSwitch* control) : QAccessibleWidget(control, QAccessible::CheckBox) {}

    QAccessible::State state() const override
    {
        QAccessible::State switchState = QAccessibleWidget::state();
        switchState.checkable = true;
        switchState.checked = control()->isKnown() && control()->isOn();
        switchState.checkStateMixed = !control()->isKnown();
        return switchState;
    }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << toggleAction(); }

    void doAction(const QString& actionName) override
    {
        if (actionName == toggleAction() || actionName == pressAction()) {
            // A disabled switch does not move for anyone.
            if (control()->isEnabled())
                control()->flip();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    SecureAccessSwitch* control() const { return static_cast<SecureAccessSwitch*>(widget()); }
};

QAccessibleInterface* switchFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("SecureAccessSwitch") && object && object->isWidgetType())
        return new SwitchAccessible(static_cast<SecureAccessSwitch*>(object));
    return nullptr;
}

} // namespace

SecureAccessSwitch::SecureAccessSwitch(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(switchFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled)
    stateNews.setSingleShot(true);
    stateNews.setInterval(0);
    connect(&stateNews, &QTimer::timeout, this, &SecureAccessSwitch::tellCheckedState);
}

void SecureAccessSwitch::flip()
{
    triggerAction(isOn() ? SliderSingleStepSub : SliderSingleStepAdd);
}

void SecureAccessSwitch::sliderChange(SliderChange change)
{
    QSlider::sliderChange(change);
    if (change == SliderValueChange)
        stateNews.start();
}

void SecureAccessSwitch::setKnown(bool isKnown)
{
    if (known == isKnown)
        return;
    known = isKnown;
    QAccessible::State changed;
    changed.checkStateMixed = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
    stateNews.start();
}

void SecureAccessSwitch::tellCheckedState()
{
    // The knob is put on the off side while the agent is gone: that is no news of the connection.
    if (!known || isOn() == heardOn)
        return;
    heardOn = isOn();
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void SecureAccessSwitch::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        // A check box leaves these to whoever reads or moves around it.
        event->ignore();
        return;
    default:
        QSlider::keyPressEvent(event);
    }
}

void SecureAccessSwitch::paintEvent(QPaintEvent*)
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    if (tickPosition() != NoTicks)
        option.subControls |= QStyle::SC_SliderTickmarks;
    // A style sheet sees the state of a part only while the part is active: both are, so both take the side's state.
    option.activeSubControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    option.state |= isOn() ? QStyle::State_On : QStyle::State_Off;
    if (isSliderDown())
        option.state |= QStyle::State_Sunken;
    QPainter painter(this);
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
}
