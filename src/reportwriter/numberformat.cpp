#include "reportwriter/numberformat.h"

#include "engine/numberformat.h"
#include "platform/dateformat.h"

#include <QDate>
#include <QDateTime>

namespace reportwriter {

QString formatNumber(double value, const QString &mask)
{
    return engine::NumberFormat::format(value, mask);
}

QString formatValue(const QVariant &value, const QString &mask)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::QDate:
        return platform::DateFormat::toText(value.toDate());
    case QMetaType::QDateTime:
        return platform::DateFormat::toText(value.toDateTime().date());
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return formatNumber(value.toDouble(), mask);
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return value.toString();
    }
}

} // namespace reportwriter
