#include "pxlib_table.h"

#include <QDate>
#include "pxlib_c.h"
#include <cstdlib>
#include <cstring>

void PxlibTable::onError(px_doc *, int, const char *msg, void *data)
{
    static_cast<QStringList *>(data)->append(QString::fromUtf8(msg));
}

PxlibTable::PxlibTable(const QString &dataFile)
{
    m_doc = PX_new3(&PxlibTable::onError, nullptr, nullptr, nullptr, &m_errors);
    if (PX_open_file(m_doc, dataFile.toLocal8Bit().constData()) < 0) {
        PX_delete(m_doc);
        m_doc = nullptr;
        return;
    }
    PX_set_targetencoding(m_doc, "UTF-8");
}

PxlibTable::~PxlibTable()
{
    if (m_doc) {
        PX_close(m_doc);
        PX_delete(m_doc); // also deletes an attached index
    } else if (m_index) {
        PX_delete(m_index);
    }
}

int PxlibTable::codePage() const { return m_doc->px_head->px_doscodepage; }
int PxlibTable::fileType() const { return m_doc->px_head->px_filetype; }
int PxlibTable::primaryKeyFields() const { return m_doc->px_head->px_primarykeyfields; }
int PxlibTable::recordCount() const { return PX_get_num_records(m_doc); }

QList<PxlibField> PxlibTable::fields() const
{
    QList<PxlibField> out;
    pxfield_t *f = PX_get_fields(m_doc);
    for (int i = 0; i < PX_get_num_fields(m_doc); ++i)
        out.append({QString::fromLatin1(f[i].px_fname), int(f[i].px_ftype), f[i].px_flen});
    return out;
}

bool PxlibTable::attachIndex(const QString &indexFile)
{
    px_doc *index = PX_new3(&PxlibTable::onError, nullptr, nullptr, nullptr, &m_errors);
    if (PX_open_file(index, indexFile.toLocal8Bit().constData()) < 0 || PX_read_primary_index(index) < 0
        || PX_add_primary_index(m_doc, index) < 0) {
        PX_delete(index);
        return false;
    }
    m_index = index;
    return true;
}

QList<PxlibIndexEntry> PxlibTable::indexEntries() const
{
    QList<PxlibIndexEntry> out;
    if (!m_index)
        return out;
    const auto *data = static_cast<const pxpindex_t *>(m_index->px_data);
    const int keySize = m_index->px_head->px_recordsize - 6;
    for (int i = 0; i < m_index->px_head->px_numrecords; ++i)
        out.append({QByteArray(data[i].data, keySize), data[i].blocknumber, data[i].numrecords, data[i].level});
    return out;
}

QVariantMap PxlibTable::record(int recno)
{
    QVariantMap out;
    pxval_t **values = PX_retrieve_record(m_doc, recno);
    if (!values)
        return out;
    pxfield_t *f = PX_get_fields(m_doc);
    for (int i = 0; i < PX_get_num_fields(m_doc); ++i) {
        const QString name = QString::fromLatin1(f[i].px_fname);
        pxval_t *v = values[i];
        if (v->isnull) {
            out.insert(name, QVariant());
        } else {
            switch (f[i].px_ftype) {
            case pxfAlpha: out.insert(name, QString::fromUtf8(v->value.str.val, v->value.str.len)); break;
            case pxfShort:
            case pxfLong: out.insert(name, int(v->value.lval)); break;
            case pxfNumber:
            case pxfCurrency: out.insert(name, v->value.dval); break;
            case pxfDate: out.insert(name, qlonglong(v->value.lval)); break;
            default: out.insert(name, QStringLiteral("?")); break;
            }
        }
        if (f[i].px_ftype == pxfAlpha && v->value.str.val)
            m_doc->free(m_doc, v->value.str.val);
        m_doc->free(m_doc, v);
    }
    m_doc->free(m_doc, values);
    return out;
}

QByteArray PxlibTable::rawRecord(int recno)
{
    QByteArray buffer(PX_get_recordsize(m_doc), '\0');
    if (!PX_get_record(m_doc, recno, buffer.data()))
        return {};
    return buffer;
}

qlonglong pxlibDayNumber(int year, int month, int day)
{
    return PX_GregorianToSdn(year, month, day) - 1721425;
}

QStringList writeWithPxlib(const QString &dataFile, const QString &indexFile, const QList<PxlibField> &fields,
                           const QList<QVariantList> &rows)
{
    QStringList errors;
    std::vector<QByteArray> names;
    for (const PxlibField &f : fields)
        names.push_back(f.name.toLatin1());
    // pxlib takes ownership of the field array and the names: allocate them with malloc.
    auto *pxf = static_cast<pxfield_t *>(std::malloc(sizeof(pxfield_t) * size_t(fields.size())));
    for (int i = 0; i < fields.size(); ++i) {
        pxf[i].px_fname = strdup(names[size_t(i)].constData());
        pxf[i].px_ftype = char(fields[i].type);
        pxf[i].px_flen = fields[i].size;
        pxf[i].px_fdc = 0;
    }
    px_doc *doc = PX_new3(&PxlibTable::onError, nullptr, nullptr, nullptr, &errors);
    if (PX_create_file(doc, pxf, int(fields.size()), dataFile.toLocal8Bit().constData(), pxfFileTypIndexDB) < 0) {
        PX_delete(doc);
        return errors;
    }
    // The code page and the encodings must be set before any record is added.
    PX_set_value(doc, "codepage", 874);
    PX_set_tablename(doc, "MOTOR");
    PX_set_inputencoding(doc, "UTF-8");
    PX_set_targetencoding(doc, "CP874");
    const int recordSize = PX_get_recordsize(doc);
    for (const QVariantList &row : rows) {
        QByteArray record(recordSize, '\0');
        int offset = 0;
        for (int i = 0; i < fields.size(); ++i) {
            char *at = record.data() + offset;
            const QVariant &v = row.value(i);
            if (v.isValid()) {
                switch (fields[i].type) {
                case pxfAlpha: {
                    QByteArray text = v.toString().toUtf8();
                    PX_put_data_alpha(doc, at, fields[i].size, text.data());
                    break;
                }
                case pxfShort: PX_put_data_short(doc, at, 2, short(v.toInt())); break;
                case pxfNumber: PX_put_data_double(doc, at, 8, v.toDouble()); break;
                case pxfDate: {
                    const QDate d = v.toDate();
                    PX_put_data_long(doc, at, 4, int(pxlibDayNumber(d.year(), d.month(), d.day())));
                    break;
                }
                }
            }
            offset += fields[i].size;
        }
        PX_put_record(doc, record.data());
    }
    PX_close(doc);
    PX_delete(doc);

    if (!indexFile.isEmpty()) {
        px_doc *db = PX_new3(&PxlibTable::onError, nullptr, nullptr, nullptr, &errors);
        PX_open_file(db, dataFile.toLocal8Bit().constData());
        auto *keyField = static_cast<pxfield_t *>(std::malloc(sizeof(pxfield_t)));
        keyField->px_fname = strdup(names.front().constData());
        keyField->px_ftype = char(fields.front().type);
        keyField->px_flen = fields.front().size;
        keyField->px_fdc = 0;
        px_doc *index = PX_new3(&PxlibTable::onError, nullptr, nullptr, nullptr, &errors);
        PX_create_file(index, keyField, 1, indexFile.toLocal8Bit().constData(), pxfFileTypPrimIndex);
        PX_write_primary_index(db, index);
        PX_close(index);
        PX_delete(index);
        PX_close(db);
        PX_delete(db);
    }
    return errors;
}
