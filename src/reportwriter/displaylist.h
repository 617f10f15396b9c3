#pragma once
// The renderer's output: pages of positioned texts and lines, in inches from the
// top-left corner of the paper. Nothing here depends on a device; painters scale
// it to a printer, a PDF file or the preview.
#include "reportwriter/layout.h"

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace reportwriter {

struct DisplayItem
{
    enum class Kind { Text, Line };

    Kind kind = Kind::Text;
    // Text: the box the text fills (left edge = where the first glyph starts,
    // width = the text's advance or its wrapping width). Line: from topLeft to
    // bottomRight (a horizontal line has zero height, a vertical one zero width).
    QRectF rect;
    QString text;
    FontSpec font;
    Align align = Align::Left;   // within rect; matters for wrapped text
    bool wrap = false;
    double lineWidth = 0;
    Band::Kind band = Band::Kind::Detail;
    QString name;                // the layout item's name
};

struct PlacedBand
{
    Band::Kind kind;
    double top;                  // inches from the paper's top
    double height;
};

struct DisplayPage
{
    QSizeF size;                 // paper as printed, inches
    QList<PlacedBand> bands;     // in print order
    QList<DisplayItem> items;

    QList<Band::Kind> bandKinds() const;
    const DisplayItem *find(const QString &name) const; // first item of that name
    QStringList texts() const;
};

struct DisplayList
{
    PageSetup page;
    QList<DisplayPage> pages;
    bool cancelled = false;      // the user stopped the layout; pages are incomplete
};

} // namespace reportwriter
