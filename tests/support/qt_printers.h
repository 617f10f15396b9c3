#pragma once
// Lets GoogleTest print Qt values readably in failure messages.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QStringList &list, std::ostream *os)
{
    *os << '[';
    for (qsizetype i = 0; i < list.size(); ++i)
        *os << (i ? ", \"" : "\"") << list[i].toStdString() << '"';
    *os << ']';
}

inline void PrintTo(const QVariant &v, std::ostream *os)
{
    *os << v.typeName() << '(' << v.toString().toStdString() << ')';
}
