#pragma once

#include "support/nametrie.h"

#include <QHash>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// Takes the personal values out of what a support report holds, when the report is written. Email addresses, user,
// device and enterprise names, IP addresses and subnets become placeholders such as <email-1> or <ip-3>, the same
// one for the same value for as long as the redactor lives, so the helpdesk can follow one address through the
// report. Secrets (passwords, one-time passwords, activation codes, QR payloads) are replaced by <withheld>: not even
// their length is kept. The names to find in free text are learned first, from every message the report holds, so a
// text that named someone before the field that says who it is loses the name too.
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

    // A name known before any message names it (the login name, the host name): free text loses it too.
    void learn(Kind kind, const QString& value);
    // The names a message or request holds in the fields that say whose or which they are.
    void learnFrom(const QJsonObject& message);
    // Text of unknown shape: addresses, subnets, profile folders, certificate subjects and every name learned.
    QString text(const QString& text);
    // An agent message or a request: the fields that hold a personal value by their key, every other text as text.
    QJsonObject message(const QJsonObject& message);

    static QString withheld() { return QStringLiteral("<withheld>"); }
    static bool isSecret(const QString& key);
    // A name that is also an ordinary word is replaced only where it stands as a value, not in sentences.
    static bool isOrdinaryWord(const QString& name);
    // The object with every secret replaced by <withheld>, or nothing when it held none.
    static std::optional<QJsonObject> withoutSecrets(const QJsonObject& object);

private:
    QString placeholder(Kind kind, const QString& value);
    void learnFrom(const QJsonValue& value, const QString& parentKey, const QString& key);
    // What the value becomes, or nothing when it stays as it came.
    std::optional<QJsonValue> redact(const QJsonValue& value, const QString& parentKey, const QString& key);
    QString redactedText(const QString& string, const QString& parentKey, const QString& key);
    QString searchedText(const QString& text, bool addresses);
    QString withoutPatterns(const QString& text, bool addresses);
    QString withoutNames(const QString& text) const;

    std::array<QHash<QString, QString>, 6> placeholders;
    // Names to find in free text, with their placeholders by the trie's id.
    NameTrie names;
    QStringList namePlaceholders;
    QHash<QString, QString> readTexts;
};
