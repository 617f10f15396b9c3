#include "dialect.h"

namespace engine {

const Dialect &Dialect::sqlite()
{
    static const Dialect d(DriverKind::Sqlite);
    return d;
}

const Dialect &Dialect::firebird()
{
    static const Dialect d(DriverKind::Firebird);
    return d;
}

const Dialect &Dialect::forKind(DriverKind kind)
{
    return kind == DriverKind::Sqlite ? sqlite() : firebird();
}

QString Dialect::qtDriver() const
{
    return m_kind == DriverKind::Sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QIBASE");
}

QString Dialect::currentTimestamp() const
{
    return m_kind == DriverKind::Sqlite ? QStringLiteral("strftime('%Y-%m-%dT%H:%M:%S','now','localtime')")
                                        : QStringLiteral("CURRENT_TIMESTAMP");
}

QString Dialect::selectWithoutTable(const QString &expression) const
{
    return m_kind == DriverKind::Sqlite ? QStringLiteral("select %1").arg(expression)
                                        : QStringLiteral("select %1 from rdb$database").arg(expression);
}

DbErrorKind Dialect::classify(const QSqlError &error) const
{
    const QString code = error.nativeErrorCode();
    const QString text = error.databaseText() + QLatin1Char(' ') + error.driverText();
    if (m_kind == DriverKind::Sqlite) {
        if (code == QLatin1String("1555") || code == QLatin1String("2067") || text.contains(QLatin1String("UNIQUE constraint failed")))
            return DbErrorKind::KeyViolation;
        if (code == QLatin1String("1299") || text.contains(QLatin1String("NOT NULL constraint failed")))
            return DbErrorKind::MissingValue;
    } else {
        if (code == QLatin1String("-803") || text.contains(QLatin1String("violation of PRIMARY or UNIQUE KEY")))
            return DbErrorKind::KeyViolation;
        if (code == QLatin1String("-625") || text.contains(QLatin1String("validation error for column")))
            return DbErrorKind::MissingValue;
        if (code == QLatin1String("-902"))
            return DbErrorKind::Connection;
    }
    // SQLite reports failed statements as connection errors too; the texts above
    // are checked first for that reason.
    if (error.type() == QSqlError::ConnectionError && m_kind == DriverKind::Firebird)
        return DbErrorKind::Connection;
    return DbErrorKind::Other;
}

DbError Dialect::toError(const QSqlError &error, const QString &context) const
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    else if (!error.driverText().isEmpty() && !text.contains(error.driverText()))
        text = error.driverText().trimmed() + QStringLiteral(": ") + text;
    if (!context.isEmpty())
        text = context + QStringLiteral(": ") + text;
    return DbError(classify(error), text, error.nativeErrorCode());
}

QString trimFixedText(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

} // namespace engine
