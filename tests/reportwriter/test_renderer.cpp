// Display lists: which bands print where, totals, positions.
#include "fixtures.h"

#include "platform/clock.h"
#include "platform/error.h"
#include "reportwriter/renderer.h"

#include <gtest/gtest.h>

using namespace reportwriter;
using K = Band::Kind;

namespace {

QStringList textsOf(const DisplayList &list, const QString &name)
{
    QStringList out;
    for (const DisplayPage &p : list.pages) {
        for (const DisplayItem &i : p.items) {
            if (i.name == name)
                out.append(i.text);
        }
    }
    return out;
}

QList<K> withoutRepeats(const QList<K> &kinds)
{
    QList<K> out;
    for (K k : kinds) {
        if (out.isEmpty() || out.last() != k)
            out.append(k);
    }
    return out;
}

int count(const QList<K> &kinds, K kind)
{
    return int(std::count(kinds.begin(), kinds.end(), kind));
}

// 11 in paper with 0.25 margins: 10.5 in printable; page header and footer of
// 0.5 in, a 1 in title: 17 detail rows of 0.5 in on the first page, 19 after.
Layout fixedRows()
{
    Layout l;
    l.page = PageSetup::customInches(8, 11);
    l.pageHeader.height = 0.5;
    l.pageHeader.items = {Item::sys(QStringLiteral("PageNo"), 0, 7, SystemData::PageNumber, QStringLiteral("หน้าที่ "))};
    l.title.height = 1.0;
    l.title.items = {Item::label(QStringLiteral("Title"), 0, 0, QStringLiteral("รายงาน"))};
    l.detail.height = 0.5;
    l.detail.items = {Item::data(QStringLiteral("Polno"), 0, 0, QStringLiteral("POLNO"))};
    l.summary.height = 0.5;
    l.summary.items = {Item::expr(QStringLiteral("Count"), 0, 0, QStringLiteral("COUNT"), QStringLiteral("#,###"))};
    l.pageFooter.height = 0.5;
    return l;
}

} // namespace

TEST(Renderer, BandOrderOnFirstMiddleAndLastPage)
{
    auto rows = fixture::sales({30, 30, 25});
    const DisplayList list = render(fixture::salesList(), rows);
    ASSERT_GE(list.pages.size(), 3);

    const QList<K> first = withoutRepeats(list.pages.first().bandKinds());
    EXPECT_EQ(first.mid(0, 4), (QList<K>{K::PageHeader, K::Title, K::ColumnHeader, K::Detail}));
    EXPECT_EQ(first.last(), K::PageFooter);
    EXPECT_EQ(count(first, K::Summary), 0);

    for (qsizetype p = 1; p + 1 < list.pages.size(); ++p) {
        const QList<K> middle = list.pages.at(p).bandKinds();
        EXPECT_EQ(middle.mid(0, 3), (QList<K>{K::PageHeader, K::ColumnHeader, K::Detail})) << "page " << p + 1;
        EXPECT_EQ(middle.last(), K::PageFooter);
        EXPECT_EQ(count(middle, K::Title) + count(middle, K::Summary), 0);
    }

    const QList<K> last = withoutRepeats(list.pages.last().bandKinds());
    EXPECT_EQ(last.mid(0, 2), (QList<K>{K::PageHeader, K::ColumnHeader}));
    EXPECT_EQ(last.mid(last.size() - 4), (QList<K>{K::Detail, K::GroupFooter, K::Summary, K::PageFooter}));

    QStringList pageNumbers;
    for (int p = 1; p <= list.pages.size(); ++p)
        pageNumbers.append(QStringLiteral("หน้าที่ %1").arg(p));
    EXPECT_EQ(textsOf(list, QStringLiteral("PageNo")), pageNumbers);
    EXPECT_EQ(textsOf(list, QStringLiteral("Company")).size(), 1);
}

TEST(Renderer, PageBreaksAtTheFooter)
{
    MemorySource rows({QStringLiteral("POLNO")});
    for (int i = 0; i < 40; ++i)
        rows.addRow({QStringLiteral("P%1").arg(i)});
    const DisplayList list = render(fixedRows(), rows);
    ASSERT_EQ(list.pages.size(), 3);
    EXPECT_EQ(count(list.pages[0].bandKinds(), K::Detail), 17);
    EXPECT_EQ(count(list.pages[1].bandKinds(), K::Detail), 19);
    EXPECT_EQ(count(list.pages[2].bandKinds(), K::Detail), 4);
    EXPECT_EQ(textsOf(list, QStringLiteral("Polno")).first(), QStringLiteral("P0"));
    EXPECT_EQ(textsOf(list, QStringLiteral("Polno")).last(), QStringLiteral("P39"));
    EXPECT_EQ(textsOf(list, QStringLiteral("Count")), QStringList{QStringLiteral("40")});
    for (const DisplayPage &page : list.pages) {
        for (const PlacedBand &b : page.bands) {
            if (b.kind != K::PageFooter) {
                EXPECT_LE(b.top + b.height, 11 - 0.25 - 0.5 + 1e-9);
            }
        }
        EXPECT_DOUBLE_EQ(page.bands.last().top, 11 - 0.25 - 0.5); // footer at the foot of every page
    }

    // 17 rows fill the first page exactly; the summary then needs a page of its own
    MemorySource exact({QStringLiteral("POLNO")});
    for (int i = 0; i < 17; ++i)
        exact.addRow({QStringLiteral("P%1").arg(i)});
    const DisplayList full = render(fixedRows(), exact);
    ASSERT_EQ(full.pages.size(), 2);
    EXPECT_EQ(full.pages[1].bandKinds(), (QList<K>{K::PageHeader, K::Summary, K::PageFooter}));
}

TEST(Renderer, GroupSumsRestartAndTotalsUseMasks)
{
    auto rows = fixture::sales({3, 2, 1});
    const DisplayList list = render(fixture::salesList(), rows);
    // 1000.50 + 1001.50 + 1002.50 | 1003.50 + 1004.50 | 1005.50
    EXPECT_EQ(textsOf(list, QStringLiteral("GSum")),
              (QStringList{QStringLiteral("3,004.50"), QStringLiteral("2,008.00"), QStringLiteral("1,005.50")}));
    EXPECT_EQ(textsOf(list, QStringLiteral("GAgent")),
              (QStringList{QStringLiteral("ตัวแทนก"), QStringLiteral("ตัวแทนข"), QStringLiteral("ตัวแทนค")}));
    EXPECT_EQ(textsOf(list, QStringLiteral("Sum")), QStringList{QStringLiteral("6,018.00")});
    EXPECT_EQ(textsOf(list, QStringLiteral("Count")), QStringList{QStringLiteral("6")});
    // the record number runs on across the groups
    EXPECT_EQ(textsOf(list, QStringLiteral("RowNo")),
              (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                           QStringLiteral("5"), QStringLiteral("6")}));
    // the field's display format applies to data text
    EXPECT_EQ(textsOf(list, QStringLiteral("Prem")).first(), QStringLiteral("1,000.50"));

    // a footer sits after the last row of its group
    const QList<K> kinds = list.pages[0].bandKinds();
    const qsizetype firstFooter = kinds.indexOf(K::GroupFooter);
    EXPECT_EQ(count(kinds.mid(0, firstFooter), K::Detail), 3);
}

TEST(Renderer, EmptyReportPrintsHeadingsAndZeroTotals)
{
    auto rows = fixture::sales({});
    const DisplayList list = render(fixture::salesList(), rows);
    ASSERT_EQ(list.pages.size(), 1);
    EXPECT_EQ(list.pages[0].bandKinds(),
              (QList<K>{K::PageHeader, K::Title, K::ColumnHeader, K::Summary, K::PageFooter}));
    EXPECT_EQ(textsOf(list, QStringLiteral("Count")), QStringList{QStringLiteral("0")});
    EXPECT_EQ(textsOf(list, QStringLiteral("Sum")), QStringList{QStringLiteral("0.00")});
    EXPECT_TRUE(textsOf(list, QStringLiteral("HPolno")).contains(QStringLiteral("เลขกรมธรรม์")));
}

TEST(Renderer, PrintDateIsGregorianWhileDataDatesKeepTheirYear)
{
    platform::Clock::setFixed(QDateTime(QDate(2007, 5, 27), QTime(9, 30)));
    Layout l = fixture::salesList();
    l.pageHeader.items.append(Item::sys(QStringLiteral("PrintDate"), 0.15, 7.5, SystemData::PrintDate,
                                        QStringLiteral("วันที่พิมพ์ : "), fixture::angsana(14), Align::Right));
    auto rows = fixture::sales({1});
    const DisplayList list = render(l, rows);
    platform::Clock::reset();
    EXPECT_EQ(textsOf(list, QStringLiteral("PrintDate")), QStringList{QStringLiteral("วันที่พิมพ์ : 27/05/2007")});
    EXPECT_EQ(textsOf(list, QStringLiteral("Effdate")), QStringList{QStringLiteral("27/05/2550")});
}

TEST(Renderer, AlignmentAgainstEdgesAndCentre)
{
    auto rows = fixture::sales({2, 1});
    const DisplayList list = render(fixture::salesList(), rows);
    const double left = 0.25;
    int checked = 0;
    for (const DisplayItem &i : list.pages[0].items) {
        if (i.name == u"Prem" || i.name == u"GSum" || i.name == u"Sum" || i.name == u"HPrem") {
            EXPECT_NEAR(i.rect.right(), left + 6.5, 1e-9) << i.text.toStdString();
            EXPECT_GT(i.rect.width(), 0.1);
            ++checked;
        } else if (i.name == u"Polno") {
            EXPECT_NEAR(i.rect.left(), left + 0.6, 1e-9);
        } else if (i.name == u"Company") {
            EXPECT_NEAR(i.rect.center().x(), left + 3.75, 1e-9);
        } else if (i.name == u"PageNo") {
            EXPECT_NEAR(i.rect.right(), left + 7.5, 1e-9);
        }
    }
    EXPECT_EQ(checked, 3 + 2 + 1 + 1);
}

TEST(Renderer, MarginChangeMovesEveryItemByTheSameAmount)
{
    Layout l = fixture::salesList();
    auto rows = fixture::sales({2, 2});
    const DisplayList before = render(l, rows);
    l.page.topMargin += 0.25;
    l.page.leftMargin += 0.1;
    auto again = fixture::sales({2, 2});
    const DisplayList after = render(l, again);
    const auto &a = before.pages[0].items;
    const auto &b = after.pages[0].items;
    ASSERT_EQ(a.size(), b.size());
    for (qsizetype i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].text, b[i].text);
        EXPECT_NEAR(b[i].rect.left() - a[i].rect.left(), 0.1, 1e-9);
        EXPECT_NEAR(b[i].rect.width(), a[i].rect.width(), 1e-9);
        // the page footer stays at the foot of the paper; everything else moves down
        EXPECT_NEAR(b[i].rect.top() - a[i].rect.top(), a[i].band == K::PageFooter ? 0.0 : 0.25, 1e-9)
            << a[i].name.toStdString();
    }
}

namespace {

// The billing document's running line number: label A restarts at 1 after each
// agent's header and counts up after each detail row; each agent on a new page.
Layout billing()
{
    Layout l = fixture::salesList();
    l.groups[0].newPage = true;
    l.groups[0].header.height = 0.3;
    l.groups[0].header.items = {Item::data(QStringLiteral("Dear"), 0, 0.6, QStringLiteral("agentname"))};
    l.groups[0].header.afterPrint = [](BandEvent &e) { e.item(QStringLiteral("A"))->text = QStringLiteral("1"); };
    l.detail.items.append(Item::label(QStringLiteral("A"), 0, 0.1, QStringLiteral("0")));
    l.detail.afterPrint = [](BandEvent &e) {
        Item *a = e.item(QStringLiteral("A"));
        a->text = QString::number(a->text.toInt() + 1);
    };
    // amount due: the group sum rounded half up to a whole baht
    l.groups[0].footer.items.append(Item::expr(
        QStringLiteral("Due"), 0, 7.5,
        QStringLiteral("IF(FRAC(SUM(NETPREM)) >= 0.5, INT(SUM(NETPREM)) + 1, INT(SUM(NETPREM)))"),
        QStringLiteral("#,###.00"), fixture::angsana(14, true), Align::Right));
    return l;
}

} // namespace

TEST(Renderer, AfterPrintHookNumbersLinesPerGroup)
{
    const Layout layout = billing();
    auto rows = fixture::sales({3, 2});
    const DisplayList list = render(layout, rows);
    EXPECT_EQ(textsOf(list, QStringLiteral("A")),
              (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("1"),
                           QStringLiteral("2")}));
    ASSERT_EQ(list.pages.size(), 2); // the second agent starts a new page
    EXPECT_EQ(list.pages[1].find(QStringLiteral("Dear"))->text, QStringLiteral("ตัวแทนข"));
    EXPECT_EQ(count(list.pages[1].bandKinds(), K::Title), 0);
    // 3,004.50 -> 3,005.00 ; 2,008.00 stays
    EXPECT_EQ(textsOf(list, QStringLiteral("Due")),
              (QStringList{QStringLiteral("3,005.00"), QStringLiteral("2,008.00")}));
    // the hooks changed the running copy only: the layout itself keeps its design text
    EXPECT_EQ(layout.detail.items.last().text, QStringLiteral("0"));

    // rounding at the edge: 1,234.50 up, 1,234.49 down
    MemorySource edge;
    edge.addField(QStringLiteral("POLNO"));
    edge.addField(QStringLiteral("agentname"));
    edge.addField(QStringLiteral("EFFDATE"));
    edge.addField(QStringLiteral("NETPREM"));
    edge.addRow({QStringLiteral("1"), QStringLiteral("ก"), QDate(), 1000.25});
    edge.addRow({QStringLiteral("2"), QStringLiteral("ก"), QDate(), 234.25});
    edge.addRow({QStringLiteral("3"), QStringLiteral("ข"), QDate(), 1234.49});
    EXPECT_EQ(textsOf(render(billing(), edge), QStringLiteral("Due")),
              (QStringList{QStringLiteral("1,235.00"), QStringLiteral("1,234.00")}));
}

TEST(Renderer, GrowingItemStretchesItsBandAndVerticalRules)
{
    Layout l = fixedRows();
    Item detail = Item::data(QStringLiteral("Detail"), 0, 2, QStringLiteral("DETAIL"));
    detail.grow = true;
    detail.width = 2;
    l.detail.items.append(detail);
    l.detail.items.append(Item::vline(0, 1.9));
    MemorySource rows({QStringLiteral("POLNO"), QStringLiteral("DETAIL")});
    rows.addRow({QStringLiteral("P1"), QStringLiteral("เงินสด 1,000.00\nโอน 500.00\nบัตร 250.00")});
    rows.addRow({QStringLiteral("P2"), QStringLiteral("เงินสด")});
    const DisplayList list = render(l, rows);
    const DisplayPage &page = list.pages[0];
    QList<PlacedBand> details;
    for (const PlacedBand &b : page.bands) {
        if (b.kind == K::Detail)
            details.append(b);
    }
    ASSERT_EQ(details.size(), 2);
    EXPECT_GT(details[0].height, 0.5);                 // three lines do not fit the 0.5 in design
    EXPECT_DOUBLE_EQ(details[1].height, 0.5);          // one line keeps it
    EXPECT_DOUBLE_EQ(details[1].top, details[0].top + details[0].height);
    const DisplayItem *text = page.find(QStringLiteral("Detail"));
    EXPECT_TRUE(text->wrap);
    EXPECT_NEAR(text->rect.bottom(), details[0].top + details[0].height, 1e-9);
    int rules = 0;
    for (const DisplayItem &i : page.items) {
        if (i.kind == DisplayItem::Kind::Line && i.band == K::Detail) {
            EXPECT_NEAR(i.rect.height(), details[rules].height, 1e-9);
            ++rules;
        }
    }
    EXPECT_EQ(rules, 2);
}

TEST(Renderer, SwitchedOffItemsAndBandsPrintNothing)
{
    Layout l = fixture::salesList();
    l.detail.item(QStringLiteral("Effdate"))->enabled = false;
    l.pageFooter.enabled = false;
    // a hook can switch an item on for the rows after it
    l.detail.afterPrint = [](BandEvent &e) { e.item(QStringLiteral("Effdate"))->enabled = e.recordNumber() >= 2; };
    auto rows = fixture::sales({4});
    const DisplayList list = render(l, rows);
    EXPECT_EQ(textsOf(list, QStringLiteral("Effdate")),
              (QStringList{QStringLiteral("29/05/2550"), QStringLiteral("30/05/2550")}));
    EXPECT_EQ(count(list.pages[0].bandKinds(), K::PageFooter), 0);
}

TEST(Renderer, ProgressReportsRowsAndCancelStopsTheLayout)
{
    MemorySource rows({QStringLiteral("POLNO")});
    for (int i = 0; i < 1000; ++i)
        rows.addRow({QStringLiteral("P%1").arg(i)});
    QList<int> seen;
    const DisplayList done = render(fixedRows(), rows, [&](int d, int total) {
        EXPECT_EQ(total, 1000);
        seen.append(d);
        return true;
    });
    EXPECT_FALSE(done.cancelled);
    EXPECT_EQ(seen.first(), 0);
    EXPECT_EQ(seen.last(), 1000);
    EXPECT_GE(seen.size(), 10);

    int calls = 0;
    const DisplayList stopped = render(fixedRows(), rows, [&](int d, int) { ++calls; return d < 300; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(textsOf(stopped, QStringLiteral("Polno")).size(), 300);
    EXPECT_TRUE(textsOf(stopped, QStringLiteral("Count")).isEmpty()); // no summary for a cancelled layout
}

TEST(Renderer, UnknownFieldsAreReported)
{
    Layout l = fixedRows();
    l.detail.items.append(Item::data(QStringLiteral("Missing"), 0, 3, QStringLiteral("NOSUCH")));
    MemorySource rows({QStringLiteral("POLNO")});
    try {
        render(l, rows);
        FAIL() << "rendered a layout with an unknown field";
    } catch (const platform::Error &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("NOSUCH")));
    }
    Layout bad = fixedRows();
    bad.summary.items.append(Item::expr(QStringLiteral("Bad"), 0, 3, QStringLiteral("SUM(NOSUCH)"), {}));
    EXPECT_THROW(render(bad, rows), platform::Error);
}

TEST(Renderer, PrePrintedFormTakesOnePagePerRowAndFollowsTheTopMargin)
{
    // a continuous form 16 in long whose one detail band (15.482 in) fills a page
    Layout form;
    form.page = PageSetup::customInches(8.27, 16);
    form.detail.height = 15.482;
    form.detail.items = {Item::data(QStringLiteral("Polno"), 1.523, 1.237, QStringLiteral("POLNO"), fixture::angsana(16)),
                         Item::data(QStringLiteral("Prem1"), 7.708, 3.542, QStringLiteral("PREM1"), fixture::angsana(16),
                                    Align::Right),
                         Item::data(QStringLiteral("Polday"), 10.169, 5.872, QStringLiteral("POLDATE"), fixture::angsana(16))};
    MemorySource rows;
    rows.addField(QStringLiteral("POLNO"));
    rows.addField(QStringLiteral("PREM1"), QStringLiteral("#,###.00"));
    rows.addField(QStringLiteral("POLDATE"));
    rows.addRow({QStringLiteral("50000001"), 1200.0, QDate(2550, 5, 27)});
    rows.addRow({QStringLiteral("50000002"), 95.5, QDate(2552, 2, 11)});

    const DisplayList design = render(form, rows);
    ASSERT_EQ(design.pages.size(), 2);
    EXPECT_EQ(design.pages[1].find(QStringLiteral("Polno"))->text, QStringLiteral("50000002"));
    EXPECT_EQ(design.pages[1].find(QStringLiteral("Prem1"))->text, QStringLiteral("95.50"));
    EXPECT_NEAR(design.pages[1].find(QStringLiteral("Prem1"))->rect.right(), 0.25 + 3.542, 1e-9);
    EXPECT_NEAR(design.pages[1].find(QStringLiteral("Polday"))->rect.top(), 0.25 + 10.169, 1e-9);

    // the stored margin 0.5 leaves less than the band's height: still one form per
    // page, every item 0.25 in lower
    form.page.topMargin = 0.5;
    const DisplayList moved = render(form, rows);
    ASSERT_EQ(moved.pages.size(), 2);
    for (int p = 0; p < 2; ++p) {
        ASSERT_EQ(moved.pages[p].items.size(), design.pages[p].items.size());
        for (qsizetype i = 0; i < design.pages[p].items.size(); ++i)
            EXPECT_NEAR(moved.pages[p].items[i].rect.top() - design.pages[p].items[i].rect.top(), 0.25, 1e-9);
    }
}
