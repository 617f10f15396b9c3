#pragma once
// Rows kept in memory only, with the fields declared. Closing the table drops its rows.
#include "rowsdataset.h"

namespace engine {

class MemoryTable : public RowsDataset
{
    Q_OBJECT
public:
    explicit MemoryTable(const QString &name = {}, QObject *parent = nullptr);
    // Drops every row and stays open.
    void emptyTable();

protected:
    void doOpen() override;
    void doClose() override;
};

} // namespace engine
