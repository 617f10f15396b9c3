#pragma once
// Text measured in inches, the same on every device: fonts are measured against a
// 1200-dpi reference device with hinting off, so the renderer's positions hold on
// a printer, in a PDF file and in the preview alike.
#include "reportwriter/layout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <memory>
#include <vector>

namespace reportwriter {

class TextMetrics
{
public:
    TextMetrics();
    ~TextMetrics();

    const QFont &font(const FontSpec &spec);
    double width(const FontSpec &spec, const QString &text);   // advance, inches
    double lineHeight(const FontSpec &spec);                   // inches
    double ascent(const FontSpec &spec);                       // top of the box to the baseline, inches
    double wrappedHeight(const FontSpec &spec, const QString &text, double width);

    static constexpr double kReferenceDpi = 1200;

private:
    struct Entry;
    Entry &entry(const FontSpec &spec);
    std::vector<std::unique_ptr<Entry>> m_entries;
};

} // namespace reportwriter
