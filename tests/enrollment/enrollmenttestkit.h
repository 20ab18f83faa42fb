#pragma once

#include "app/brandprofile.h"
#include "tests/support/agentlink.h"
#include "tests/support/testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

// Runs a test under the shipped brand with another enrollment method.
class ActivationTypeScope
{
public:
    explicit ActivationTypeScope(int activationType) : scope(withType(activationType)) {}

private:
    static BrandProfile withType(int activationType)
    {
        BrandProfile profile = brand();
        profile.activationType = activationType;
        return profile;
    }
    ScopedBrandProfile scope;
};

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

inline const QString agentUnavailable = QStringLiteral("Unable to connect with application service");
