#pragma once
// Painters of a display list: on any QPainter (one page), on a QPrinter (a real
// printer or a PDF file) and into a PDF file by name.
#include "reportwriter/displaylist.h"
#include "reportwriter/progress.h"

#include <QString>

class QPainter;
class QPrinter;

namespace reportwriter {

// Draws one page; dpi is the device's resolution (device units per inch).
void paintPage(QPainter &painter, const DisplayPage &page, double dpi);

// Sets the printer's paper to the list's page set-up (full page, no extra margins).
void preparePrinter(QPrinter &printer, const DisplayList &list);

// Prints every page (or the printer's page range when one is set). Throws
// platform::Error when the printer cannot be started or the list is a cancelled
// layout; returns false when progress cancelled the printing.
bool printDisplayList(QPrinter &printer, const DisplayList &list, const Progress &progress = {});

// Writes the list as a PDF file; throws platform::Error when the file cannot be written.
void writePdf(const DisplayList &list, const QString &fileName);

} // namespace reportwriter
