#pragma once
// A grid over a dataset: one column per visible field (or per column given), with
// the field's heading and width in characters, one line per row. The grid reads
// the rows when the dataset opens or a row is stored, so it suits query results and
// memory tables; clicking a line makes that row the dataset's current row.
#include <QAbstractTableModel>
#include <QPointer>
#include <QTableView>

#include "engine/datasource.h"

namespace widgets {

struct GridColumn {
    QString field;
    QString heading; // the field's heading when empty
    int width = 0;   // characters; the field's width when 0
};

class DatasetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit DatasetModel(QObject *parent = nullptr);

    void setDataSource(engine::DataSource *source);
    engine::DataSource *dataSource() const { return m_source; }
    // Columns to show; all visible fields of the dataset when none are given.
    void setColumns(const QList<GridColumn> &columns);
    // Reads the rows again from the dataset and makes the first one current.
    void reload();
    // Makes the row at `line` the dataset's current row.
    void moveTo(int line);
    int currentLine() const { return m_current; }
    int widthOf(int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void currentLineChanged(int line);

private:
    struct Column {
        QString field;
        QString heading;
        int width;
        Qt::Alignment alignment;
    };
    QList<GridColumn> m_requested;
    QList<Column> m_columns;
    QVector<QStringList> m_lines;
    QPointer<engine::DataSource> m_source;
    QList<QMetaObject::Connection> m_connections;
    int m_current = -1;
    bool m_moving = false;
};

class DBGrid : public QTableView
{
    Q_OBJECT
public:
    explicit DBGrid(QWidget *parent = nullptr);
    void setDataSource(engine::DataSource *source);
    void setColumns(const QList<GridColumn> &columns);
    DatasetModel *datasetModel() const { return m_model; }

signals:
    // A line was double-clicked (its row is the current row by then).
    void lineActivated(int line);

private:
    void applyWidths();
    DatasetModel *m_model;
};

} // namespace widgets
