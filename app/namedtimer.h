#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

// A single shot owned by `owner` and findable by name, so tests can see it is pending and fire it early
// (timer->start(0)) instead of waiting seconds or minutes. It deletes itself once it has fired.
template <typename Functor>
QTimer* startNamedSingleShot(QObject* owner, int milliseconds, const QString& name, Functor&& onTimeout)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(name);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, owner, std::forward<Functor>(onTimeout));
    QObject::connect(timer, &QTimer::timeout, timer, &QObject::deleteLater);
    timer->start(milliseconds);
    return timer;
}

// Drops the owner's pending single shots of that name without firing them.
inline void cancelNamedSingleShots(QObject* owner, const QString& name)
{
    qDeleteAll(owner->findChildren<QTimer*>(name, Qt::FindDirectChildrenOnly));
}
