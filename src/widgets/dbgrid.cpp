#include "dbgrid.h"

#include <QHeaderView>

#include "guarded.h"

namespace widgets {

DatasetModel::DatasetModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void DatasetModel::setDataSource(engine::DataSource *source)
{
    for (const auto &c : m_connections)
        disconnect(c);
    m_connections.clear();
    m_source = source;
    if (source) {
        m_connections << connect(source, &engine::DataSource::enabledChanged, this, &DatasetModel::reload);
        if (engine::Dataset *d = source->dataset()) {
            m_connections << connect(d, &engine::Dataset::activeChanged, this, &DatasetModel::reload);
            m_connections << connect(d, &engine::Dataset::stateChanged, this, [this](engine::Dataset::State s) {
                if (s == engine::Dataset::State::Browse && !m_moving)
                    reload();
            });
        }
    }
    reload();
}

void DatasetModel::setColumns(const QList<GridColumn> &columns)
{
    m_requested = columns;
    reload();
}

void DatasetModel::reload()
{
    if (m_moving)
        return;
    beginResetModel();
    m_columns.clear();
    m_lines.clear();
    m_current = -1;
    engine::Dataset *d = m_source && m_source->isLinked() ? m_source->dataset() : nullptr;
    if (d) {
        QList<engine::Field *> fields;
        if (m_requested.isEmpty()) {
            for (engine::Field *f : d->visibleFields()) {
                fields << f;
                m_columns << Column{f->name(), f->displayLabel(), f->displayWidth(), {}};
            }
        } else {
            for (const GridColumn &c : m_requested) {
                engine::Field *f = d->fieldByName(c.field);
                fields << f;
                m_columns << Column{f->name(), c.heading.isEmpty() ? f->displayLabel() : c.heading,
                                    c.width > 0 ? c.width : f->displayWidth(), {}};
            }
        }
        for (int i = 0; i < fields.size(); ++i) {
            const engine::FieldType t = fields.at(i)->type();
            const bool number = t == engine::FieldType::Float || t == engine::FieldType::Integer
                                || t == engine::FieldType::SmallInt;
            m_columns[i].alignment = (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        }
        m_moving = true;
        guarded([&] {
            for (d->first(); !d->eof(); d->next()) {
                QStringList line;
                for (engine::Field *f : fields)
                    line << f->displayText();
                m_lines << line;
            }
            d->first();
        });
        m_moving = false;
        if (!m_lines.isEmpty())
            m_current = 0;
    }
    endResetModel();
    emit currentLineChanged(m_current);
}

void DatasetModel::moveTo(int line)
{
    engine::Dataset *d = m_source && m_source->isLinked() ? m_source->dataset() : nullptr;
    if (!d || line < 0 || line >= m_lines.size() || line == m_current)
        return;
    m_moving = true;
    guarded([&] {
        // The dataset's cursor is moved a row at a time from where the grid left it.
        if (line < m_current / 2 || m_current < 0) {
            d->first();
            m_current = 0;
        }
        while (m_current < line) {
            d->next();
            ++m_current;
        }
        while (m_current > line) {
            d->prior();
            --m_current;
        }
    });
    m_moving = false;
    emit currentLineChanged(m_current);
}

int DatasetModel::widthOf(int column) const
{
    return m_columns.at(column).width;
}

int DatasetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

int DatasetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DatasetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return m_lines.at(index.row()).at(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_columns.at(index.column()).alignment);
    return {};
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < m_columns.size() ? m_columns.at(section).heading : QVariant();
    return {};
}

DBGrid::DBGrid(QWidget *parent)
    : QTableView(parent), m_model(new DatasetModel(this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setFixedWidth(14);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        applyWidths();
        if (m_model->currentLine() >= 0)
            selectRow(m_model->currentLine());
    });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { m_model->moveTo(current.row()); });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        m_model->moveTo(index.row());
        emit lineActivated(index.row());
    });
}

void DBGrid::setDataSource(engine::DataSource *source)
{
    m_model->setDataSource(source);
}

void DBGrid::setColumns(const QList<GridColumn> &columns)
{
    m_model->setColumns(columns);
}

void DBGrid::applyWidths()
{
    const int character = fontMetrics().averageCharWidth();
    for (int c = 0; c < m_model->columnCount(); ++c)
        setColumnWidth(c, qMax(4, m_model->widthOf(c)) * character + 12);
}

} // namespace widgets
