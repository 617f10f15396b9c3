#include "edition.h"

namespace edition {

namespace {
Edition g_edition = Edition::Full;
}

void set(Edition value)
{
    g_edition = value;
}

Edition current()
{
    return g_edition;
}

QString mainWindowTitle()
{
    return isFull() ? QStringLiteral("บริษัท ควาลประกันภัย จำกัด  แก้ไขเมื่อ 27/05/50")
                    : QStringLiteral("บริษัท ควาลประกันภัย จำกัด  แก้ไขเมื่อ 18/02/52");
}

} // namespace edition
