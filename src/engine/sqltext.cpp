#include "sqltext.h"

namespace engine::sqltext {

namespace {
bool startsName(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}
bool inName(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}
} // namespace

QString positional(const QString &sql, QStringList *names)
{
    QString out;
    out.reserve(sql.size());
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const qsizetype end = sql.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? n : end + 1;
            out += sql.mid(i, stop - i);
            i = stop - 1;
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < n && sql.at(i + 1) == QLatin1Char('-')) {
            const qsizetype end = sql.indexOf(QLatin1Char('\n'), i);
            const qsizetype stop = end < 0 ? n : end;
            out += sql.mid(i, stop - i);
            i = stop - 1;
            continue;
        }
        if (c == QLatin1Char(':') && i + 1 < n && sql.at(i + 1) == QLatin1Char(':')) {
            out += QStringLiteral("::");
            ++i;
            continue;
        }
        if (c == QLatin1Char(':') && i + 1 < n && startsName(sql.at(i + 1))) {
            qsizetype j = i + 1;
            while (j < n && inName(sql.at(j)))
                ++j;
            if (names)
                *names << sql.mid(i + 1, j - i - 1);
            out += QLatin1Char('?');
            i = j - 1;
            continue;
        }
        out += c;
    }
    return out;
}

QStringList parameters(const QString &sql)
{
    QStringList names;
    positional(sql, &names);
    return names;
}

} // namespace engine::sqltext
