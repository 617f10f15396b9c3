#pragma once
// The transfer table MOTOR.DB / MOTOR.PX that head office receives: 48 columns, the
// first 48 of the policy table in the same order and under the same names, keyed by
// POLNO (the first column).
#include "transfer/column.h"

namespace transfer {

inline const QString motorTableName = QStringLiteral("MOTOR");
inline const QString motorKeyColumn = QStringLiteral("POLNO");

// CHAR/VARCHAR(n) are Alpha of width n, SMALLINT Short, FLOAT(8,2) Double, DATE Date.
// MOTORTYPE, PROVINCE and PROVINCE2 default to 1.
const QList<Column> &motorColumns();

} // namespace transfer
