#pragma once
// The car-model window "เพิ่มรุ่นรถ": adds a model to a brand that already has one,
// through the data module's BrandT, with the brand picked from BrandQ.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace widgets {
class DBLookupComboBox;
}

class TBrand : public QDialog
{
    Q_OBJECT
public:
    explicit TBrand(QWidget *parent = nullptr);

    widgets::DBLookupComboBox *DBLookupComboBox1; // "ยี่ห้อรถ"
    QLineEdit *Edit1;                             // "รุ่นรถ"
    QPushButton *BitBtn1;                         // "เพิ่ม"
    QPushButton *BitBtn2;                         // "ออก" (full edition)

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void FormShow();
    void BitBtn1Click();

private:
    void add();
    void clearEntry();
};
