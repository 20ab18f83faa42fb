#pragma once

#include "status/statusmodel.h"

#include <QCoreApplication>
#include <QString>

// The words for a state, the same wherever it is shown: the tray's tool tip, the home screen and the notices.
class StatusWords
{
    Q_DECLARE_TR_FUNCTIONS(StatusWords)
public:
    // The state itself: "Secure Access on".
    static QString state(const Status& status);
    // The one detail that matters beside it, or empty: the gateway, the reason for attention.
    static QString detail(const Status& status);
    // State and detail on one line: "Secure Access on · Frankfurt 1".
    static QString summary(const Status& status);
    // Product name above the summary.
    static QString toolTip(const Status& status);
    // What the user can do about it, or empty when nothing.
    static QString nextStep(const Status& status);
};
