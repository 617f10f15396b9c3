#include "transfer/paradoxformat.h"

namespace transfer::px {

quint8 typeCode(ColumnType type)
{
    switch (type) {
    case ColumnType::Alpha: return typeAlpha;
    case ColumnType::Short: return typeShort;
    case ColumnType::Double: return typeNumber;
    case ColumnType::Date: return typeDate;
    }
    return typeAlpha;
}

} // namespace transfer::px
