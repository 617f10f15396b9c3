#include "fieldlink.h"

namespace widgets {

FieldLink::FieldLink(QObject *parent)
    : QObject(parent)
{
}

void FieldLink::setDataSource(engine::DataSource *source)
{
    for (const auto &c : m_connections)
        disconnect(c);
    m_connections.clear();
    m_source = source;
    if (source) {
        m_connections << connect(source, &engine::DataSource::dataChanged, this, &FieldLink::changed);
        m_connections << connect(source, &engine::DataSource::enabledChanged, this, &FieldLink::changed);
        m_connections << connect(source, &engine::DataSource::stateChanged, this, &FieldLink::changed);
        m_connections << connect(source, &engine::DataSource::fieldChanged, this, [this](engine::Field *f) {
            if (f && f->name().compare(m_fieldName, Qt::CaseInsensitive) == 0)
                emit changed();
        });
        m_connections << connect(source, &QObject::destroyed, this, &FieldLink::changed);
    }
    emit changed();
}

void FieldLink::setFieldName(const QString &name)
{
    m_fieldName = name;
    emit changed();
}

engine::Field *FieldLink::field() const
{
    if (!m_source || !m_source->isLinked())
        return nullptr;
    return m_source->dataset()->findField(m_fieldName);
}

bool FieldLink::isLinked() const
{
    return field() && m_source->dataset()->hasCurrentRow();
}

bool FieldLink::isEditing() const
{
    if (!field())
        return false;
    const auto s = m_source->dataset()->state();
    return s == engine::Dataset::State::Edit || s == engine::Dataset::State::Insert;
}

bool FieldLink::canEdit() const
{
    engine::Field *f = field();
    if (!f || f->kind() != engine::FieldKind::Data)
        return false;
    if (isEditing())
        return true;
    return m_source->autoEdit() && !m_source->dataset()->isReadOnly() && m_source->dataset()->hasCurrentRow();
}

bool FieldLink::write(const QVariant &value)
{
    engine::Field *f = field();
    if (!f)
        return false;
    // The control keeps what was typed while the dataset goes into edit state and
    // takes the value: it must not show the old value in between.
    m_writing = true;
    struct Reset {
        bool &flag;
        ~Reset() { flag = false; }
    } reset{m_writing};
    if (!m_source->prepareEdit())
        return false;
    f->setValue(value);
    return true;
}

} // namespace widgets
