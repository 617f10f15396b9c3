#pragma once
// The code tables a fresh installation ships with, and the demo rows that let the
// main job be tried at once. Each entry is one row: column name → value.
#include <QList>
#include <QString>
#include <QVariantMap>

namespace data::installdata {

struct TableRows {
    QString table;
    QList<QVariantMap> rows;
};

// PROVINCE, PREFIX, PACKET, PACKET_OLD, PAYTYPE, BRANCH, CAR_MODEL.
QList<TableRows> codeTables();
// AGENT, PRB, STICKER, POLMOTOR, STICKER2: agents (among them "0001" with typed
// discounts, fixed-rate and percentage-rate agents), compulsory policies with their
// forms, and one received range of policy numbers. `today` is the Buddhist-era date.
QList<TableRows> demoTables(const QDate &today);

} // namespace data::installdata
