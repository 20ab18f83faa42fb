#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <climits>

namespace agentsim {

// Typed, path-aware reading of a JSON object. Every read that finds a wrong type (or a missing required key)
// records one readable error such as "activation_req.act_qr.code: expected a string, got a number"; the caller
// checks ok() once at the end instead of after each field.
class JsonView
{
public:
    enum Need
    {
        Required,
        Optional
    };

    JsonView(const QJsonObject& object, const QString& path, QStringList* errors);

    bool has(const QString& key) const { return m_object.contains(key); }
    JsonView object(const QString& key, Need need = Required) const;
    QJsonArray array(const QString& key, Need need = Required) const;
    QString string(const QString& key, Need need = Required, const QString& fallback = {}) const;
    bool boolean(const QString& key, Need need = Required, bool fallback = false) const;
    // Whole numbers only (3.0 passes, 3.5 does not), within [min, max].
    qint64 integer(const QString& key, Need need = Required, qint64 fallback = 0, qint64 min = INT_MIN,
                   qint64 max = INT_MAX) const;
    double number(const QString& key, Need need = Required, double fallback = 0) const;
    // Records an error for every key outside the allowed set (catches typos in hand-written files).
    void allowOnly(const QStringList& keys) const;
    void fail(const QString& message) const;
    QString pathOf(const QString& key) const;

    const QJsonObject& json() const { return m_object; }
    const QString& path() const { return m_path; }
    bool ok() const { return m_errors->isEmpty(); }

    static QString typeName(const QJsonValue& value);
    static bool isWholeNumber(const QJsonValue& value);

private:
    bool check(const QString& key, Need need, QJsonValue::Type type, const char* expected) const;

    QJsonObject m_object;
    QString m_path;
    QStringList* m_errors;
};

} // namespace agentsim
