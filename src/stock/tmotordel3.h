#pragma once
// Number withdrawal "ยกเลิกเลขกรมธรรม์ (ไม่ใช้)": puts a stock number into status "2"
// (a spoiled form) so the sale never takes it.
#include "stocknumberwindow.h"

class TMotorDel3 : public StockNumberWindow
{
    Q_OBJECT
public:
    explicit TMotorDel3(QWidget *parent = nullptr);
};
