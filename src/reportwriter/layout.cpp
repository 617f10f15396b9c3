#include "reportwriter/layout.h"

namespace reportwriter {

PageSetup PageSetup::a4()
{
    PageSetup p;
    p.paper = QSizeF(mm(210), mm(297));
    p.setMarginsMillimetres(10, 10, 10, 10);
    return p;
}

PageSetup PageSetup::customInches(double width, double length)
{
    PageSetup p;
    p.paper = QSizeF(width, length);
    p.setMargins(0.25, 0.25, 0.25, 0.25);
    return p;
}

void PageSetup::setMarginsMillimetres(double top, double bottom, double left, double right)
{
    setMargins(mm(top), mm(bottom), mm(left), mm(right));
}

void PageSetup::setMargins(double top, double bottom, double left, double right)
{
    topMargin = top;
    bottomMargin = bottom;
    leftMargin = left;
    rightMargin = right;
}

QSizeF PageSetup::pageSize() const
{
    return orientation == Orientation::Portrait ? paper : paper.transposed();
}

double PageSetup::printableWidth() const
{
    return pageSize().width() - leftMargin - rightMargin;
}

double PageSetup::printableHeight() const
{
    return pageSize().height() - topMargin - bottomMargin;
}

namespace {

Item textItem(Item::Kind kind, const QString &name, double top, double x, const FontSpec &font, Align align)
{
    Item i;
    i.kind = kind;
    i.name = name;
    i.top = top;
    i.x = x;
    i.font = font;
    i.align = align;
    return i;
}

} // namespace

Item Item::label(const QString &name, double top, double x, const QString &text, const FontSpec &font, Align align)
{
    Item i = textItem(Kind::Label, name, top, x, font, align);
    i.text = text;
    return i;
}

Item Item::data(const QString &name, double top, double x, const QString &field, const FontSpec &font, Align align)
{
    Item i = textItem(Kind::DataText, name, top, x, font, align);
    i.field = field;
    return i;
}

Item Item::expr(const QString &name, double top, double x, const QString &expression, const QString &mask,
                const FontSpec &font, Align align)
{
    Item i = textItem(Kind::Expression, name, top, x, font, align);
    i.expression = expression;
    i.mask = mask;
    return i;
}

Item Item::sys(const QString &name, double top, double x, SystemData what, const QString &prefix,
               const FontSpec &font, Align align)
{
    Item i = textItem(Kind::System, name, top, x, font, align);
    i.system = what;
    i.text = prefix;
    return i;
}

Item Item::hline(double top, double x, double length, double lineWidth)
{
    Item i;
    i.kind = Kind::HLine;
    i.top = top;
    i.x = x;
    i.width = length;
    i.lineWidth = lineWidth;
    return i;
}

Item Item::vline(double top, double x, double length, double lineWidth)
{
    Item i;
    i.kind = Kind::VLine;
    i.top = top;
    i.x = x;
    i.height = length;
    i.lineWidth = lineWidth;
    return i;
}

Item *Band::item(const QString &itemName)
{
    for (Item &i : items) {
        if (i.name == itemName)
            return &i;
    }
    return nullptr;
}

QList<Band *> Layout::bands()
{
    QList<Band *> out{&title, &pageHeader, &columnHeader};
    for (Group &g : groups)
        out.append(&g.header);
    out.append(&detail);
    for (auto it = groups.rbegin(); it != groups.rend(); ++it)
        out.append(&it->footer);
    out.append({&summary, &pageFooter});
    return out;
}

Item *Layout::item(const QString &itemName)
{
    for (Band *b : bands()) {
        if (Item *i = b->item(itemName))
            return i;
    }
    return nullptr;
}

QString bandKindName(Band::Kind kind)
{
    switch (kind) {
    case Band::Kind::Title: return QStringLiteral("title");
    case Band::Kind::PageHeader: return QStringLiteral("pageHeader");
    case Band::Kind::ColumnHeader: return QStringLiteral("columnHeader");
    case Band::Kind::GroupHeader: return QStringLiteral("groupHeader");
    case Band::Kind::Detail: return QStringLiteral("detail");
    case Band::Kind::GroupFooter: return QStringLiteral("groupFooter");
    case Band::Kind::Summary: return QStringLiteral("summary");
    case Band::Kind::PageFooter: return QStringLiteral("pageFooter");
    }
    return {};
}

} // namespace reportwriter
