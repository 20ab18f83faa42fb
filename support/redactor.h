#pragma once

#include <QHash>
#include <QJsonObject>
#include <QRegularExpression>
#include <QString>
#include <array>
#include <optional>

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

private:
    QString placeholder(Kind kind, const QString& value);
    // `path` names an object of the snapshot by its place; empty elsewhere, where nothing is remembered.
    // What the value becomes, or nothing when it stays as it came.
    std::optional<QJsonValue> redact(const QJsonValue& value, const QString& parentKey, const QString& key,
                                     const QString& path);
    QString redactedText(const QString& string, const QString& parentKey, const QString& key);
    QString searchedText(const QString& text);
    void rebuildPattern();

    std::array<QHash<QString, QString>, 6> placeholders;
    // Names to find in free text, lower case, with their placeholders.
    QHash<QString, QString> names;
    QRegularExpression pattern;
    // The agent sends its snapshot again and again, mostly as it was: each object of the snapshot by its path as it
    // came and as redacted, and the texts already searched with what they read as. Both are forgotten when a new name
    // is to be found; the texts also when there are many.
    struct SnapshotObject
    {
        QJsonObject from;
        std::optional<QJsonValue> to;
    };
    QHash<QString, SnapshotObject> snapshotObjects;
    QHash<QString, QString> readTexts;
    static constexpr int rememberedTexts = 4096;
    static constexpr int longestRememberedText = 1024;
};
