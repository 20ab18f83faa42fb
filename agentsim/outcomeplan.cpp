#include "outcomeplan.h"

#include "jsonview.h"

#include <QJsonArray>

namespace agentsim {

const QStringList& OutcomePlan::kinds()
{
    static const QStringList list = {
        QStringLiteral("activate"),   QStringLiteral("status"), QStringLiteral("deactivate"),
        QStringLiteral("register"),   QStringLiteral("verify"), QStringLiteral("signout"),
        QStringLiteral("feedback"),   QStringLiteral("pags"),   QStringLiteral("pref"),
        QStringLiteral("violations"), QStringLiteral("peers"),
    };
    return list;
}

bool OutcomePlan::load(const QJsonObject& outcomes, QStringList* errors)
{
    const int errorsBefore = errors->size();
    JsonView in(outcomes, QStringLiteral("outcomes"), errors);
    in.allowOnly(kinds());
    QHash<QString, QList<int>> planned;
    for (const QString& kind : kinds()) {
        const QJsonArray codes = in.array(kind, JsonView::Optional);
        for (int i = 0; i < codes.size(); ++i) {
            if (!JsonView::isWholeNumber(codes.at(i)) || codes.at(i).toInt(-1) < 0) {
                errors->append(QStringLiteral("outcomes.%1[%2]: expected an outcome code").arg(kind).arg(i));
                continue;
            }
            planned[kind].append(codes.at(i).toInt());
        }
    }
    if (errors->size() != errorsBefore)
        return false;
    m_planned = planned;
    return true;
}

std::optional<int> OutcomePlan::takeForced(const QString& kind)
{
    const auto it = m_forced.find(kind);
    if (it == m_forced.end())
        return std::nullopt;
    const int code = it.value();
    m_forced.erase(it);
    return code;
}

std::optional<int> OutcomePlan::takePlanned(const QString& kind)
{
    QList<int>& codes = m_planned[kind];
    if (codes.isEmpty())
        return std::nullopt;
    return codes.size() > 1 ? codes.takeFirst() : codes.first();
}

} // namespace agentsim
