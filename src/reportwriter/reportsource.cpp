#include "reportwriter/reportsource.h"

namespace reportwriter {

MemorySource::MemorySource(const QStringList &fields)
{
    for (const QString &f : fields)
        addField(f);
}

void MemorySource::addField(const QString &name, const QString &displayFormat)
{
    m_index.insert(name.toLower(), int(m_fields.size()));
    if (!displayFormat.isEmpty())
        m_formats.insert(int(m_fields.size()), displayFormat);
    m_fields.append(name);
}

void MemorySource::setDisplayFormat(const QString &field, const QString &format)
{
    const int i = indexOf(field);
    if (i >= 0)
        m_formats.insert(i, format);
}

void MemorySource::addRow(const QVariantList &values)
{
    m_rows.append(values);
}

bool MemorySource::first()
{
    m_current = 0;
    return !eof();
}

bool MemorySource::next()
{
    if (m_current < int(m_rows.size()))
        ++m_current;
    return !eof();
}

bool MemorySource::eof() const
{
    return m_current < 0 || m_current >= int(m_rows.size());
}

int MemorySource::indexOf(const QString &field) const
{
    return m_index.value(field.toLower(), -1);
}

QVariant MemorySource::value(const QString &field) const
{
    const int i = indexOf(field);
    if (i < 0 || eof())
        return {};
    const QVariantList &row = m_rows.at(m_current);
    return i < row.size() ? row.at(i) : QVariant();
}

QString MemorySource::displayFormat(const QString &field) const
{
    return m_formats.value(indexOf(field));
}

} // namespace reportwriter
