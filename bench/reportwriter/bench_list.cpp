// A 10,000-row, 15-column list grouped by agent with group sums, laid out and
// printed to PDF by the report writer, against plain QPainter drawing the same
// strings and lines at the same places into a PDF. Prints both times and the ratio.
#include "platform/dateformat.h"
#include "reportwriter/painter.h"
#include "reportwriter/renderer.h"
#include "reportwriter/textmetrics.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>

using namespace reportwriter;

namespace {

constexpr int kRows = 10000;
constexpr int kAgents = 50;
const char16_t *const kMoney[] = {u"NETPREM", u"PRBNET", u"TOTAL", u"PCASH", u"PVISA", u"OUTST", u"MOTCOM", u"PRBCOM"};

FontSpec font(double size, bool bold = false)
{
    FontSpec f;
    f.family = QStringLiteral("AngsanaUPC");
    f.pointSize = size;
    f.bold = bold;
    return f;
}

MemorySource rows()
{
    MemorySource s;
    for (const char16_t *f : {u"ROWNO", u"POLNO", u"PRBPOLNO", u"NAME", u"REGNO", u"EFFDATE", u"agentname"})
        s.addField(QString::fromUtf16(f));
    for (const char16_t *f : kMoney)
        s.addField(QString::fromUtf16(f), QStringLiteral("#,###.00"));
    for (int i = 0; i < kRows; ++i) {
        QVariantList r{i + 1, QStringLiteral("5%1").arg(i, 7, 10, QChar(u'0')), QStringLiteral("P%1").arg(i, 7, 10, QChar(u'0')),
                       QStringLiteral("นายสมชาย ใจดี %1").arg(i % 97), QStringLiteral("กข %1").arg(1000 + i % 9000),
                       QDate(2550, 1, 1).addDays(i % 365), QStringLiteral("ตัวแทน %1").arg(i * kAgents / kRows)};
        for (int m = 0; m < 8; ++m)
            r.append(1000.25 * (m + 1) + i % 100);
        s.addRow(r);
    }
    return s;
}

Layout list()
{
    Layout l;
    l.page = PageSetup::customInches(14, 11);
    l.pageHeader.height = 0.6;
    l.pageHeader.items = {Item::label(QStringLiteral("Company"), 0, 6.75, QStringLiteral("บริษัท ควาลประกันภัย จำกัด"), font(18, true), Align::Center),
                          Item::sys(QStringLiteral("PageNo"), 0, 13.5, SystemData::PageNumber, QStringLiteral("หน้าที่ : "), font(14, true), Align::Right),
                          Item::sys(QStringLiteral("Date"), 0.3, 13.5, SystemData::PrintDate, QStringLiteral("วันที่พิมพ์ : "), font(14, true), Align::Right)};
    l.columnHeader.height = 0.3;
    l.columnHeader.items = {Item::hline(0, 0, 13.5), Item::hline(0.29, 0, 13.5)};
    const QStringList heads{QStringLiteral("ลำดับ"), QStringLiteral("เลขกรมธรรม์"), QStringLiteral("เลข พรบ."), QStringLiteral("ชื่อลูกค้า"),
                            QStringLiteral("ทะเบียน"), QStringLiteral("วันคุ้มครอง")};
    const double left[] = {0.45, 0.6, 1.45, 2.3, 3.65, 4.3};
    l.columnHeader.items.append(Item::label({}, 0.03, left[0], heads[0], font(14, true), Align::Right));
    for (int c = 1; c < 6; ++c)
        l.columnHeader.items.append(Item::label({}, 0.03, left[c], heads[c], font(14, true)));
    const QStringList moneyHeads{QStringLiteral("ปภ.3"), QStringLiteral("พรบ."), QStringLiteral("รวมเงิน"), QStringLiteral("เงินสด"),
                                 QStringLiteral("VISA"), QStringLiteral("ค้างชำระ"), QStringLiteral("ปภ.3"), QStringLiteral("พรบ.")};
    Group g;
    g.expression = QStringLiteral("agentname");
    g.footer.height = 0.3;
    g.footer.items = {Item::data(QStringLiteral("GAgent"), 0, 0.4, QStringLiteral("agentname"), font(14))};
    l.summary.height = 0.35;
    l.summary.items = {Item::hline(0, 0, 13.5), Item::label({}, 0.03, 0.4, QStringLiteral("รวมทั้งหมด"), font(14, true))};
    l.detail.height = 0.22;
    l.detail.items = {Item::data({}, 0, left[0], QStringLiteral("ROWNO"), font(14), Align::Right)};
    const QStringList texts{QStringLiteral("POLNO"), QStringLiteral("PRBPOLNO"), QStringLiteral("NAME"), QStringLiteral("REGNO"),
                            QStringLiteral("EFFDATE")};
    for (int c = 0; c < 5; ++c)
        l.detail.items.append(Item::data({}, 0, left[c + 1], texts[c], font(14)));
    for (int m = 0; m < 8; ++m) {
        const double right = 6.0 + m * (7.5 / 7);
        const QString field = QString::fromUtf16(kMoney[m]);
        l.columnHeader.items.append(Item::label({}, 0.03, right, moneyHeads[m], font(14, true), Align::Right));
        l.detail.items.append(Item::data({}, 0, right, field, font(14), Align::Right));
        g.footer.items.append(Item::expr({}, 0, right, QStringLiteral("SUM(%1)").arg(field), QStringLiteral("#,###.00"), font(14), Align::Right));
        l.summary.items.append(Item::expr({}, 0.03, right, QStringLiteral("SUM(%1)").arg(field), QStringLiteral("#,###.00"), font(14, true), Align::Right));
    }
    l.groups.append(g);
    l.pageFooter.height = 0.25;
    return l;
}

QPrinter *pdfPrinter(const QString &file, const DisplayList &dl)
{
    auto *p = new QPrinter(QPrinter::HighResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(file);
    preparePrinter(*p, dl);
    return p;
}

// The baseline: the same strings at the same places, drawn with QPainter only.
void plainPainter(const DisplayList &dl, const QString &file)
{
    std::unique_ptr<QPrinter> printer(pdfPrinter(file, dl));
    QPainter painter(printer.get());
    const double dpi = printer->resolution();
    TextMetrics metrics; // fonts and ascents prepared as any QPainter program would
    for (int p = 0; p < dl.pages.size(); ++p) {
        if (p > 0)
            printer->newPage();
        for (const DisplayItem &i : dl.pages[p].items) {
            if (i.kind == DisplayItem::Kind::Line) {
                painter.setPen(QPen(Qt::black, i.lineWidth * dpi));
                painter.drawLine(QPointF(i.rect.left() * dpi, i.rect.top() * dpi), QPointF(i.rect.right() * dpi, i.rect.bottom() * dpi));
                continue;
            }
            painter.setFont(metrics.font(i.font));
            painter.setPen(Qt::black);
            painter.drawText(QPointF(i.rect.left() * dpi, (i.rect.top() + metrics.ascent(i.font)) * dpi), i.text);
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::DateFormat::activate();
    QTemporaryDir temp;
    // an optional folder argument keeps the two PDF files for a look
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : temp.path());
    const Layout layout = list();

    double best = 1e300, bestBase = 1e300, layoutOnly = 1e300;
    qsizetype pages = 0, items = 0;
    for (int round = 0; round < 3; ++round) {
        MemorySource source = rows();
        QElapsedTimer t;
        t.start();
        const DisplayList dl = render(layout, source);
        layoutOnly = std::min(layoutOnly, t.nsecsElapsed() / 1e9);
        writePdf(dl, dir.filePath(QStringLiteral("writer.pdf")));
        best = std::min(best, t.nsecsElapsed() / 1e9);

        t.restart();
        plainPainter(dl, dir.filePath(QStringLiteral("plain.pdf")));
        bestBase = std::min(bestBase, t.nsecsElapsed() / 1e9);
        pages = dl.pages.size();
        items = 0;
        for (const DisplayPage &p : dl.pages)
            items += p.items.size();
    }
    std::printf("list of %d rows x 15 columns, %d groups: %lld pages, %lld items\n", kRows, kAgents,
                static_cast<long long>(pages), static_cast<long long>(items));
    std::printf("report writer (layout + PDF): %.3f s\n", best);
    std::printf("  of which layout           : %.3f s\n", layoutOnly);
    std::printf("plain QPainter (PDF)        : %.3f s\n", bestBase);
    std::printf("ratio                       : %.2f (aim: within 2.00)\n", best / bestBase);
    return 0;
}
