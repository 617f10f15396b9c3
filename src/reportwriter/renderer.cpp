#include "reportwriter/renderer.h"

#include "platform/clock.h"
#include "platform/dateformat.h"
#include "platform/error.h"
#include "reportwriter/expression.h"
#include "reportwriter/numberformat.h"
#include "reportwriter/textmetrics.h"

#include <map>

namespace reportwriter {

namespace {

constexpr int kProgressEvery = 100; // rows between progress calls

struct CompiledItem
{
    Item *item = nullptr;          // in the running layout: hooks may change it
    int field = -1;
    QString fieldFormat;
    Expression expression;
};

struct CompiledBand
{
    Band *band = nullptr;
    std::vector<CompiledItem> items;
};

class Cancelled
{
};

class Run
{
public:
    Run(const Layout &layout, ReportSource &source, const Progress &progress)
        : m_layout(layout), m_source(source), m_progress(progress), m_fields(source.fieldNames())
    {
        m_result.page = m_layout.page;
        m_empty.resize(m_fields.size());
        for (Band *b : m_layout.bands())
            m_compiled.emplace(b, compile(*b));
        for (const Group &g : m_layout.groups)
            m_groupKeys.push_back(Expression::parse(g.expression, m_fields));
        m_groupValues.resize(m_layout.groups.size());
    }

    DisplayList run()
    {
        try {
            layOut();
        } catch (const Cancelled &) {
            m_result.cancelled = true;
        }
        return std::move(m_result);
    }

private:
    CompiledBand compile(Band &band)
    {
        CompiledBand cb;
        cb.band = &band;
        for (Item &item : band.items) {
            CompiledItem ci;
            ci.item = &item;
            if (item.kind == Item::Kind::DataText) {
                ci.field = indexOfField(item.field);
                if (ci.field < 0)
                    throw platform::Error(
                        QStringLiteral("Field %1 of %2 is not in the report's data").arg(item.field, item.name));
                ci.fieldFormat = m_source.displayFormat(m_fields.at(ci.field));
            } else if (item.kind == Item::Kind::Expression) {
                ci.expression = Expression::parse(item.expression, m_fields);
            }
            cb.items.push_back(std::move(ci));
        }
        return cb;
    }

    int indexOfField(const QString &name) const
    {
        const QString bare = name.mid(name.lastIndexOf(u'.') + 1);
        for (int i = 0; i < m_fields.size(); ++i) {
            if (m_fields.at(i).compare(bare, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }

    void readRow(RowValues &row)
    {
        row.resize(m_fields.size());
        for (int i = 0; i < m_fields.size(); ++i)
            row[i] = m_source.value(m_fields.at(i));
    }

    void reportProgress(int done)
    {
        if (m_progress && !m_progress(done, m_source.rowCount()))
            throw Cancelled();
    }

    // --- the walk over the rows ---------------------------------------------------

    void layOut()
    {
        reportProgress(0);
        startPage();
        const int groupCount = int(m_layout.groups.size());
        bool hasRow = m_source.first();
        RowValues current, previous;
        if (hasRow)
            readRow(current);
        bool firstRow = true;
        int done = 0;
        while (hasRow) {
            int level = 0;
            if (!firstRow) {
                level = groupCount;
                for (int g = 0; g < groupCount; ++g) {
                    if (m_groupKeys[g].evaluate(current) != m_groupValues[g]) {
                        level = g;
                        break;
                    }
                }
                for (int g = groupCount - 1; g >= level; --g)
                    printBand(m_layout.groups[g].footer, previous);
            }
            bool newPage = false;
            for (int g = level; g < groupCount; ++g) {
                m_groupValues[g] = m_groupKeys[g].evaluate(current);
                resetAggregates(m_layout.groups[g].header);
                resetAggregates(m_layout.groups[g].footer);
                newPage = newPage || m_layout.groups[g].newPage;
            }
            if (newPage && !firstRow && m_bodyStarted)
                breakPage();
            for (int g = level; g < groupCount; ++g)
                printBand(m_layout.groups[g].header, current);

            for (auto &[band, cb] : m_compiled) {
                for (CompiledItem &ci : cb.items) {
                    if (ci.expression.hasAggregates())
                        ci.expression.accumulate(current);
                }
            }
            ++m_record;
            printBand(m_layout.detail, current);

            std::swap(previous, current);
            hasRow = m_source.next();
            if (hasRow)
                readRow(current);
            firstRow = false;
            if (++done % kProgressEvery == 0)
                reportProgress(done);
        }
        const RowValues &last = firstRow ? m_empty : previous;
        if (!firstRow) {
            for (int g = groupCount - 1; g >= 0; --g)
                printBand(m_layout.groups[g].footer, last);
        }
        printBand(m_layout.summary, last);
        finishPage();
        reportProgress(done);
    }

    void resetAggregates(Band &band)
    {
        for (CompiledItem &ci : m_compiled.at(&band).items)
            ci.expression.reset();
    }

    // --- pages ----------------------------------------------------------------------

    double bodyBottom() const
    {
        const double footer = m_layout.pageFooter.enabled ? m_layout.pageFooter.height : 0;
        return m_layout.page.printableHeight() - footer;
    }

    void startPage()
    {
        DisplayPage page;
        page.size = m_layout.page.pageSize();
        m_result.pages.append(page);
        ++m_pageNumber;
        m_y = 0;
        m_bodyStarted = false;
        placeBand(m_layout.pageHeader, m_lastRow);
        if (m_pageNumber == 1)
            placeBand(m_layout.title, m_lastRow);
        placeBand(m_layout.columnHeader, m_lastRow);
    }

    void finishPage()
    {
        Band &footer = m_layout.pageFooter;
        if (footer.enabled && footer.height > 0) {
            m_y = bodyBottom();
            placeBand(footer, m_lastRow);
        }
    }

    void breakPage()
    {
        finishPage();
        startPage();
    }

    // A body band: moves to a new page first when it does not fit (unless it is
    // the first body band of its page, which then prints as far as the page goes).
    void printBand(Band &band, const RowValues &row)
    {
        if (!band.enabled)
            return;
        m_lastRow = row;
        std::vector<DisplayItem> items;
        double height = layOutBand(band, row, items);
        if (m_bodyStarted && height > 0 && m_y + height > bodyBottom() + 1e-9) {
            breakPage();
            items.clear();
            height = layOutBand(band, row, items);
        }
        placeItems(band, items, height);
        m_bodyStarted = true;
    }

    // Page header, title, column header and page footer: no page-break check.
    void placeBand(Band &band, const RowValues &row)
    {
        if (!band.enabled)
            return;
        std::vector<DisplayItem> items;
        const double height = layOutBand(band, row, items);
        placeItems(band, items, height);
    }

    void placeItems(Band &band, std::vector<DisplayItem> &items, double height)
    {
        DisplayPage &page = m_result.pages.last();
        const double top = m_layout.page.topMargin + m_y;
        const double left = m_layout.page.leftMargin;
        for (DisplayItem &d : items) {
            if (d.kind == DisplayItem::Kind::Line && d.rect.height() < 0) // vertical line over the whole band
                d.rect.setBottom(height);
            d.rect.translate(left, top);
            page.items.append(std::move(d));
        }
        if (height > 0 || !items.empty()) // an empty band of no height leaves no trace
            page.bands.append(PlacedBand{band.kind, top, height});
        m_y += height;
        if (band.afterPrint) {
            BandEvent event(m_layout, band, m_pageNumber, m_record);
            band.afterPrint(event);
        }
    }

    // --- items ----------------------------------------------------------------------

    QString textOf(CompiledItem &ci, const RowValues &row)
    {
        const Item &item = *ci.item;
        switch (item.kind) {
        case Item::Kind::Label:
            return item.text;
        case Item::Kind::DataText:
            return formatValue(ci.field < row.size() ? row.at(ci.field) : QVariant(),
                               item.mask.isEmpty() ? ci.fieldFormat : item.mask);
        case Item::Kind::Expression:
            return formatValue(ci.expression.evaluate(row), item.mask);
        case Item::Kind::System:
            switch (item.system) {
            case SystemData::PageNumber:
                return item.text + QString::number(m_pageNumber);
            case SystemData::RecordNumber:
                return item.text + QString::number(m_record);
            case SystemData::PrintDate:
                // the print date carries the calendar year, not the business year
                return item.text + platform::DateFormat::toText(platform::Clock::now().date());
            case SystemData::PrintTime:
                return item.text + platform::Clock::now().time().toString(QStringLiteral("HH:mm"));
            }
            return item.text;
        case Item::Kind::HLine:
        case Item::Kind::VLine:
            break;
        }
        return {};
    }

    // Positions the band's items relative to the band; returns the band's height
    // (taller than designed when a growing item needs more lines).
    double layOutBand(Band &band, const RowValues &row, std::vector<DisplayItem> &out)
    {
        double height = band.height;
        out.reserve(band.items.size());
        for (CompiledItem &ci : m_compiled.at(&band).items) {
            const Item &item = *ci.item;
            if (!item.enabled)
                continue;
            DisplayItem d;
            d.band = band.kind;
            d.name = item.name;
            if (item.kind == Item::Kind::HLine || item.kind == Item::Kind::VLine) {
                d.kind = DisplayItem::Kind::Line;
                d.lineWidth = item.lineWidth;
                if (item.kind == Item::Kind::HLine)
                    d.rect = QRectF(item.x, item.top, item.width, 0);
                else
                    d.rect = QRectF(item.x, item.top, 0, item.height > 0 ? item.height : -1);
                out.push_back(std::move(d));
                continue;
            }
            d.text = textOf(ci, row);
            d.font = item.font;
            d.align = item.align;
            double w = 0;
            double h = item.height > 0 ? item.height : m_metrics.lineHeight(item.font);
            if (item.grow && item.width > 0) {
                w = item.width;
                d.wrap = true;
                h = std::max(h, m_metrics.wrappedHeight(item.font, d.text, w));
                height = std::max(height, item.top + h);
            } else {
                w = m_metrics.width(item.font, d.text);
            }
            double left = item.x;
            if (item.align == Align::Right)
                left = item.x - w;
            else if (item.align == Align::Center)
                left = item.x - w / 2;
            d.rect = QRectF(left, item.top, w, h);
            out.push_back(std::move(d));
        }
        return height;
    }

    Layout m_layout;
    ReportSource &m_source;
    const Progress &m_progress;
    QStringList m_fields;
    std::map<Band *, CompiledBand> m_compiled;
    std::vector<Expression> m_groupKeys;
    std::vector<QVariant> m_groupValues;
    RowValues m_empty;
    RowValues m_lastRow;           // for bands placed by a page break
    TextMetrics m_metrics;
    DisplayList m_result;
    int m_pageNumber = 0;
    int m_record = 0;
    double m_y = 0;
    bool m_bodyStarted = false;
};

} // namespace

DisplayList render(const Layout &layout, ReportSource &source, const Progress &progress)
{
    return Run(layout, source, progress).run();
}

} // namespace reportwriter
