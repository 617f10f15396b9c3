#include "rowsdataset.h"

namespace engine {

int RowsDataset::recordCount()
{
    checkActive();
    return int(m_view.size());
}

void RowsDataset::setRows(QVector<Record> rows)
{
    m_rows = std::move(rows);
    m_indexes.clear();
    filterChanged();
}

void RowsDataset::clearRows()
{
    m_rows.clear();
    m_view.clear();
    m_indexes.clear();
    m_pos = -1;
}

void RowsDataset::filterChanged()
{
    m_view.clear();
    const QList<Condition> &conditions = filterConditions();
    for (int i = 0; i < m_rows.size(); ++i)
        if (conditions.isEmpty() || matches(m_rows.at(i), conditions))
            m_view << i;
    m_indexes.clear();
    m_pos = m_view.isEmpty() ? -1 : 0;
}

bool RowsDataset::at(int pos, Record &row)
{
    if (pos < 0 || pos >= m_view.size())
        return false;
    m_pos = pos;
    const Record &stored = m_rows.at(m_view.at(pos));
    if (stored.size() == row.size()) {
        row = stored; // shared until the row is changed
        return true;
    }
    for (int i = 0; i < row.size() && i < stored.size(); ++i)
        row[i] = stored.at(i);
    return true;
}

bool RowsDataset::doFirst(Record &row)
{
    return at(0, row);
}

bool RowsDataset::doLast(Record &row)
{
    return at(int(m_view.size()) - 1, row);
}

bool RowsDataset::doNext(Record &row)
{
    return at(m_pos + 1, row);
}

bool RowsDataset::doPrior(Record &row)
{
    return m_pos > 0 && at(m_pos - 1, row);
}

bool RowsDataset::doLocate(const QList<Condition> &conditions, Record &row)
{
    for (int p = 0; p < m_view.size(); ++p)
        if (matches(m_rows.at(m_view.at(p)), conditions))
            return at(p, row);
    return false;
}

// The coming rows in the direction the cursor moves: forward unless the last batch
// started after the current row.
QVariantList RowsDataset::comingValues(int field, int count) const
{
    QVariantList values;
    if (m_pos < 0 || m_pos >= m_view.size())
        return values;
    const int step = m_aheadPos > m_pos ? -1 : 1;
    m_aheadPos = m_pos;
    for (int p = m_pos; p >= 0 && p < m_view.size() && values.size() < count; p += step)
        values << m_rows.at(m_view.at(p)).at(field);
    return values;
}

QVariant RowsDataset::doLookup(const QList<Condition> &conditions, int resultField)
{
    QString signature; // the field numbers as single characters
    for (const Condition &c : conditions)
        signature += QChar(char16_t(c.field));
    auto it = m_indexes.find(signature);
    if (it == m_indexes.end()) {
        QHash<QString, int> index;
        for (int p = 0; p < m_view.size(); ++p) {
            const Record &r = m_rows.at(m_view.at(p));
            QString key;
            for (const Condition &c : conditions) {
                key += keyText(r.at(c.field));
                key += QLatin1Char('\x1f');
            }
            if (!index.contains(key))
                index.insert(key, m_view.at(p));
        }
        it = m_indexes.insert(signature, index);
    }
    QString key;
    for (const Condition &c : conditions) {
        key += keyText(c.value);
        key += QLatin1Char('\x1f');
    }
    const auto found = it->constFind(key);
    if (found == it->constEnd())
        return {};
    return m_rows.at(*found).at(resultField);
}

void RowsDataset::doInsert(Record &row, bool append)
{
    writeInsert(row);
    const int rowIndex = (append || m_pos < 0) ? int(m_rows.size()) : m_view.at(m_pos);
    m_rows.insert(rowIndex, row);
    for (int &i : m_view)
        if (i >= rowIndex)
            ++i;
    const int viewPos = (append || m_pos < 0) ? int(m_view.size()) : m_pos;
    m_view.insert(viewPos, rowIndex);
    m_pos = viewPos;
    m_indexes.clear();
}

void RowsDataset::doUpdate(const Record &oldRow, Record &row)
{
    writeUpdate(oldRow, row);
    m_rows[m_view.at(m_pos)] = row;
    m_indexes.clear();
}

bool RowsDataset::doDelete(const Record &row, Record &landed)
{
    writeDelete(row);
    const int rowIndex = m_view.at(m_pos);
    m_rows.remove(rowIndex);
    m_view.remove(m_pos);
    for (int &i : m_view)
        if (i > rowIndex)
            --i;
    m_indexes.clear();
    if (m_view.isEmpty()) {
        m_pos = -1;
        return false;
    }
    return at(m_pos < m_view.size() ? m_pos : int(m_view.size()) - 1, landed);
}

} // namespace engine
