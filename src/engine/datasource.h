#pragma once
// The link between data-aware controls and one dataset. Controls follow the data
// source's signals and show its dataset's current row; disabling the data source
// detaches them (they show nothing and cannot edit) until it is enabled again.
#include <QObject>
#include <QPointer>

#include "dataset.h"

namespace engine {

class DataSource : public QObject
{
    Q_OBJECT
public:
    explicit DataSource(Dataset *dataset = nullptr, const QString &name = {}, QObject *parent = nullptr);

    Dataset *dataset() const { return m_dataset; }
    void setDataset(Dataset *dataset);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // Whether controls show data: enabled, with an open dataset.
    bool isLinked() const { return m_enabled && m_dataset && m_dataset->isActive(); }
    // Typing into a control puts a browsing dataset into edit state.
    bool autoEdit() const { return m_autoEdit; }
    void setAutoEdit(bool autoEdit) { m_autoEdit = autoEdit; }
    // What a control calls before it writes a field: true when the dataset is (now)
    // in edit or insert state.
    bool prepareEdit();

signals:
    // The controls must show every field again (row moved, dataset opened or closed,
    // data source enabled or disabled).
    void dataChanged();
    void stateChanged(engine::Dataset::State state);
    void fieldChanged(engine::Field *field);
    void enabledChanged(bool enabled);

private:
    void connectDataset();
    QPointer<Dataset> m_dataset;
    bool m_enabled = true;
    bool m_autoEdit = true;
    QList<QMetaObject::Connection> m_connections;
};

} // namespace engine
