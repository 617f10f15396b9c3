#include "batchmove.h"

namespace engine {

int batchCopy(Dataset &source, Dataset &destination)
{
    QList<QPair<Field *, Field *>> pairs;
    for (const auto &to : destination.fields()) {
        if (!to->isData())
            continue;
        if (Field *from = source.findField(to->name()))
            pairs << qMakePair(from, to.get());
    }
    int copied = 0;
    for (source.first(); !source.eof(); source.next()) {
        destination.append();
        for (const auto &[from, to] : pairs)
            to->setValue(from->value());
        destination.post();
        ++copied;
    }
    return copied;
}

} // namespace engine
