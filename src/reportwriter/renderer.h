#pragma once
// Lays a layout out over the rows of a source: pages of positioned items.
//
// Print order on a page: page header, the title (first page only), column header,
// then group headers, detail rows and group footers as the rows come, the summary
// once after the last row, and the page footer at the foot of every page. A band
// that does not fit above the page footer moves to a new page. A report without
// rows still prints its title, headings and summary (with zero totals).
//
// Aggregates restart per scope: those in a group's header or footer when that
// group starts, all others run over the whole report. Group footers and the
// summary read the fields of the last row before them.
#include "reportwriter/displaylist.h"
#include "reportwriter/layout.h"
#include "reportwriter/progress.h"
#include "reportwriter/reportsource.h"

namespace reportwriter {

// Throws platform::Error for an expression that does not parse or names an unknown
// field, and for a data item whose field the source does not have. The source is
// read from its first row to its end. When progress returns false the layout
// stops and the result is marked cancelled.
DisplayList render(const Layout &layout, ReportSource &source, const Progress &progress = {});

} // namespace reportwriter
