#include "reportwriter/displaylist.h"

#include <QStringList>

namespace reportwriter {

QList<Band::Kind> DisplayPage::bandKinds() const
{
    QList<Band::Kind> out;
    out.reserve(bands.size());
    for (const PlacedBand &b : bands)
        out.append(b.kind);
    return out;
}

const DisplayItem *DisplayPage::find(const QString &itemName) const
{
    for (const DisplayItem &i : items) {
        if (i.name == itemName)
            return &i;
    }
    return nullptr;
}

QStringList DisplayPage::texts() const
{
    QStringList out;
    for (const DisplayItem &i : items) {
        if (i.kind == DisplayItem::Kind::Text)
            out.append(i.text);
    }
    return out;
}

} // namespace reportwriter
