#pragma once
// The number-issue window "สร้างเลขกรมธรรม์": puts a received range of pre-printed
// policy numbers into stock (POLMOTOR) and records the batch (STICKER2), all or
// nothing.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace widgets {
class DateEdit;
}

class TGenPolno : public QDialog
{
    Q_OBJECT
public:
    explicit TGenPolno(QWidget *parent = nullptr);

    QLineEdit *Edit1;            // "เลขกรมธรรม์": first number, 8 characters
    QLineEdit *Edit2;            // "จำนวนกรมธรรม์": count
    widgets::DateEdit *MaskEdit1; // "วันที่เบิก": receive date
    QPushButton *BitBtn1;        // "สร้าง"

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void FormShow();
    void BitBtn1Click();

private:
    void issue();
};
