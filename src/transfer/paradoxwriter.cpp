#include "transfer/paradoxwriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/error.h"
#include "transfer/cp874.h"
#include "transfer/paradoxformat.h"

namespace transfer {

namespace {

const QByteArray sortOrderName = QByteArrayLiteral("ascii");
constexpr quint8 sortOrderAscii = 0x00;

platform::Error valueError(const QString &policy, const Column &column, const QString &what)
{
    return platform::Error(QStringLiteral("Policy %1, column %2: %3").arg(policy, column.name, what));
}

bool isEmptyValue(const QVariant &v)
{
    return v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty());
}

// Encodes one value into its field. Throws when it does not fit.
void putValue(char *at, const Column &column, const QVariant &value, const QString &policy)
{
    if (isEmptyValue(value))
        return; // the record is zero-filled: blank
    switch (column.type) {
    case ColumnType::Alpha: {
        const QString text = value.toString();
        QByteArray bytes;
        bytes.reserve(text.size());
        const qsizetype bad = cp874::encode(text, bytes);
        if (bad >= 0) {
            throw valueError(policy, column,
                             QStringLiteral("the character U+%1 in \"%2\" cannot be stored in code page 874")
                                 .arg(text[bad].unicode(), 4, 16, QLatin1Char('0'))
                                 .arg(text));
        }
        if (bytes.size() > column.width) {
            throw valueError(policy, column,
                             QStringLiteral("\"%1\" has %2 characters, more than the column's %3")
                                 .arg(text).arg(bytes.size()).arg(column.width));
        }
        std::memcpy(at, bytes.constData(), size_t(bytes.size()));
        return;
    }
    case ColumnType::Short: {
        bool ok = false;
        const double d = value.toDouble(&ok);
        if (!ok || d != std::trunc(d) || d < -32767 || d > 32767) {
            throw valueError(policy, column,
                             QStringLiteral("\"%1\" is not a whole number from -32767 to 32767").arg(value.toString()));
        }
        px::putShort(at, qint16(d));
        return;
    }
    case ColumnType::Double: {
        bool ok = false;
        const double d = value.toDouble(&ok);
        if (!ok || !std::isfinite(d))
            throw valueError(policy, column, QStringLiteral("\"%1\" is not a number").arg(value.toString()));
        px::putDouble(at, d);
        return;
    }
    case ColumnType::Date: {
        const QDate d = value.typeId() == QMetaType::QDateTime ? value.toDateTime().date() : value.toDate();
        if (!d.isValid() || d.year() < 1)
            throw valueError(policy, column, QStringLiteral("\"%1\" is not a date").arg(value.toString()));
        px::putDate(at, d);
        return;
    }
    }
}

// Removes files in the folder whose names differ from `name` only in case, so that the
// folder holds one table of that name.
void removeCaseTwins(const QDir &dir, const QString &name)
{
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString &entry : entries) {
        if (entry != name && entry.compare(name, Qt::CaseInsensitive) == 0)
            QFile::remove(dir.filePath(entry));
    }
}

void saveFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw platform::Error(QStringLiteral("Cannot write %1: %2")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}

// Blocks are chained in file order, numbered from 1; 0 ends the chain.
void linkBlock(char *block, int number, int count)
{
    px::putWordLE(block, quint16(number < count ? number + 1 : 0));
    px::putWordLE(block + 2, quint16(number - 1));
}

} // namespace

ParadoxWriter::ParadoxWriter(const QString &folder, const QString &tableName, const QList<Column> &columns)
    : m_folder(folder), m_name(tableName), m_columns(columns)
{
    if (m_columns.isEmpty() || m_columns.size() > 255)
        throw platform::Error(QStringLiteral("A Paradox table needs 1 to 255 columns"));
    for (const Column &c : m_columns) {
        if (c.type == ColumnType::Alpha && (c.width < 1 || c.width > 255))
            throw platform::Error(QStringLiteral("Column %1: a text column is 1 to 255 characters wide").arg(c.name));
        m_offsets.append(m_recordSize);
        m_recordSize += c.storedSize();
    }
    m_keySize = m_columns.first().storedSize();
    if ((px::blockSize - px::blockHeaderSize) / m_recordSize < 1)
        throw platform::Error(QStringLiteral("The rows of table %1 are too long for a Paradox table").arg(m_name));
    if (!QDir().mkpath(m_folder))
        throw platform::Error(QStringLiteral("Cannot create the folder %1").arg(QDir::toNativeSeparators(m_folder)));
    writeFiles();
}

QString ParadoxWriter::dataFilePath() const
{
    return QDir(m_folder).filePath(m_name + QStringLiteral(".DB"));
}

QString ParadoxWriter::indexFilePath() const
{
    return QDir(m_folder).filePath(m_name + QStringLiteral(".PX"));
}

void ParadoxWriter::append(const QVariantList &values)
{
    if (values.size() != m_columns.size()) {
        throw platform::Error(QStringLiteral("Table %1 has %2 columns, the row has %3 values")
                                  .arg(m_name).arg(m_columns.size()).arg(values.size()));
    }
    const QString policy = values.first().toString();
    if (isEmptyValue(values.first()))
        throw platform::Error(QStringLiteral("A row without %1 cannot be stored in table %2").arg(m_columns.first().name, m_name));

    const qsizetype start = m_records.size();
    m_records.resize(start + m_recordSize, '\0');
    char *record = m_records.data() + start;
    try {
        for (int i = 0; i < m_columns.size(); ++i)
            putValue(record + m_offsets[i], m_columns[i], values[i], policy);
    } catch (...) {
        m_records.resize(start);
        throw;
    }
    const QByteArray key(record, m_keySize);
    if (m_keys.contains(key)) {
        m_records.resize(start);
        throw platform::Error(QStringLiteral("Policy %1 is given twice; table %2 holds each %3 once")
                                  .arg(policy, m_name, m_columns.first().name));
    }
    m_keys.insert(key);
    m_order.push_back(int(start / m_recordSize));
}

void ParadoxWriter::append(const QVariantMap &valuesByName)
{
    QVariantList values;
    values.reserve(m_columns.size());
    for (const Column &c : m_columns)
        values.append(c.defaultValue);
    for (auto it = valuesByName.cbegin(); it != valuesByName.cend(); ++it) {
        const int i = indexOfColumn(m_columns, it.key());
        if (i < 0)
            throw platform::Error(QStringLiteral("Table %1 has no column %2").arg(m_name, it.key()));
        values[i] = it.value();
    }
    append(values);
}

void ParadoxWriter::close()
{
    const char *records = m_records.constData();
    const int recordSize = m_recordSize;
    const int keySize = m_keySize;
    std::sort(m_order.begin(), m_order.end(), [=](int a, int b) {
        return std::memcmp(records + qsizetype(a) * recordSize, records + qsizetype(b) * recordSize, size_t(keySize)) < 0;
    });
    writeFiles();
}

void ParadoxWriter::writeFiles() const
{
    const QByteArray data = dataFile();
    const QByteArray index = indexFile();
    const QDir dir(m_folder);
    removeCaseTwins(dir, m_name + QStringLiteral(".DB"));
    removeCaseTwins(dir, m_name + QStringLiteral(".PX"));
    saveFile(dataFilePath(), data);
    saveFile(indexFilePath(), index);
}

QByteArray ParadoxWriter::header(quint8 fileType, quint32 records, quint32 blocks, int indexLevels) const
{
    const bool isData = fileType != px::filePrimaryIndex;
    const int fieldCount = isData ? int(m_columns.size()) : 1;
    QByteArray bytes(px::headerSize, '\0');
    char *h = bytes.data();
    px::putWordLE(h + 0x00, quint16(isData ? m_recordSize : m_keySize + px::indexEntryExtra));
    px::putWordLE(h + 0x02, px::headerSize);
    h[0x04] = char(fileType);
    h[0x05] = char(px::blockSizeCode);
    px::putLongLE(h + 0x06, records);
    px::putWordLE(h + 0x0A, quint16(blocks)); // next block to use
    px::putWordLE(h + 0x0C, quint16(blocks)); // blocks in the file
    px::putWordLE(h + 0x0E, quint16(blocks ? 1 : 0)); // first block
    px::putWordLE(h + 0x10, quint16(blocks)); // last block
    if (!isData) {
        px::putWordLE(h + 0x1E, 1); // root block of the index
        h[0x20] = char(indexLevels);
    }
    px::putWordLE(h + 0x21, quint16(fieldCount));
    px::putWordLE(h + 0x23, quint16(isData ? 1 : 0)); // key fields
    if (isData)
        px::putLongLE(h + 0x25, 0xFF00FF00u); // level 4+ marker: not encrypted, see 0x5C
    h[0x29] = char(sortOrderAscii);
    h[0x2D] = 1; // change counts
    h[0x2E] = 1;
    h[0x39] = char(px::fileVersion7);
    px::putWordLE(h + 0x3A, quint16(blocks));
    if (isData) {
        h[0x3E] = 0x1F;
        h[0x3F] = 0x0F;
        h[0x56] = 0x20;
        px::putWordLE(h + 0x58, 0x0100 | px::fileVersion7);
        px::putWordLE(h + 0x5A, 0x0100 | px::fileVersion7);
        px::putWordLE(h + 0x64, quint16(fieldCount + 1)); // highest field id
        px::putWordLE(h + 0x6A, px::codePage874);
        h[0x6C] = 1;
        h[0x6D] = 1;
    } else {
        px::putLongLE(h + 0x49, 1);
    }

    // Field descriptions, the run-time pointers (kept zero), the table name and, in the
    // data file, the field names, field numbers and the sort order's name.
    int at = isData ? 0x78 : 0x58;
    for (int i = 0; i < fieldCount; ++i) {
        const Column &c = m_columns[i];
        h[at++] = char(px::typeCode(c.type));
        h[at++] = char(c.storedSize());
    }
    at += 4; // table name pointer
    if (isData)
        at += 4 * fieldCount; // field name pointers
    const QByteArray tableName = m_name.toLatin1().left(px::tableNameLength7 - 1);
    std::memcpy(h + at, tableName.constData(), size_t(tableName.size()));
    at += px::tableNameLength7;
    if (isData) {
        for (const Column &c : m_columns) {
            const QByteArray name = c.name.toLatin1();
            std::memcpy(h + at, name.constData(), size_t(name.size()));
            at += int(name.size()) + 1;
        }
        for (int i = 0; i < fieldCount; ++i) {
            px::putWordLE(h + at, quint16(i + 1));
            at += 2;
        }
        std::memcpy(h + at, sortOrderName.constData(), size_t(sortOrderName.size()));
        at += int(sortOrderName.size()) + 1;
    }
    if (at > px::headerSize)
        throw platform::Error(QStringLiteral("The column names of table %1 do not fit its header").arg(m_name));
    return bytes;
}

QByteArray ParadoxWriter::dataFile() const
{
    const int perBlock = (px::blockSize - px::blockHeaderSize) / m_recordSize;
    const int rows = int(m_order.size());
    const int blocks = (rows + perBlock - 1) / perBlock;
    if (blocks > px::maxBlocks)
        throw platform::Error(QStringLiteral("Table %1 cannot hold %2 rows").arg(m_name).arg(rows));

    QByteArray bytes = header(px::fileKeyedTable, quint32(rows), quint32(blocks), 0);
    bytes.resize(px::headerSize + qsizetype(blocks) * px::blockSize, '\0');
    for (int b = 0; b < blocks; ++b) {
        char *block = bytes.data() + px::headerSize + qsizetype(b) * px::blockSize;
        const int first = b * perBlock;
        const int count = std::min(perBlock, rows - first);
        linkBlock(block, b + 1, blocks);
        px::putWordLE(block + 4, quint16((count - 1) * m_recordSize));
        char *out = block + px::blockHeaderSize;
        for (int r = first; r < first + count; ++r, out += m_recordSize)
            std::memcpy(out, m_records.constData() + qsizetype(m_order[r]) * m_recordSize, size_t(m_recordSize));
    }
    return bytes;
}

// The primary index has one entry per data block: the block's first key, the block's
// number and its record count. When these entries need more than one index block, a
// root block (block 1) holds one entry per index block below it, with the first key,
// the block number and the records it covers.
QByteArray ParadoxWriter::indexFile() const
{
    const int entrySize = m_keySize + px::indexEntryExtra;
    const int entriesPerBlock = (px::blockSize - px::blockHeaderSize) / entrySize;
    const int perDataBlock = (px::blockSize - px::blockHeaderSize) / m_recordSize;
    const int rows = int(m_order.size());
    const int dataBlocks = (rows + perDataBlock - 1) / perDataBlock;

    struct Entry
    {
        const char *key;
        int block;
        int records;
    };
    std::vector<Entry> leaves;
    leaves.reserve(size_t(dataBlocks));
    for (int b = 0; b < dataBlocks; ++b) {
        const int first = b * perDataBlock;
        leaves.push_back({m_records.constData() + qsizetype(m_order[first]) * m_recordSize, b + 1,
                          std::min(perDataBlock, rows - first)});
    }

    std::vector<std::vector<Entry>> blocks; // in file order
    int levels = 1;
    if (int(leaves.size()) <= entriesPerBlock) {
        if (!leaves.empty())
            blocks.push_back(leaves);
    } else {
        levels = 2;
        const int leafBlocks = (int(leaves.size()) + entriesPerBlock - 1) / entriesPerBlock;
        if (leafBlocks > entriesPerBlock)
            throw platform::Error(QStringLiteral("Table %1 has too many rows for its index").arg(m_name));
        blocks.emplace_back();
        for (int i = 0; i < leafBlocks; ++i) {
            const auto begin = leaves.begin() + qsizetype(i) * entriesPerBlock;
            const auto end = leaves.begin() + std::min<qsizetype>(qsizetype(i + 1) * entriesPerBlock, leaves.size());
            int covered = 0;
            for (auto it = begin; it != end; ++it)
                covered += it->records;
            blocks.front().push_back({begin->key, i + 2, covered});
            blocks.emplace_back(begin, end);
        }
    }

    quint32 entries = 0;
    for (const auto &b : blocks)
        entries += quint32(b.size());
    QByteArray bytes = header(px::filePrimaryIndex, entries, quint32(blocks.size()), levels);
    bytes.resize(px::headerSize + qsizetype(blocks.size()) * px::blockSize, '\0');
    for (size_t b = 0; b < blocks.size(); ++b) {
        char *block = bytes.data() + px::headerSize + qsizetype(b) * px::blockSize;
        linkBlock(block, int(b) + 1, int(blocks.size()));
        px::putWordLE(block + 4, quint16((int(blocks[b].size()) - 1) * entrySize));
        char *out = block + px::blockHeaderSize;
        for (const Entry &e : blocks[b]) {
            std::memcpy(out, e.key, size_t(m_keySize));
            px::putShort(out + m_keySize, qint16(e.block));
            px::putShort(out + m_keySize + 2, qint16(e.records));
            px::putShort(out + m_keySize + 4, 0);
            out += entrySize;
        }
    }
    return bytes;
}

} // namespace transfer
