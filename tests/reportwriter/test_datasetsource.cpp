// A report laid out over one of the data module's datasets: rows, display formats
// of the fields and a sum, from a real SQLite database.
#include <gtest/gtest.h>

#include "data/dm.h"
#include "data/installer.h"
#include "engine/dataset.h"
#include "fixtures.h"
#include "platform/aliasregistry.h"
#include "reportwriter/datasetsource.h"
#include "reportwriter/renderer.h"
#include "temp_stores.h"

namespace {

TEST(DatasetSource, PackagesListWithFormatsAndSum)
{
    TempStores stores;
    data::Installer({}).run();
    TDm dm{platform::AliasRegistry()};
    Dm->PacketQ->fieldByName(QStringLiteral("NETPREM"))->setDisplayFormat(QStringLiteral("#,###.00"));

    using namespace reportwriter;
    Layout l;
    l.page = PageSetup::customInches(8, 11);
    l.detail.height = 0.25;
    l.detail.items = {Item::data(QStringLiteral("Code"), 0, 0.5, QStringLiteral("CODE"), fixture::angsana(14)),
                      Item::data(QStringLiteral("Net"), 0, 4.0, QStringLiteral("NETPREM"), fixture::angsana(14), Align::Right)};
    l.summary.height = 0.3;
    l.summary.items = {Item::expr(QStringLiteral("Sum"), 0, 4.0, QStringLiteral("SUM(NETPREM)"), QStringLiteral("#,###.00"),
                                  fixture::angsana(14), Align::Right)};
    DatasetSource source(*Dm->PacketQ);
    const DisplayList list = render(l, source);
    const QStringList texts = list.pages.at(0).texts();
    for (const char *t : {"110", "120", "210", "320", "1,074.28", "1,289.35", "1,504.42", "1,934.56", "5,802.61"})
        EXPECT_TRUE(texts.contains(QLatin1String(t))) << t << " in " << texts.join(QLatin1Char('|')).toStdString();
}

} // namespace
