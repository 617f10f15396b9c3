#include "field.h"

#include <QRegularExpression>

#include "dataset.h"
#include "numberformat.h"
#include "platform/dateformat.h"
#include "platform/error.h"

namespace engine {

Field::Field(Dataset *dataset, int index, const FieldDef &def)
    : m_dataset(dataset), m_index(index), m_def(def)
{
}

int Field::displayWidth() const
{
    if (m_def.displayWidth > 0)
        return m_def.displayWidth;
    switch (m_def.type) {
    case FieldType::String:
    case FieldType::FixedString:
        return m_def.size > 0 ? m_def.size : 20;
    case FieldType::DateTime:
        return 18;
    default:
        return 10;
    }
}

QVariant Field::value() const
{
    return m_dataset->rawValue(m_index);
}

QString Field::asString() const
{
    const QVariant v = value();
    if (v.isNull())
        return {};
    switch (m_def.type) {
    case FieldType::Float:
        return NumberFormat::general(v.toDouble());
    case FieldType::Date:
        return platform::DateFormat::toText(v.toDate());
    case FieldType::DateTime: {
        const QDateTime dt = v.toDateTime();
        return platform::DateFormat::toText(dt.date()) + QLatin1Char(' ') + dt.time().toString(QStringLiteral("HH:mm:ss"));
    }
    case FieldType::Boolean:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return v.toString();
    }
}

double Field::asFloat() const
{
    const QVariant v = value();
    return v.isNull() ? 0.0 : v.toDouble();
}

int Field::asInteger() const
{
    const QVariant v = value();
    return v.isNull() ? 0 : v.toInt();
}

QDate Field::asDate() const
{
    const QVariant v = value();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    return v.toDate();
}

QDateTime Field::asDateTime() const
{
    const QVariant v = value();
    if (v.typeId() == QMetaType::QDate)
        return QDateTime(v.toDate(), QTime(0, 0));
    return v.toDateTime();
}

bool Field::asBoolean() const
{
    return value().toBool();
}

QString Field::displayText() const
{
    const QVariant v = value();
    if (v.isNull())
        return {};
    if ((m_def.type == FieldType::Float || m_def.type == FieldType::Integer || m_def.type == FieldType::SmallInt)
        && !m_def.displayFormat.isEmpty())
        return NumberFormat::format(v.toDouble(), m_def.displayFormat);
    return asString();
}

void Field::setValue(const QVariant &value)
{
    m_dataset->setRawValue(this, value);
}

namespace {

[[noreturn]] void notValid(const QVariant &value, const char *what, const QString &fieldName)
{
    throw platform::Error(QStringLiteral("'%1' is not a valid %2 value for field '%3'")
                              .arg(value.toString(), QLatin1String(what), fieldName));
}

QDate isoDate(const QString &text)
{
    return storedDate(text.utf16(), text.size());
}

QDate dateFromText(const QString &text)
{
    QDate d = isoDate(text);
    if (d.isValid())
        return d;
    d = QDate::fromString(text.left(10), Qt::ISODate);
    if (!d.isValid())
        platform::DateFormat::tryFromText(text, &d);
    return d;
}

QDateTime dateTimeFromText(const QString &text)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(' '), QLatin1Char('T'));
    QDateTime dt = QDateTime::fromString(t, Qt::ISODateWithMs);
    if (!dt.isValid())
        dt = QDateTime::fromString(t, Qt::ISODate);
    if (!dt.isValid()) {
        const QDate d = dateFromText(text);
        if (d.isValid())
            dt = QDateTime(d, QTime(0, 0));
    }
    return dt;
}

bool isText(const QVariant &v)
{
    return v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QByteArray;
}

} // namespace

QVariant Field::convert(const QVariant &value, FieldType type, int size, const QString &fieldName)
{
    if (value.isNull() || !value.isValid())
        return {};
    switch (type) {
    case FieldType::String:
    case FieldType::FixedString: {
        QString text;
        if (value.typeId() == QMetaType::QString && (size <= 0 || value.toString().size() <= size))
            return value;
        if (value.typeId() == QMetaType::Double)
            text = NumberFormat::general(value.toDouble());
        else if (value.typeId() == QMetaType::QDate)
            text = platform::DateFormat::toText(value.toDate());
        else
            text = value.toString();
        if (size > 0 && text.size() > size)
            text.truncate(size);
        return text;
    }
    case FieldType::SmallInt:
    case FieldType::Integer: {
        if (isText(value)) {
            const QString t = value.toString().trimmed();
            if (t.isEmpty())
                return {};
            bool ok = false;
            const int n = t.toInt(&ok);
            if (!ok)
                notValid(value, "integer", fieldName);
            return n;
        }
        if (value.typeId() == QMetaType::Double)
            return int(value.toDouble());
        if (value.typeId() == QMetaType::LongLong)
            return int(value.toLongLong());
        if (value.typeId() == QMetaType::Int)
            return value;
        bool ok = false;
        const int n = value.toInt(&ok);
        if (!ok)
            notValid(value, "integer", fieldName);
        return n;
    }
    case FieldType::Float: {
        if (isText(value)) {
            QString t = value.toString().trimmed();
            if (t.isEmpty())
                return {};
            t.remove(QLatin1Char(','));
            bool ok = false;
            const double d = t.toDouble(&ok);
            if (!ok)
                notValid(value, "floating point", fieldName);
            return d;
        }
        bool ok = false;
        const double d = value.toDouble(&ok);
        if (!ok)
            notValid(value, "floating point", fieldName);
        return d;
    }
    case FieldType::Boolean:
        if (isText(value)) {
            const QString t = value.toString().trimmed().toUpper();
            if (t.isEmpty())
                return {};
            return t == QLatin1String("1") || t == QLatin1String("T") || t == QLatin1String("TRUE") || t == QLatin1String("Y");
        }
        return value.toBool();
    case FieldType::Date: {
        if (value.typeId() == QMetaType::QDate)
            return value;
        if (value.typeId() == QMetaType::QDateTime)
            return value.toDateTime().date();
        if (value.typeId() == QMetaType::QString) {
            const QDate stored = isoDate(value.toString());
            if (stored.isValid())
                return stored;
        }
        const QString t = value.toString().trimmed();
        if (t.isEmpty())
            return {};
        const QDate d = dateFromText(t);
        if (!d.isValid())
            throw platform::Error(platform::DateFormat::invalidDateMessage(t));
        return d;
    }
    case FieldType::DateTime: {
        if (value.typeId() == QMetaType::QDateTime)
            return value;
        if (value.typeId() == QMetaType::QDate)
            return QDateTime(value.toDate(), QTime(0, 0));
        const QString t = value.toString().trimmed();
        if (t.isEmpty())
            return {};
        const QDateTime dt = dateTimeFromText(t);
        if (!dt.isValid())
            throw platform::Error(platform::DateFormat::invalidDateMessage(t));
        return dt;
    }
    }
    return value;
}

} // namespace engine
