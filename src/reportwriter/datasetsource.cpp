#include "datasetsource.h"

#include "engine/dataset.h"
#include "engine/field.h"

namespace reportwriter {

DatasetSource::DatasetSource(engine::Dataset &dataset)
    : m_dataset(dataset)
{
}

QStringList DatasetSource::fieldNames() const
{
    QStringList names;
    for (const auto &f : m_dataset.fields())
        names << f->name();
    return names;
}

bool DatasetSource::first()
{
    if (!m_dataset.isActive())
        m_dataset.open();
    m_dataset.first();
    return !m_dataset.eof();
}

bool DatasetSource::next()
{
    m_dataset.next();
    return !m_dataset.eof();
}

bool DatasetSource::eof() const
{
    return !m_dataset.isActive() || m_dataset.eof();
}

QVariant DatasetSource::value(const QString &field) const
{
    const engine::Field *f = m_dataset.findField(field);
    return f && m_dataset.hasCurrentRow() ? f->value() : QVariant();
}

QString DatasetSource::displayFormat(const QString &field) const
{
    const engine::Field *f = m_dataset.findField(field);
    return f ? f->displayFormat() : QString();
}

int DatasetSource::rowCount() const
{
    return m_dataset.isActive() ? m_dataset.recordCount() : -1;
}

} // namespace reportwriter
