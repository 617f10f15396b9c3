#include "sqlitestatement.h"

#include <QDateTime>
#include <QSqlError>
#include <QTime>
#include <sqlite3.h>

#include "dialect.h"

namespace engine {

SqliteStatement::SqliteStatement(sqlite3 *db, const QString &sql)
    : m_db(db)
{
    const QByteArray text = sql.toUtf8();
    const int rc = sqlite3_prepare_v3(m_db, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT, &m_stmt, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        fail(QStringLiteral("Unable to execute statement"));
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_stmt);
}

void SqliteStatement::fail(const QString &driverText) const
{
    const QSqlError error(driverText, QString::fromUtf8(sqlite3_errmsg(m_db)), QSqlError::StatementError,
                          QString::number(sqlite3_extended_errcode(m_db)));
    throw Dialect::sqlite().toError(error);
}

void SqliteStatement::start(const QVariantList &values)
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    if (values.size() != sqlite3_bind_parameter_count(m_stmt))
        throw DbError(DbErrorKind::Other, QStringLiteral("Parameter count mismatch: %1 values for %2 placeholders")
                                              .arg(values.size())
                                              .arg(sqlite3_bind_parameter_count(m_stmt)));
    for (int i = 0; i < values.size(); ++i) {
        const QVariant &v = values.at(i);
        const int slot = i + 1;
        int rc = SQLITE_OK;
        if (v.isNull()) {
            rc = sqlite3_bind_null(m_stmt, slot);
        } else {
            switch (v.typeId()) {
            case QMetaType::Int:
            case QMetaType::Bool:
            case QMetaType::Short:
                rc = sqlite3_bind_int(m_stmt, slot, v.toInt());
                break;
            case QMetaType::UInt:
            case QMetaType::LongLong:
                rc = sqlite3_bind_int64(m_stmt, slot, v.toLongLong());
                break;
            case QMetaType::Double:
                rc = sqlite3_bind_double(m_stmt, slot, v.toDouble());
                break;
            case QMetaType::QByteArray: {
                const QByteArray bytes = v.toByteArray();
                rc = sqlite3_bind_blob(m_stmt, slot, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
                break;
            }
            default: {
                QString text;
                if (v.typeId() == QMetaType::QDateTime)
                    text = v.toDateTime().toString(Qt::ISODateWithMs);
                else if (v.typeId() == QMetaType::QTime)
                    text = v.toTime().toString(QStringLiteral("hh:mm:ss.zzz"));
                else
                    text = v.toString(); // a date as yyyy-MM-dd
                const QByteArray utf8 = text.toUtf8();
                rc = sqlite3_bind_text(m_stmt, slot, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
                break;
            }
            }
        }
        if (rc != SQLITE_OK)
            fail(QStringLiteral("Unable to bind parameters"));
    }
}

bool SqliteStatement::next()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail(QStringLiteral("Unable to fetch row"));
}

QVariant SqliteStatement::value(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, column));
    case SQLITE_NULL:
        return {};
    case SQLITE_BLOB: {
        const void *data = sqlite3_column_blob(m_stmt, column);
        return QByteArray(static_cast<const char *>(data), sqlite3_column_bytes(m_stmt, column));
    }
    default: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
        return QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column));
    }
    }
}

QVariant SqliteStatement::valueAs(int column, FieldType type, const QString &fieldName) const
{
    const int stored = sqlite3_column_type(m_stmt, column);
    if (stored == SQLITE_NULL)
        return {};
    switch (type) {
    case FieldType::String:
    case FieldType::FixedString:
        if (stored == SQLITE_TEXT)
            return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column)),
                                     sqlite3_column_bytes(m_stmt, column));
        break;
    case FieldType::SmallInt:
    case FieldType::Integer:
        if (stored == SQLITE_INTEGER)
            return int(sqlite3_column_int64(m_stmt, column));
        break;
    case FieldType::Float:
        if (stored == SQLITE_FLOAT || stored == SQLITE_INTEGER)
            return sqlite3_column_double(m_stmt, column);
        break;
    case FieldType::Date:
        if (stored == SQLITE_TEXT) {
            const QDate date = storedDate(reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column)),
                                          sqlite3_column_bytes(m_stmt, column));
            if (date.isValid())
                return date;
        }
        break;
    default:
        break;
    }
    return Field::convert(value(column), type, 0, fieldName);
}

void SqliteStatement::finish()
{
    sqlite3_reset(m_stmt);
}

SqliteStatement &SqliteStatements::get(const QString &sql)
{
    auto it = m_statements.find(sql);
    if (it == m_statements.end())
        it = m_statements.insert(sql, std::make_shared<SqliteStatement>(m_db, sql));
    return **it;
}

} // namespace engine
