#pragma once
// The derived values of the data module's datasets, computed for every row read.
#include <QDate>
#include <QString>

#include "engine/dataset.h"

class TDm;

namespace data {

// (((netprem + prbnetprem) + fee) − motcom) − prbcom in extended precision, rounded
// to a whole number with halves going to the even one (1000.5 → 1000, 1001.5 → 1002).
double roundedNetpaid(double netprem, double prbnetprem, double fee, double motcom, double prbcom);
// Engine or load text by package code: "110"/"120" the cc + " C.C.", "320" the whole
// tonnes + " Tonage", "210" empty text, any other code a null value (not set).
QVariant engineText(const QString &code, double csize, double weight);
// The agent's name up to and including its first blank; empty without a blank.
QString firstNameWithBlank(const QString &agentName);
// The bill number: yymmdd of the stored (Buddhist-era) key date + the agent code.
QString invoiceNumber(const QDate &keyDate, const QString &agent);

void calcMotorQ(TDm &dm, engine::Dataset &row);
void calcMotorT(TDm &dm, engine::Dataset &row);
void calcPolMotorStatus(engine::Dataset &row);
void calcRecAllQ3(engine::Dataset &row);

} // namespace data
