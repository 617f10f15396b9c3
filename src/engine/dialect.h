#pragma once
// The few things in which the two database servers differ: the Qt driver, how
// fixed-width text comes back, the server-timestamp expression, and how an error
// is classified.
#include <QSqlError>
#include <QString>

#include "dberror.h"

namespace engine {

enum class DriverKind { Sqlite, Firebird };

class Dialect
{
public:
    static const Dialect &sqlite();
    static const Dialect &firebird();
    static const Dialect &forKind(DriverKind kind);

    DriverKind kind() const { return m_kind; }
    QString qtDriver() const;
    // Firebird returns CHAR(n) padded with blanks; text read from it is trimmed on the right.
    bool padsFixedText() const { return m_kind == DriverKind::Firebird; }
    // An expression for the server's current timestamp, usable in a SELECT or an UPDATE.
    QString currentTimestamp() const;
    // A SELECT with no table, for example to read the server's time.
    QString selectWithoutTable(const QString &expression) const;
    DbErrorKind classify(const QSqlError &error) const;
    DbError toError(const QSqlError &error, const QString &context = {}) const;

private:
    explicit Dialect(DriverKind kind) : m_kind(kind) {}
    DriverKind m_kind;
};

// Text of a fixed-width column as the program uses it: trailing blanks dropped
// where the server pads them.
QString trimFixedText(const QString &text);

} // namespace engine
