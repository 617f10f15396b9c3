#include "datasource.h"

namespace engine {

DataSource::DataSource(Dataset *dataset, const QString &name, QObject *parent)
    : QObject(parent)
{
    setObjectName(name);
    setDataset(dataset);
}

void DataSource::setDataset(Dataset *dataset)
{
    for (const auto &c : m_connections)
        disconnect(c);
    m_connections.clear();
    m_dataset = dataset;
    connectDataset();
    emit dataChanged();
}

void DataSource::connectDataset()
{
    if (!m_dataset)
        return;
    m_connections << connect(m_dataset, &Dataset::recordChanged, this, [this] {
        if (m_enabled)
            emit dataChanged();
    });
    m_connections << connect(m_dataset, &Dataset::activeChanged, this, [this] {
        if (m_enabled)
            emit dataChanged();
    });
    m_connections << connect(m_dataset, &Dataset::stateChanged, this, [this](Dataset::State s) {
        if (m_enabled)
            emit stateChanged(s);
    });
    m_connections << connect(m_dataset, &Dataset::fieldChanged, this, [this](Field *f) {
        if (m_enabled)
            emit fieldChanged(f);
    });
}

void DataSource::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    emit enabledChanged(enabled);
    emit dataChanged();
}

bool DataSource::prepareEdit()
{
    if (!isLinked())
        return false;
    const auto s = m_dataset->state();
    if (s == Dataset::State::Edit || s == Dataset::State::Insert)
        return true;
    if (!m_autoEdit || m_dataset->isReadOnly())
        return false;
    m_dataset->edit();
    return true;
}

} // namespace engine
