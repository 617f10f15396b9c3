#include "numbertext.h"

#include "platform/error.h"

namespace widgets {

namespace {
platform::Error invalidInteger(const QString &text)
{
    return platform::Error(QStringLiteral("'%1' is not a valid integer value").arg(text));
}
} // namespace

qint64 toInteger64(const QString &text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (!ok)
        throw invalidInteger(text);
    return value;
}

int toInteger(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw invalidInteger(text);
    return value;
}

} // namespace widgets
