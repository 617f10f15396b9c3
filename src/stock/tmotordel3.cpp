#include "tmotordel3.h"

TMotorDel3::TMotorDel3(QWidget *parent)
    : StockNumberWindow({QStringLiteral("ยกเลิกเลขกรมธรรม์ (ไม่ใช้)"),
                         QStringLiteral("คุณต้องการยกเลิกเลขกรมธรรม์นี้(ไม่ใช้)  ใช่หรือไม่?"), QStringLiteral("2"),
                         false, false},
                        parent)
{
    setObjectName(QStringLiteral("MotorDel3"));
}
