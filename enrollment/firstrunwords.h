#pragma once

#include <QCoreApplication>
#include <QString>

// The enrollment screens speak to someone who has just installed the program and has not met "the application
// service" yet: they name the brand's service instead ("the Novalume service").
class FirstRunWords
{
    Q_DECLARE_TR_FUNCTIONS(FirstRunWords)
public:
    static QString serviceUnreachable();
    // The agent stayed silent past the answer deadline.
    static QString serviceSilent();
    static QString codeUnavailable();
};
