#include "transfer/paradoxreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/error.h"
#include "transfer/cp874.h"
#include "transfer/paradoxformat.h"

namespace transfer {

namespace {

QString existingPath(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists())
        return path;
    const QDir dir = info.absoluteDir();
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString &entry : entries) {
        if (entry.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return path;
}

} // namespace

ParadoxReader::ParadoxReader(const QString &dataFile)
    : m_path(existingPath(dataFile))
{
    const QString shown = QDir::toNativeSeparators(m_path);
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::Error(QStringLiteral("Cannot open %1: %2").arg(shown, file.errorString()));
    m_file = file.readAll();
    const auto damaged = [&] {
        return platform::Error(QStringLiteral("%1 is not a readable Paradox table").arg(shown));
    };
    if (m_file.size() < 0x58)
        throw damaged();

    const char *h = m_file.constData();
    const int recordSize = px::wordLE(h + 0x00);
    const int headerSize = px::wordLE(h + 0x02);
    const quint8 fileType = quint8(h[0x04]);
    const int blockSize = quint8(h[0x05]) * 0x400;
    const int blockCount = px::wordLE(h + 0x0C);
    const int firstBlock = px::wordLE(h + 0x0E);
    const int fieldCount = qint16(px::wordLE(h + 0x21));
    const quint8 version = quint8(h[0x39]);
    if ((fileType != px::fileKeyedTable && fileType != px::fileUnkeyedTable) || recordSize == 0
        || blockSize == 0 || blockSize > 32 * 0x400 || version < 3 || version > 15 || fieldCount < 1
        || headerSize > m_file.size() || headerSize < 0x58)
        throw damaged();

    const bool level4 = version >= 5;
    quint32 encryption = px::longLE(h + 0x25);
    if (level4 && encryption == 0xFF00FF00u)
        encryption = px::longLE(h + 0x5C);
    if (encryption != 0)
        throw platform::Error(QStringLiteral("%1 is encrypted").arg(shown));
    m_codePage = level4 ? px::wordLE(h + 0x6A) : 0;

    int at = level4 ? 0x78 : 0x58;
    const int tableNameLength = version == px::fileVersion7 ? px::tableNameLength7 : px::tableNameLengthOld;
    if (at + fieldCount * 6 + 4 + tableNameLength > headerSize)
        throw damaged();
    int offset = 0;
    for (int i = 0; i < fieldCount; ++i) {
        const quint8 type = quint8(h[at + 2 * i]);
        const int size = quint8(h[at + 2 * i + 1]);
        Column c;
        switch (type) {
        case px::typeAlpha: c = Column::alpha({}, size); break;
        case px::typeShort: c = Column::shortInt({}); break;
        case px::typeNumber: c = Column::number({}); break;
        case px::typeDate: c = Column::date({}); break;
        default:
            throw platform::Error(QStringLiteral("%1: field %2 has a type (0x%3) this program does not read")
                                      .arg(shown).arg(i + 1).arg(type, 2, 16, QLatin1Char('0')));
        }
        if (c.storedSize() != size)
            throw damaged();
        m_columns.append(c);
        m_fieldOffsets.append(offset);
        offset += size;
    }
    if (offset != recordSize)
        throw damaged();
    at += 2 * fieldCount + 4 + 4 * fieldCount + tableNameLength;
    for (Column &c : m_columns) {
        const int end = int(m_file.indexOf('\0', at));
        if (end < 0 || end >= headerSize)
            throw damaged();
        c.name = cp874::decode(h + at, end - at);
        at = end + 1;
    }

    // Walk the chain of blocks from the first; a block holds (bytes in use / record
    // size) + 1 records, none when the count is negative.
    const int perBlock = (blockSize - px::blockHeaderSize) / recordSize;
    int block = firstBlock;
    for (int steps = 0; block != 0 && steps < blockCount; ++steps) {
        const qsizetype start = headerSize + qsizetype(block - 1) * blockSize;
        if (block < 1 || start + px::blockHeaderSize > m_file.size())
            throw damaged();
        const int used = qint16(px::wordLE(h + start + 4));
        const int rows = used < 0 ? 0 : used / recordSize + 1;
        if (rows > perBlock || start + px::blockHeaderSize + qsizetype(rows) * recordSize > m_file.size())
            throw damaged();
        for (int r = 0; r < rows; ++r)
            m_rowOffsets.append(start + px::blockHeaderSize + qsizetype(r) * recordSize);
        block = px::wordLE(h + start);
    }
}

QVariant ParadoxReader::value(const char *record, int column) const
{
    const Column &c = m_columns[column];
    const char *at = record + m_fieldOffsets[column];
    switch (c.type) {
    case ColumnType::Alpha:
        if (px::isBlank(at, c.width))
            return QVariant(QMetaType::fromType<QString>());
        return m_codePage == px::codePage874 || m_codePage == 0 ? cp874::decode(at, c.width)
                                                                 : QString::fromLatin1(at, qstrnlen(at, uint(c.width)));
    case ColumnType::Short:
        return px::isBlank(at, 2) ? QVariant(QMetaType::fromType<int>()) : QVariant(int(px::getShort(at)));
    case ColumnType::Double:
        return px::isBlank(at, 8) ? QVariant(QMetaType::fromType<double>()) : QVariant(px::getDouble(at));
    case ColumnType::Date:
        return px::isBlank(at, 4) ? QVariant(QMetaType::fromType<QDate>()) : QVariant(px::getDate(at));
    }
    return {};
}

QVariantList ParadoxReader::values(int row) const
{
    const char *record = m_file.constData() + m_rowOffsets.at(row);
    QVariantList out;
    out.reserve(m_columns.size());
    for (int i = 0; i < m_columns.size(); ++i)
        out.append(value(record, i));
    return out;
}

QVariantMap ParadoxReader::row(int row) const
{
    const char *record = m_file.constData() + m_rowOffsets.at(row);
    QVariantMap out;
    for (int i = 0; i < m_columns.size(); ++i)
        out.insert(m_columns[i].name, value(record, i));
    return out;
}

QList<QVariantMap> ParadoxReader::rows() const
{
    QList<QVariantMap> out;
    out.reserve(rowCount());
    for (int i = 0; i < rowCount(); ++i)
        out.append(row(i));
    return out;
}

} // namespace transfer
