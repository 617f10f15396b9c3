#include "numberrange.h"

#include "platform/error.h"
#include "widgets/numbertext.h"

namespace stock {

QStringList numberRange(const QString &first, int count)
{
    if (count < 1)
        throw platform::Error(QStringLiteral("จำนวนกรมธรรม์ต้องมากกว่า 0"));
    // Only digits: a sign or blanks would make a number that is not the printed one.
    for (QChar c : first)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            throw platform::Error(QStringLiteral("'%1' is not a valid integer value").arg(first));
    const qint64 start = widgets::toInteger64(first);
    const qint64 last = start + count - 1;
    if (QString::number(last).size() > kPolnoLength)
        throw platform::Error(QStringLiteral("เลขกรมธรรม์สุดท้ายของช่วงนี้เกิน %1 หลัก (%2)")
                                  .arg(kPolnoLength)
                                  .arg(last));
    const int width = int(first.size());
    QStringList out;
    out.reserve(count);
    for (qint64 n = start; n <= last; ++n)
        out << QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
    return out;
}

} // namespace stock
