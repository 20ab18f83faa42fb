#pragma once

#include "tests/support/agentlink.h"
#include "tests/support/testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

template <typename T = QWidget> T* child(const QObject* screen, const char* name)
{
    return screen->findChild<T*>(QString::fromLatin1(name));
}

inline QString labelText(const QObject* screen, const char* name)
{
    return child<QLabel>(screen, name)->text();
}

inline QTimer* directTimer(const QObject* owner, const char* name)
{
    return owner->findChild<QTimer*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

inline const QString agentUnavailable = QStringLiteral("Unable to connect to the application service");
// The enrollment screens name the brand's service; the tests' brand unless they choose another.
inline const QString firstRunUnavailable = QStringLiteral("Unable to connect to the Novalume service");
