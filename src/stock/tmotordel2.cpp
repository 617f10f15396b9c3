#include "tmotordel2.h"

#include "edition/edition.h"

TMotorDel2::TMotorDel2(QWidget *parent)
    : StockNumberWindow({QStringLiteral("ยกเลิกการ lock กรมธรรม์"),
                         QStringLiteral("คุณต้องการยกเลิกการ Lock กรมธรรม์นี้  ใช่หรือไม่?"), QStringLiteral("0"),
                         true, edition::isFull()},
                        parent)
{
    setObjectName(QStringLiteral("MotorDel2"));
}
