#include "reportwriter/painter.h"

#include "platform/error.h"
#include "reportwriter/textmetrics.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinter>

namespace reportwriter {

namespace {

Qt::Alignment qtAlignment(Align a)
{
    switch (a) {
    case Align::Right: return Qt::AlignRight;
    case Align::Center: return Qt::AlignHCenter;
    case Align::Left: break;
    }
    return Qt::AlignLeft;
}

void paintItems(QPainter &painter, const DisplayPage &page, double dpi, TextMetrics &metrics)
{
    const FontSpec *currentFont = nullptr;
    for (const DisplayItem &item : page.items) {
        if (item.kind == DisplayItem::Kind::Line) {
            QPen pen(Qt::black);
            pen.setWidthF(std::max(item.lineWidth * dpi, 1.0));
            pen.setCapStyle(Qt::FlatCap);
            painter.setPen(pen);
            painter.drawLine(QPointF(item.rect.left() * dpi, item.rect.top() * dpi),
                             QPointF(item.rect.right() * dpi, item.rect.bottom() * dpi));
            continue;
        }
        if (item.text.isEmpty())
            continue;
        if (!currentFont || !(*currentFont == item.font)) {
            painter.setFont(metrics.font(item.font));
            currentFont = &item.font;
        }
        painter.setPen(Qt::black);
        if (item.wrap) {
            const QRectF box(item.rect.left() * dpi, item.rect.top() * dpi, item.rect.width() * dpi,
                             item.rect.height() * dpi);
            painter.drawText(box, int(qtAlignment(item.align) | Qt::AlignTop | Qt::TextWordWrap), item.text);
        } else {
            const double baseline = item.rect.top() + metrics.ascent(item.font);
            painter.drawText(QPointF(item.rect.left() * dpi, baseline * dpi), item.text);
        }
    }
}

} // namespace

void paintPage(QPainter &painter, const DisplayPage &page, double dpi)
{
    TextMetrics metrics;
    paintItems(painter, page, dpi, metrics);
}

void preparePrinter(QPrinter &printer, const DisplayList &list)
{
    const QSizeF size = list.page.pageSize();
    const bool landscape = size.width() > size.height();
    const QSizeF portrait = landscape ? size.transposed() : size;
    const QPageSize pageSize(portrait, QPageSize::Inch, QString(), QPageSize::ExactMatch);
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(pageSize, landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Inch));
}

bool printDisplayList(QPrinter &printer, const DisplayList &list, const Progress &progress)
{
    if (list.cancelled) // half a report is never printed
        throw platform::Error(QStringLiteral("The report was cancelled and cannot be printed"));
    int from = 1;
    int to = int(list.pages.size());
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::max(from, printer.fromPage());
        to = std::min(to, printer.toPage() > 0 ? printer.toPage() : to);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        throw platform::Error(QStringLiteral("The printer could not be started"));
    const double dpi = printer.resolution();
    TextMetrics metrics;
    for (int p = from; p <= to; ++p) {
        if (progress && !progress(p - from, to - from + 1)) {
            printer.abort();
            painter.end();
            return false;
        }
        if (p > from)
            printer.newPage();
        paintItems(painter, list.pages.at(p - 1), dpi, metrics);
    }
    painter.end();
    return true;
}

void writePdf(const DisplayList &list, const QString &fileName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setCreator(QStringLiteral("qalmotor"));
    preparePrinter(printer, list);
    printDisplayList(printer, list);
    if (!QFileInfo(fileName).isFile())
        throw platform::Error(QStringLiteral("The file %1 could not be written").arg(fileName));
}

} // namespace reportwriter
