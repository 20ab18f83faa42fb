#include "mainwindow/secureaccessswitch.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class SwitchAccessible : public QAccessibleWidget
{
public:
    explicit SwitchAccessible(SecureAccessSwitch* control) : QAccessibleWidget(control, QAccessible::CheckBox) {}

    QAccessible::State state() const override
    {
        QAccessible::State switchState = QAccessibleWidget::state();
        switchState.checkable = true;
        switchState.checked = control()->isOn();
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
}

void SecureAccessSwitch::flip()
{
    triggerAction(isOn() ? SliderSingleStepSub : SliderSingleStepAdd);
}

void SecureAccessSwitch::sliderChange(SliderChange change)
{
    QSlider::sliderChange(change);
    if (change != SliderValueChange)
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}
