#include "app/livetext.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {

const char* const liveProperty = "vexauiLiveText";

class LiveTextAccessible : public QAccessibleWidget
{
public:
    explicit LiveTextAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* liveTextFactory(const QString&, QObject* object)
{
    if (auto* label = qobject_cast<QLabel*>(object); label && label->property(liveProperty).toBool())
        return new LiveTextAccessible(label);
    return nullptr;
}

} // namespace

namespace LiveText {

void announceChanges(QLabel* label)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(liveTextFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled)
    label->setProperty(liveProperty, true);
}

} // namespace LiveText
