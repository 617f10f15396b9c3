#pragma once
// The rating as the sale and amendment windows run it: one function per event, each
// reading the policy row and the current package or agent row afresh and writing only
// the policy's columns (see recordaccess.h for the rows and field names).
//
// | event of the window                          | call                          |
// |----------------------------------------------|-------------------------------|
// | package drop-down list closed (row chosen)   | packageChosen                 |
// | leaving the package field                    | packageLeft                   |
// | leaving the end-date field                   | endDateLeft                   |
// | agent drop-down list closed                  | agentChosen                   |
// | agent search "..." closed                    | agentSearched                 |
// | leaving the fee or the paid field            | feeOrPaidLeft                 |
// | a character typed into the paid field        | characterTypedIntoPaid        |
// | leaving the MOTCOM or PRBCOM field           | discountLeft                  |
// | print commands, after the validations        | prepareForPrint               |
// | save command, after the validations          | prepareForSave                |
//
// Whether the two discount fields are editable tab stops follows discountsTypedByHand
// after every call that changes the agent or runs calRate.
//
// A date with no real calendar day throws platform::Error with the standard
// invalid-date message before anything is written, so the amounts stay as they were.
// While the effective or the end date is empty the period is not priced and the
// premium amounts stay as they were.
#include <QString>

#include "policy/recordaccess.h"

namespace policy {

// CalRate2: PREM, STAMP, TAX, NETPREM for the period EFFDATE to ENDDATE from the
// package's PREM, STAMP, TAX.
void calRate2(RecordAccess &policy, const RecordAccess &package);

// CalRate: MOTCOM and PRBCOM from the agent's rates (not for the direct sale, whose
// discounts are typed), then OUTSTANDING := netpaid − PAID. netpaid is worked out
// here from NETPREM, prbnetprem, FEE and the new discounts by the data module's rule,
// so an adapter need not recompute calculated fields while the rating writes.
void calRate(RecordAccess &policy, const RecordAccess &agent);

// The large-engine substitution: PREM1 := the package's PREM3 for codes "110" and
// "120" with CSIZE above 2000. Nothing undoes it; leaving the package field copies
// PREM1 anew.
void applyLargeEngine(RecordAccess &policy, const RecordAccess &package);

// CODE := the chosen package's CODE. The window then moves the focus to the brand.
void packageChosen(RecordAccess &policy, const RecordAccess &package);

// calRate2, then PREM1, PREM2, DISCOUNT, COMMISS copied from the package.
void packageLeft(RecordAccess &policy, const RecordAccess &package);

// calRate2 when the package row has a non-empty CODE; otherwise nothing.
void endDateLeft(RecordAccess &policy, const RecordAccess &package);

// AGENT := the agent's code; for the direct sale both discounts start at 0; calRate.
void agentChosen(RecordAccess &policy, const RecordAccess &agent);

// After the agent search window: with a picked agent (AgentT positioned on it by the
// caller) agentChosen runs; without one (nullptr) nothing changes.
void agentSearched(RecordAccess &policy, const RecordAccess *pickedAgent);

// Leaving the fee or the paid field: calRate.
void feeOrPaidLeft(RecordAccess &policy, const RecordAccess &agent);

// A key typed into the paid field, given as the text it produces: any character but
// Enter (which moves the focus) turns a credit sale (CASH "0") into a cash sale.
void characterTypedIntoPaid(RecordAccess &policy, const QString &typed);

// Leaving MOTCOM or PRBCOM: for the direct sale OUTSTANDING := netpaid − PAID with
// the typed discounts; for any other agent nothing.
void discountLeft(RecordAccess &policy);

// True when the policy's agent is the direct sale, whose discounts are typed.
bool discountsTypedByHand(const RecordAccess &policy);

// Print: the large-engine substitution only (the save that must follow rates).
void prepareForPrint(RecordAccess &policy, const RecordAccess &package);

// Save: the large-engine substitution, calRate, then A := "1" when prbprem is not 0.
void prepareForSave(RecordAccess &policy, const RecordAccess &package, const RecordAccess &agent);

} // namespace policy
