#pragma once

#include <QHash>
#include <QJsonObject>
#include <QRegularExpression>
#include <QString>
#include <array>

// Takes the personal values out of what the support report keeps, before it is kept. Email addresses, user, device
// and enterprise names, IP addresses and subnets become placeholders such as <email-1> or <ip-3>, the same one for
// the same value for as long as the redactor lives, so the helpdesk can follow one address through the report.
// Secrets (passwords, one-time passwords, activation codes, QR payloads) are replaced by <withheld>: not even their
// length is kept.
class Redactor
{
public:
    enum class Kind
    {
        Email,
        User,
        Device,
        Enterprise,
        Ip,
        Subnet,
    };

    Redactor();

    // A name known before any message names it (the login name, the host name): free text loses it too.
    void learn(Kind kind, const QString& value);
    // Text of unknown shape: addresses, subnets and every name learned so far.
    QString text(const QString& text);
    // An agent message or a request: the fields that hold a personal value by their key, every other text as text.
    QJsonObject message(const QJsonObject& message);

    static QString withheld() { return QStringLiteral("<withheld>"); }
    // Changes whenever text() may read the same text otherwise than before: a new name to look for.
    int generation() const { return patternGeneration; }

private:
    QString placeholder(Kind kind, const QString& value);
    void learnFrom(const QJsonValue& value, const QString& parentKey);
    // `path` names an object by its place in the message; empty inside arrays and outside the snapshot, where
    // nothing is remembered.
    QJsonValue redact(const QJsonValue& value, const QString& parentKey, const QString& key, const QString& path);
    void rebuildPattern();

    std::array<QHash<QString, QString>, 6> placeholders;
    // Names to find in free text, lower case, with their placeholders.
    QHash<QString, QString> names;
    QRegularExpression pattern;
    int patternGeneration = 0;
    // The agent sends its snapshot again and again, mostly as it was: the last one learned from, and each of its
    // objects, by its path, as last redacted, so that only what changed is read again.
    QJsonObject learnedSnapshot;
    struct RedactedObject
    {
        QJsonObject from;
        QJsonObject to;
    };
    QHash<QString, RedactedObject> redactedObjects;
};
