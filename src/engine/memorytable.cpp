#include "memorytable.h"

namespace engine {

MemoryTable::MemoryTable(const QString &name, QObject *parent)
    : RowsDataset(name, parent)
{
}

void MemoryTable::doOpen()
{
    clearRows();
}

void MemoryTable::doClose()
{
    clearRows();
}

void MemoryTable::emptyTable()
{
    checkActive();
    if (state() == State::Edit || state() == State::Insert)
        cancel();
    clearRows();
    first();
}

} // namespace engine
