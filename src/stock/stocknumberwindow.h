#pragma once
// A small repair window that sets the status of one stock number in POLMOTOR after
// a question: the lock release and the number withdrawal are two of them.
#include <QDialog>

class QLineEdit;
class QPushButton;

class StockNumberWindow : public QDialog
{
    Q_OBJECT
public:
    struct Behaviour {
        QString title;
        QString question;
        QString status;          // the status the number gets
        bool clearOnShow = false; // clear and focus the box each time it is shown
        bool enterMovesFocus = false;
    };

    QLineEdit *Edit1;     // "เลขกรมธรรม์"
    QPushButton *BitBtn1; // "ตกลง"

protected:
    StockNumberWindow(const Behaviour &behaviour, QWidget *parent);
    void showEvent(QShowEvent *event) override;

private slots:
    void FormShow();
    void BitBtn1Click();

private:
    void setStatus();
    Behaviour m_behaviour;
};
