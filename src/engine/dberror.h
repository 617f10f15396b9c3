#pragma once
// An error raised by the database engine: the engine's own text (with the name of
// the database where it matters) and what kind of failure it was.
#include "platform/error.h"

namespace engine {

enum class DbErrorKind { Connection, KeyViolation, MissingValue, Other };

class DbError : public platform::Error
{
public:
    DbError(DbErrorKind kind, const QString &message, const QString &nativeCode = {})
        : platform::Error(message), m_kind(kind), m_nativeCode(nativeCode)
    {
    }
    DbErrorKind kind() const { return m_kind; }
    const QString &nativeCode() const { return m_nativeCode; }

private:
    DbErrorKind m_kind;
    QString m_nativeCode;
};

} // namespace engine
