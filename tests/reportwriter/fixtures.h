#pragma once
// Layouts and rows shared by the report writer's tests: a sales list grouped by
// agent, in the shape of the program's management reports.
#include "reportwriter/layout.h"
#include "reportwriter/reportsource.h"

#include <QDate>

namespace fixture {

using namespace reportwriter;

inline FontSpec angsana(double size, bool bold = false)
{
    FontSpec f;
    f.family = QStringLiteral("AngsanaUPC");
    f.pointSize = size;
    f.bold = bold;
    return f;
}

// Fields: POLNO, agentname, EFFDATE, NETPREM ("#,###.00"), SEAT.
// rowsPerAgent gives the number of rows of each agent in turn ("ก", "ข", ...).
inline MemorySource sales(const QList<int> &rowsPerAgent)
{
    MemorySource s;
    s.addField(QStringLiteral("POLNO"));
    s.addField(QStringLiteral("agentname"));
    s.addField(QStringLiteral("EFFDATE"));
    s.addField(QStringLiteral("NETPREM"), QStringLiteral("#,###.00"));
    s.addField(QStringLiteral("SEAT"));
    const QStringList letters{QStringLiteral("ก"), QStringLiteral("ข"), QStringLiteral("ค"), QStringLiteral("ง")};
    int n = 0;
    for (int a = 0; a < rowsPerAgent.size(); ++a) {
        const QString agent = QStringLiteral("ตัวแทน") + letters.at(a % letters.size());
        for (int r = 0; r < rowsPerAgent.at(a); ++r, ++n)
            s.addRow({QStringLiteral("%1").arg(50000001 + n), agent, QDate(2550, 5, 27).addDays(n),
                      1000.5 + n, 4 + n % 3});
    }
    return s;
}

// Page header (page number, right), title (company line, first page only),
// column header (two headings between rules), a group per agent (footer with
// the agent's sum), detail (row number, policy, date, premium right-aligned at
// 6.5 in), summary (count and grand sum) and a page footer.
inline Layout salesList()
{
    Layout l;
    l.page = PageSetup::customInches(8, 11);
    l.pageHeader.height = 0.3;
    l.pageHeader.items = {Item::sys(QStringLiteral("PageNo"), 0, 7.5, SystemData::PageNumber,
                                    QStringLiteral("หน้าที่ "), angsana(14, true), Align::Right)};
    l.title.height = 0.4;
    l.title.items = {Item::label(QStringLiteral("Company"), 0, 3.75, QStringLiteral("บริษัท ควาลประกันภัย จำกัด"),
                                 angsana(18, true), Align::Center)};
    l.columnHeader.height = 0.35;
    l.columnHeader.items = {Item::hline(0, 0, 7.5),
                            Item::label(QStringLiteral("HPolno"), 0.05, 0.6, QStringLiteral("เลขกรมธรรม์"), angsana(14, true)),
                            Item::label(QStringLiteral("HPrem"), 0.05, 6.5, QStringLiteral("เบี้ยรวม"), angsana(14, true), Align::Right),
                            Item::hline(0.33, 0, 7.5)};
    Group g;
    g.expression = QStringLiteral("agentname");
    g.header.height = 0;
    g.footer.height = 0.3;
    g.footer.items = {Item::data(QStringLiteral("GAgent"), 0, 0.6, QStringLiteral("agentname"), angsana(14)),
                      Item::expr(QStringLiteral("GSum"), 0, 6.5, QStringLiteral("SUM(NETPREM)"),
                                 QStringLiteral("#,###.00"), angsana(14), Align::Right)};
    l.groups.append(g);
    l.detail.height = 0.25;
    l.detail.items = {Item::sys(QStringLiteral("RowNo"), 0, 0.4, SystemData::RecordNumber, {}, angsana(14), Align::Right),
                      Item::data(QStringLiteral("Polno"), 0, 0.6, QStringLiteral("POLNO"), angsana(14)),
                      Item::data(QStringLiteral("Effdate"), 0, 2.0, QStringLiteral("EFFDATE"), angsana(14)),
                      Item::data(QStringLiteral("Prem"), 0, 6.5, QStringLiteral("NETPREM"), angsana(14), Align::Right)};
    l.summary.height = 0.4;
    l.summary.items = {Item::hline(0, 0, 7.5),
                       Item::label(QStringLiteral("Total"), 0.05, 0.6, QStringLiteral("รวมทั้งหมด"), angsana(14, true)),
                       Item::expr(QStringLiteral("Count"), 0.05, 3.0, QStringLiteral("COUNT"), QStringLiteral("#,###"),
                                  angsana(14, true), Align::Right),
                       Item::expr(QStringLiteral("Sum"), 0.05, 6.5, QStringLiteral("SUM(NETPREM)"),
                                  QStringLiteral("#,###.00"), angsana(14, true), Align::Right),
                       Item::hline(0.38, 0, 7.5)};
    l.pageFooter.height = 0.3;
    l.pageFooter.items = {Item::label(QStringLiteral("Footer"), 0, 0, QStringLiteral("ผู้จัดทำ"), angsana(14))};
    return l;
}

} // namespace fixture
