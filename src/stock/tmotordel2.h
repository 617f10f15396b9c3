#pragma once
// Lock release "ยกเลิกการ lock กรมธรรม์": returns a stock number to status "0" so the
// sale can take it again (after a sale window ended abnormally).
#include "stocknumberwindow.h"

class TMotorDel2 : public StockNumberWindow
{
    Q_OBJECT
public:
    explicit TMotorDel2(QWidget *parent = nullptr);
};
