#include "app/assistiveroles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

const char* const roleProperty = "vexauiAssistiveRole";
const char* const decorative = "decorative";
const char* const busy = "busy";
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

QAccessibleInterface* rolesFactory(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const QByteArray role = object->property(roleProperty).toByteArray();
    if (role == decorative)
        return new DecorationAccessible(static_cast<QWidget*>(object));
    if (role == busy)
        return new BusyAccessible(static_cast<QWidget*>(object));
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

void markSection(QWidget* widget)
{
    mark(widget, section);
}

void markTextual(QWidget* widget)
{
    mark(widget, textual);
}

} // namespace AssistiveRoles
