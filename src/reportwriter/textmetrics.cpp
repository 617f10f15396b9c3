#include "reportwriter/textmetrics.h"

#include "reportwriter/fonts.h"

#include <QImage>

namespace reportwriter {

namespace {

const QImage &referenceDevice()
{
    static const QImage image = [] {
        QImage i(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = qRound(TextMetrics::kReferenceDpi / 0.0254);
        i.setDotsPerMeterX(dotsPerMeter);
        i.setDotsPerMeterY(dotsPerMeter);
        return i;
    }();
    return image;
}

} // namespace

struct TextMetrics::Entry
{
    explicit Entry(const FontSpec &s) : spec(s), font(makeFont(s)), metrics(font, &referenceDevice()) {}
    FontSpec spec;
    QFont font;
    QFontMetricsF metrics;
    double dpi = referenceDevice().logicalDpiX();
};

TextMetrics::TextMetrics() = default;
TextMetrics::~TextMetrics() = default;

TextMetrics::Entry &TextMetrics::entry(const FontSpec &spec)
{
    for (auto &e : m_entries) {
        if (e->spec == spec)
            return *e;
    }
    m_entries.push_back(std::make_unique<Entry>(spec));
    return *m_entries.back();
}

const QFont &TextMetrics::font(const FontSpec &spec)
{
    return entry(spec).font;
}

double TextMetrics::width(const FontSpec &spec, const QString &text)
{
    Entry &e = entry(spec);
    return e.metrics.horizontalAdvance(text) / e.dpi;
}

double TextMetrics::lineHeight(const FontSpec &spec)
{
    Entry &e = entry(spec);
    return e.metrics.height() / e.dpi;
}

double TextMetrics::ascent(const FontSpec &spec)
{
    Entry &e = entry(spec);
    return e.metrics.ascent() / e.dpi;
}

double TextMetrics::wrappedHeight(const FontSpec &spec, const QString &text, double width)
{
    Entry &e = entry(spec);
    const QRectF box(0, 0, width * e.dpi, 1e7);
    return e.metrics.boundingRect(box, Qt::TextWordWrap, text).height() / e.dpi;
}

} // namespace reportwriter
