#include "jsonview.h"

#include <cmath>

namespace agentsim {

JsonView::JsonView(const QJsonObject& object, const QString& path, QStringList* errors)
    : m_object(object), m_path(path), m_errors(errors)
{}

QString JsonView::pathOf(const QString& key) const
{
    return m_path.isEmpty() ? key : m_path + QLatin1Char('.') + key;
}

void JsonView::fail(const QString& message) const
{
    m_errors->append(message);
}

QString JsonView::typeName(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("a boolean");
    case QJsonValue::Double:
        return QStringLiteral("a number");
    case QJsonValue::String:
        return QStringLiteral("a string");
    case QJsonValue::Array:
        return QStringLiteral("an array");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("nothing");
}

bool JsonView::isWholeNumber(const QJsonValue& value)
{
    if (!value.isDouble())
        return false;
    const double d = value.toDouble();
    return std::isfinite(d) && std::trunc(d) == d && std::fabs(d) <= 9007199254740992.0;
}

bool JsonView::check(const QString& key, Need need, QJsonValue::Type type, const char* expected) const
{
    const auto it = m_object.constFind(key);
    if (it == m_object.constEnd()) {
        if (need == Required)
            fail(pathOf(key) + QStringLiteral(": missing"));
        return false;
    }
    if (it->type() != type) {
        fail(QStringLiteral("%1: expected %2, got %3").arg(pathOf(key), QLatin1String(expected), typeName(*it)));
        return false;
    }
    return true;
}

JsonView JsonView::object(const QString& key, Need need) const
{
    if (check(key, need, QJsonValue::Object, "an object"))
        return JsonView(m_object.value(key).toObject(), pathOf(key), m_errors);
    return JsonView(QJsonObject(), pathOf(key), m_errors);
}

QJsonArray JsonView::array(const QString& key, Need need) const
{
    if (check(key, need, QJsonValue::Array, "an array"))
        return m_object.value(key).toArray();
    return {};
}

QString JsonView::string(const QString& key, Need need, const QString& fallback) const
{
    if (check(key, need, QJsonValue::String, "a string"))
        return m_object.value(key).toString();
    return fallback;
}

bool JsonView::boolean(const QString& key, Need need, bool fallback) const
{
    if (check(key, need, QJsonValue::Bool, "a boolean"))
        return m_object.value(key).toBool();
    return fallback;
}

qint64 JsonView::integer(const QString& key, Need need, qint64 fallback, qint64 min, qint64 max) const
{
    if (!check(key, need, QJsonValue::Double, "a whole number"))
        return fallback;
    const QJsonValue value = m_object.value(key);
    if (!isWholeNumber(value)) {
        fail(QStringLiteral("%1: expected a whole number, got %2").arg(pathOf(key)).arg(value.toDouble()));
        return fallback;
    }
    const auto n = qint64(value.toDouble());
    if (n < min || n > max) {
        fail(QStringLiteral("%1: %2 is outside %3..%4").arg(pathOf(key)).arg(n).arg(min).arg(max));
        return fallback;
    }
    return n;
}

double JsonView::number(const QString& key, Need need, double fallback) const
{
    if (check(key, need, QJsonValue::Double, "a number"))
        return m_object.value(key).toDouble();
    return fallback;
}

void JsonView::allowOnly(const QStringList& keys) const
{
    for (auto it = m_object.constBegin(); it != m_object.constEnd(); ++it) {
        if (!keys.contains(it.key()))
            fail(pathOf(it.key()) + QStringLiteral(": unknown key"));
    }
}

} // namespace agentsim
