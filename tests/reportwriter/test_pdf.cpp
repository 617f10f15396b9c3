// Reports printed to PDF and read back by poppler (an independent reader):
// every text sits where the layout put it, Thai text survives shaping.
#include "fixtures.h"
#include "pdftext.h"

#include "reportwriter/painter.h"
#include "reportwriter/renderer.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace reportwriter;
using K = Band::Kind;

namespace {

constexpr double kTolerance = 0.01; // inch

// Every band kind with Thai text in it (tone marks, sara am, marks above vowels).
Layout everyBand()
{
    Layout l = fixture::salesList();
    l.groups[0].header.height = 0.3;
    l.groups[0].header.items = {Item::label(QStringLiteral("Dear"), 0, 0.6, QStringLiteral("เรียน :"), fixture::angsana(14)),
                                Item::data(QStringLiteral("DearName"), 0, 1.5, QStringLiteral("agentname"), fixture::angsana(14))};
    l.detail.items.append(Item::label(QStringLiteral("Weight"), 0, 4.0, QStringLiteral("น้ำหนัก"), fixture::angsana(14)));
    l.pageFooter.items.append(Item::label(QStringLiteral("Receiver"), 0, 7.5, QStringLiteral("ผู้รับเงิน"),
                                          fixture::angsana(14, true), Align::Right));
    return l;
}

struct Found
{
    QString text;
    QRectF box;
};

// The words printed inside an item's box, in reading order: pdftotext splits Thai
// words where a mark is placed on its own, so the pieces are put back together.
Found wordsIn(const QList<PdfWord> &words, int page, const QRectF &rect)
{
    QList<PdfWord> inside;
    const QRectF area = rect.adjusted(-0.05, 0, 0.05, 0);
    for (const PdfWord &w : words) {
        if (w.page == page && area.left() <= w.box.center().x() && w.box.center().x() <= area.right()
            && area.top() <= w.box.center().y() && w.box.center().y() <= area.bottom())
            inside.append(w);
    }
    // A mark the reader gives as a word of its own (zero width, just right of the
    // letter it sits on) belongs to the word that ends there.
    auto isMark = [](QChar c) {
        const char16_t u = c.unicode();
        return u == 0x0E31 || (u >= 0x0E34 && u <= 0x0E3A) || (u >= 0x0E47 && u <= 0x0E4E);
    };
    QList<PdfWord> bases, marks;
    for (const PdfWord &w : inside)
        (std::all_of(w.text.begin(), w.text.end(), isMark) ? marks : bases).append(w);
    std::sort(bases.begin(), bases.end(), [](const PdfWord &a, const PdfWord &b) { return a.box.left() < b.box.left(); });
    for (const PdfWord &m : marks) {
        PdfWord *under = nullptr;
        for (PdfWord &b : bases) {
            if (b.box.right() <= m.box.left() + 0.01 && (!under || b.box.right() > under->box.right()))
                under = &b;
        }
        if (under)
            under->text += m.text;
        else
            bases.prepend(m);
    }
    Found f;
    for (const PdfWord &w : bases) {
        f.text += w.text;
        f.box = f.box.isNull() ? w.box : f.box.united(w.box);
    }
    f.text = normaliseThai(f.text);
    return f;
}

QString withoutSpaces(QString s)
{
    return s.remove(u' ');
}

} // namespace

class BandPdf : public ::testing::TestWithParam<K>
{
};

TEST_P(BandPdf, TextsSitWhereTheLayoutPutsThem)
{
    QTemporaryDir dir;
    auto rows = fixture::sales({30, 25});
    const DisplayList list = render(everyBand(), rows);
    ASSERT_GE(list.pages.size(), 2);
    const QString file = dir.filePath(QStringLiteral("%1.pdf").arg(bandKindName(GetParam())));
    writePdf(list, file);
    EXPECT_EQ(pdfPageCount(file), list.pages.size());
    const QList<PdfWord> words = readPdfWords(file);

    int checked = 0;
    for (int p = 0; p < list.pages.size(); ++p) {
        for (const DisplayItem &item : list.pages.at(p).items) {
            if (item.band != GetParam() || item.kind != DisplayItem::Kind::Text || item.text.isEmpty())
                continue;
            const Found f = wordsIn(words, p, item.rect);
            SCOPED_TRACE(item.name.toStdString() + " on page " + std::to_string(p + 1));
            EXPECT_EQ(f.text, normaliseThai(withoutSpaces(item.text)));
            EXPECT_NEAR(f.box.left(), item.rect.left(), kTolerance);
            EXPECT_NEAR(f.box.top(), item.rect.top(), kTolerance);
            if (item.align == Align::Right) {
                EXPECT_NEAR(f.box.right(), item.rect.right(), kTolerance);
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, BandPdf,
                         ::testing::Values(K::Title, K::PageHeader, K::ColumnHeader, K::GroupHeader, K::Detail,
                                           K::GroupFooter, K::Summary, K::PageFooter),
                         [](const auto &info) { return bandKindName(info.param).toStdString(); });

TEST(ReportPdf, PaperAndPositionsFollowThePageSetup)
{
    QTemporaryDir dir;
    Layout l;
    l.page = PageSetup::customInches(14, 11);
    l.page.setMargins(0.5, 0.3, 0.15, 0.15);
    l.detail.height = 15.482 - 15; // one short detail band
    l.detail.items = {Item::data(QStringLiteral("Polno"), 0.2, 1.237, QStringLiteral("POLNO"), fixture::angsana(16)),
                      Item::data(QStringLiteral("Prem"), 0.2, 7.435, QStringLiteral("PREM"), fixture::angsana(16),
                                 Align::Right)};
    MemorySource rows;
    rows.addField(QStringLiteral("POLNO"));
    rows.addField(QStringLiteral("PREM"), QStringLiteral("#,###.00"));
    rows.addRow({QStringLiteral("50000001"), 12345.5});
    const QString file = dir.filePath(QStringLiteral("wide.pdf"));
    writePdf(render(l, rows), file);

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {file});
    info.waitForFinished();
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QStringLiteral("1008 x 792 pts")));

    const QList<PdfWord> words = readPdfWords(file);
    const auto polno = findWords(words, QStringLiteral("50000001"));
    const auto prem = findWords(words, QStringLiteral("12,345.50"));
    ASSERT_EQ(polno.size(), 1);
    ASSERT_EQ(prem.size(), 1);
    EXPECT_NEAR(polno[0].box.left(), 0.15 + 1.237, kTolerance);
    EXPECT_NEAR(polno[0].box.top(), 0.5 + 0.2, kTolerance);
    EXPECT_NEAR(prem[0].box.right(), 0.15 + 7.435, kTolerance);
}

TEST(ReportPdf, ThaiNormalisationOfTheReader)
{
    // what pdftotext gives for the shaped forms, and what was printed
    EXPECT_EQ(normaliseThai(QStringLiteral("จ\u0E4D\u0E32กัด")), QStringLiteral("จำกัด"));
    EXPECT_EQ(normaliseThai(QStringLiteral("น\u0E4D\u0E49\u0E32หนัก")), QStringLiteral("น้ำหนัก"));
    EXPECT_EQ(normaliseThai(QStringLiteral("หน\uF70Bาที่")), QStringLiteral("หน้าที่"));
    EXPECT_EQ(normaliseThai(QStringLiteral("ผ\uF70B\u0E39")), QStringLiteral("ผู้"));
}

TEST(ReportPdf, LandscapeAndMillimetrePaper)
{
    QTemporaryDir dir;
    Layout l;
    l.page = PageSetup::a4();
    l.page.orientation = PageSetup::Orientation::Landscape;
    l.page.setMarginsMillimetres(20, 10, 15, 10);
    l.title.height = 0.5;
    l.title.items = {Item::label(QStringLiteral("Right"), 0, l.page.printableWidth(), QStringLiteral("END"),
                                 fixture::angsana(14), Align::Right)};
    MemorySource rows({QStringLiteral("X")});
    const QString file = dir.filePath(QStringLiteral("landscape.pdf"));
    writePdf(render(l, rows), file);

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {file});
    info.waitForFinished();
    static const QRegularExpression size(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    const auto m = size.match(QString::fromUtf8(info.readAllStandardOutput()));
    ASSERT_TRUE(m.hasMatch());
    EXPECT_NEAR(m.captured(1).toDouble(), 297 / 25.4 * 72, 1);
    EXPECT_NEAR(m.captured(2).toDouble(), 210 / 25.4 * 72, 1);
    const auto end = findWords(readPdfWords(file), QStringLiteral("END"));
    ASSERT_EQ(end.size(), 1);
    EXPECT_NEAR(end[0].box.right(), (297 - 10) / 25.4, kTolerance); // against the right margin
    EXPECT_NEAR(end[0].box.top(), 20 / 25.4, kTolerance);
}
