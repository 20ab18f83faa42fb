#include "app/assistiveroles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStackedWidget>
#include <QString>
#include <QWidget>

namespace {

const char* const roleProperty = "vexauiAssistiveRole";
const char* const decorative = "decorative";
const char* const busy = "busy";
const char* const namedScreen = "screen";
const char* const arrangement = "arrangement";

class DecorationAccessible : public QAccessibleWidget
{
public:
    explicit DecorationAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Graphic) {}

    QAccessible::State state() const override
    {
        QAccessible::State hidden = QAccessibleWidget::state();
        hidden.invisible = true;
        hidden.focusable = false;
        return hidden;
    }
};

class BusyAccessible : public QAccessibleWidget
{
public:
    explicit BusyAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Animation) {}

    QAccessible::State state() const override
    {
        QAccessible::State waiting = QAccessibleWidget::state();
        waiting.busy = true;
        return waiting;
    }
};

// Qt's own role for a plain widget is a filler, which a screen reader passes over in silence; a named panel it reads.
class ScreenAccessible : public QAccessibleWidget
{
public:
    explicit ScreenAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Grouping) {}
};

// A filler is what a screen reader passes over. Its children are the stack's screens in their order, as Qt's own
// stack has them.
class ArrangementAccessible : public QAccessibleWidget
{
public:
    explicit ArrangementAccessible(QStackedWidget* stack) : QAccessibleWidget(stack, QAccessible::Client) {}

    int childCount() const override { return stack()->count(); }
    QAccessibleInterface* child(int index) const override
    {
        QWidget* screen = stack()->widget(index);
        return screen ? QAccessible::queryAccessibleInterface(screen) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? stack()->indexOf(qobject_cast<QWidget*>(child->object())) : -1;
    }

private:
    QStackedWidget* stack() const { return static_cast<QStackedWidget*>(widget()); }
};

QAccessibleInterface* rolesFactory(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const QByteArray role = object->property(roleProperty).toByteArray();
    if (role == decorative)
        return new DecorationAccessible(static_cast<QWidget*>(object));
    if (role == busy)
        return new BusyAccessible(static_cast<QWidget*>(object));
    if (role == namedScreen)
        return new ScreenAccessible(static_cast<QWidget*>(object));
    if (role == arrangement)
        return new ArrangementAccessible(static_cast<QStackedWidget*>(object));
    return nullptr;
}

void mark(QWidget* widget, const char* role)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(rolesFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled)
    widget->setProperty(roleProperty, QByteArray(role));
}

// With a screen reader listening, building a form raises events about its widgets, and the interfaces made for them
// would stay for good: the widget's goes, and the next one is made for its new role.
void remark(QWidget* widget, const char* role)
{
    if (widget->property(roleProperty).toByteArray() == role)
        return;
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widget)));
    mark(widget, role);
}

} // namespace

namespace AssistiveRoles {

void markDecorative(QWidget* widget)
{
    mark(widget, decorative);
}

void markBusyIndicator(QWidget* widget)
{
    mark(widget, busy);
}

void nameScreen(QWidget* screen, const QString& purpose)
{
    remark(screen, namedScreen);
    if (screen->accessibleName() != purpose)
        screen->setAccessibleName(purpose);
}

void markArrangement(QStackedWidget* stack)
{
    remark(stack, arrangement);
}

} // namespace AssistiveRoles
