#pragma once
// The number-deletion window "ลบเลขกรมธรรม์": removes every stock number and batch
// row received on one date, together.
#include <QDialog>

class QPushButton;

namespace widgets {
class DateEdit;
}

class TDelPolno : public QDialog
{
    Q_OBJECT
public:
    explicit TDelPolno(QWidget *parent = nullptr);

    widgets::DateEdit *MaskEdit1; // "วันที่เบิก"
    QPushButton *BitBtn1;         // "ลบ", the default button

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void FormShow();
    void BitBtn1Click();

private:
    void removeDate();
};
