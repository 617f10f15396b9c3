// Time to write 10,000 policy rows to MOTOR.DB + MOTOR.PX: the project's writer against
// pxlib in the same run. Prints both (best of several rounds) and their ratio.
#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "pxlib_c.h"
#include "pxlib_table.h"
#include "transfer/motorlayout.h"
#include "transfer/paradoxreader.h"
#include "transfer/paradoxwriter.h"

using namespace transfer;

namespace {

constexpr int rowCount = 10000;
constexpr int rounds = 5;

QList<QVariantList> policies()
{
    const QStringList names = {u"สมชาย"_qs, u"สมหญิง"_qs, u"วิชัย"_qs, u"John"_qs, u"ประเสริฐ"_qs};
    QList<QVariantList> rows;
    for (int n = 0; n < rowCount; ++n) {
        QVariantList row;
        for (const Column &c : motorColumns()) {
            switch (c.type) {
            case ColumnType::Alpha:
                if (c.name == u"POLNO"_qs)
                    row.append(QStringLiteral("%1").arg(20000000 + n, 8, 10, QLatin1Char('0')));
                else if (c.width >= 30)
                    row.append(names[n % names.size()] + u" ถนนพหลโยธิน"_qs.left(c.width - 10));
                else
                    row.append(QString::number(n % 97).left(c.width));
                break;
            case ColumnType::Short: row.append(n % 77); break;
            case ColumnType::Double: row.append(n % 5 == 0 ? 0.0 : (n - 5000) * 1.25); break;
            case ColumnType::Date: row.append(QDate(2550, 1, 1).addDays(n % 365)); break;
            }
        }
        rows.append(row);
    }
    return rows;
}

double bestMs(const std::function<void()> &work)
{
    double best = 1e300;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QList<QVariantList> rows = policies();

    const double ours = bestMs([&] {
        ParadoxWriter writer(dir.filePath(u"ours"_qs), motorTableName, motorColumns());
        for (const QVariantList &row : rows)
            writer.append(row);
        writer.close();
    });

    QList<PxlibField> fields;
    for (const Column &c : motorColumns()) {
        const int type = c.type == ColumnType::Alpha ? pxfAlpha
            : c.type == ColumnType::Short            ? pxfShort
            : c.type == ColumnType::Double           ? pxfNumber
                                                     : pxfDate;
        fields.append({c.name, type, c.storedSize()});
    }
    QDir().mkpath(dir.filePath(u"pxlib"_qs));
    QStringList pxErrors;
    const double pxlib = bestMs([&] {
        pxErrors = writeWithPxlib(dir.filePath(u"pxlib/MOTOR.DB"_qs), dir.filePath(u"pxlib/MOTOR.PX"_qs), fields, rows);
    });

    // Both tables hold every row.
    const int oursRows = ParadoxReader(dir.filePath(u"ours/MOTOR.DB"_qs)).rowCount();
    const int pxlibRows = ParadoxReader(dir.filePath(u"pxlib/MOTOR.DB"_qs)).rowCount();

    std::printf("rows written:            %d (ours read back %d, pxlib's %d)\n", rowCount, oursRows, pxlibRows);
    std::printf("ParadoxWriter (ours):    %8.1f ms\n", ours);
    std::printf("pxlib 0.6:               %8.1f ms%s\n", pxlib, pxErrors.isEmpty() ? "" : "  (with errors)");
    std::printf("ratio pxlib / ours:      %8.2f  (above 1: ours is faster)\n", pxlib / ours);
    return oursRows == rowCount && pxlibRows == rowCount ? 0 : 1;
}
