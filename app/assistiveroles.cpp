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
const char* const section = "section";
const char* const textual = "textual";

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
    if (role == section)
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    if (role == textual)
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    return nullptr;
}

void mark(QWidget* widget, const char* role)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(rolesFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled)
    // An interface made for the widget before (a screen reader listening while the form was built) would stay.
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widget)));
    widget->setProperty(roleProperty, QByteArray(role));
}

// A screen is named again each time its purpose may have changed: its interface stays while its role does.
void remark(QWidget* widget, const char* role)
{
    if (widget->property(roleProperty).toByteArray() != role)
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

void markSection(QWidget* widget)
{
    mark(widget, section);
}

void markTextual(QWidget* widget)
{
    mark(widget, textual);
}

} // namespace AssistiveRoles
