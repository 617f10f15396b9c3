#include "agentcode.h"

#include <QSqlQuery>

#include "engine/connection.h"

namespace data {

QString nextAgentCode(const QStringList &existingCodes)
{
    int greatest = 1000;
    for (const QString &code : existingCodes) {
        const QString digits = code.trimmed();
        if (digits.isEmpty() || digits.size() > 4)
            continue;
        bool allDigits = true;
        for (QChar c : digits)
            allDigits = allDigits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (allDigits)
            greatest = qMax(greatest, digits.toInt());
    }
    if (greatest >= 9999)
        return {};
    return QStringLiteral("%1").arg(greatest + 1, 4, 10, QLatin1Char('0'));
}

QString nextAgentCode(engine::Connection &qalMotor)
{
    QStringList codes;
    QSqlQuery query(qalMotor.database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("select agent from agent")))
        throw qalMotor.dialect().toError(query.lastError());
    while (query.next())
        codes << query.value(0).toString();
    return nextAgentCode(codes);
}

} // namespace data
