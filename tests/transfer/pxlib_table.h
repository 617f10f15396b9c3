#pragma once
// An independent view of a Paradox table through pxlib, for checking what the
// project's writer produces and for producing tables the project's reader must read.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

struct px_doc;

struct PxlibField
{
    QString name;
    int type = 0; // pxlib's field type code (pxfAlpha, pxfShort, ...)
    int size = 0;
};

struct PxlibIndexEntry
{
    QByteArray key;    // raw key bytes
    int block = 0;     // the block it points to (a data block on level 1)
    int records = 0;   // records covered
    int level = 0;
};

class PxlibTable
{
public:
    // Opens a data file; text is recoded to UTF-8 by pxlib from the table's code page.
    explicit PxlibTable(const QString &dataFile);
    ~PxlibTable();
    PxlibTable(const PxlibTable &) = delete;
    PxlibTable &operator=(const PxlibTable &) = delete;

    bool isOpen() const { return m_doc != nullptr; }
    QStringList errors() const { return m_errors; }

    int codePage() const;
    int fileType() const;
    int primaryKeyFields() const;
    int recordCount() const;
    QList<PxlibField> fields() const;

    // Reads the primary index and attaches it, so that records are then located through
    // it. False (with errors()) when pxlib refuses the index.
    bool attachIndex(const QString &indexFile);
    QList<PxlibIndexEntry> indexEntries() const;

    // A record by pxlib's values: null for blank; text as QString, short and long as
    // int, number as double, date as pxlib's day number (qlonglong).
    QVariantMap record(int recno);
    QByteArray rawRecord(int recno);

private:
    px_doc *m_doc = nullptr;
    px_doc *m_index = nullptr;
    QStringList m_errors;

public:
    // pxlib's error handler: appends each message to the QStringList at data.
    static void onError(px_doc *p, int type, const char *msg, void *data);
};

// Writes a keyed table with pxlib (first field the key, code page 874, rows given in key
// order as values by field: QString, int, double or QDate; invalid for blank), and its
// primary index beside it when indexFile is not empty. Returns pxlib's errors.
QStringList writeWithPxlib(const QString &dataFile, const QString &indexFile, const QList<PxlibField> &fields,
                           const QList<QVariantList> &rows);

// pxlib's day number of a date (days from 1 January of year 1, counting it as 1).
qlonglong pxlibDayNumber(int year, int month, int day);
