#pragma once
// The byte layout shared by the Paradox writer and reader (table level 7).
//
// A file is a header of headerSize bytes followed by blocks of blockSize bytes. Each
// block starts with three little-endian words (next block, previous block, bytes in
// use minus one record) and holds records back to back. Header words are
// little-endian; values inside records are big-endian with the sign bit inverted, so
// that an all-zero field is the format's blank and byte order equals number order.
#include <QDate>
#include <QtGlobal>
#include <cstring>

#include "transfer/column.h"

namespace transfer::px {

constexpr int headerSize = 0x0800;
constexpr int blockSizeCode = 4; // the header's "maximum table size": blocks of 4 x 1 KiB
constexpr int blockSize = blockSizeCode * 0x400;
constexpr int blockHeaderSize = 6;
constexpr int maxBlocks = 0xFFFF; // block numbers are words
constexpr quint8 fileVersion7 = 0x0C;
constexpr int tableNameLength7 = 261;
constexpr int tableNameLengthOld = 79;
constexpr quint16 codePage874 = 874;
constexpr int indexEntryExtra = 6; // block number, record count, spare: three shorts

// File types at header offset 4.
constexpr quint8 fileKeyedTable = 0;
constexpr quint8 filePrimaryIndex = 1;
constexpr quint8 fileUnkeyedTable = 2;

// Field type codes.
constexpr quint8 typeAlpha = 0x01;
constexpr quint8 typeDate = 0x02;
constexpr quint8 typeShort = 0x03;
constexpr quint8 typeLong = 0x04;
constexpr quint8 typeCurrency = 0x05;
constexpr quint8 typeNumber = 0x06;
constexpr quint8 typeLogical = 0x09;
constexpr quint8 typeAutoInc = 0x16;

// A stored date counts days from 1 January of year 1 (day 1).
constexpr qint64 dateJulianOffset = 1721425;

quint8 typeCode(ColumnType type);

inline void putWordLE(char *at, quint16 v)
{
    at[0] = char(v & 0xFF);
    at[1] = char(v >> 8);
}
inline void putLongLE(char *at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        at[i] = char((v >> (8 * i)) & 0xFF);
}
inline quint16 wordLE(const char *at)
{
    return quint16(quint8(at[0]) | (quint8(at[1]) << 8));
}
inline quint32 longLE(const char *at)
{
    return quint32(quint8(at[0])) | (quint32(quint8(at[1])) << 8) | (quint32(quint8(at[2])) << 16)
        | (quint32(quint8(at[3])) << 24);
}

inline bool isBlank(const char *at, int size)
{
    for (int i = 0; i < size; ++i) {
        if (at[i] != 0)
            return false;
    }
    return true;
}

// Record values. Callers keep shorts within -32767..32767: -32768 would read as blank.
inline void putShort(char *at, qint16 v)
{
    const quint16 u = quint16(v) ^ 0x8000;
    at[0] = char(u >> 8);
    at[1] = char(u & 0xFF);
}
inline qint16 getShort(const char *at)
{
    return qint16((quint16(quint8(at[0])) << 8 | quint8(at[1])) ^ 0x8000);
}
inline void putLong(char *at, qint32 v)
{
    const quint32 u = quint32(v) ^ 0x80000000u;
    for (int i = 0; i < 4; ++i)
        at[i] = char((u >> (8 * (3 - i))) & 0xFF);
}
inline qint32 getLong(const char *at)
{
    quint32 u = 0;
    for (int i = 0; i < 4; ++i)
        u = (u << 8) | quint8(at[i]);
    return qint32(u ^ 0x80000000u);
}
// Positive numbers get their sign bit set, negative ones have every bit inverted.
inline void putDouble(char *at, double v)
{
    if (v == 0)
        v = 0; // no negative zero
    quint64 u;
    std::memcpy(&u, &v, 8);
    u = (u & 0x8000000000000000ull) ? ~u : (u | 0x8000000000000000ull);
    for (int i = 0; i < 8; ++i)
        at[i] = char((u >> (8 * (7 - i))) & 0xFF);
}
inline double getDouble(const char *at)
{
    quint64 u = 0;
    for (int i = 0; i < 8; ++i)
        u = (u << 8) | quint8(at[i]);
    u = (u & 0x8000000000000000ull) ? (u & ~0x8000000000000000ull) : ~u;
    double v;
    std::memcpy(&v, &u, 8);
    return v;
}
inline void putDate(char *at, const QDate &d)
{
    putLong(at, qint32(d.toJulianDay() - dateJulianOffset));
}
inline QDate getDate(const char *at)
{
    return QDate::fromJulianDay(getLong(at) + dateJulianOffset);
}

} // namespace transfer::px
