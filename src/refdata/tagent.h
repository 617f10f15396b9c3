#pragma once
// The agent window "ข้อมูล Agent": creates agents and edits the one found by the
// search window, with the discount pairs that zero each other. The boxes are bound
// to AgentT through AgentTDs only while a row is being created or edited.
#include <QDialog>

class QPushButton;

namespace widgets {
class DBEdit;
}

class TAgent : public QDialog
{
    Q_OBJECT
public:
    explicit TAgent(QWidget *parent = nullptr);
    ~TAgent() override;

    widgets::DBEdit *DBEdit1; // "รหัส"          AGENT
    widgets::DBEdit *DBEdit2; // "ชื่อ-นามสกุล"   FNAME
    widgets::DBEdit *DBEdit3; // "ส่วนลดปภ.3" บาท MOTCOM1
    widgets::DBEdit *DBEdit4; // "ส่วนลดปภ.3" %   MOTCOM2
    widgets::DBEdit *DBEdit5; // "ส่วนลดพรบ." บาท PRBCOM1
    widgets::DBEdit *DBEdit6; // "ส่วนลดพรบ." %   PRBCOM2
    QPushButton *BitBtn1;     // "สร้าง"
    QPushButton *BitBtn2;     // "บันทึก"
    QPushButton *BitBtn3;     // "ยกเลิก"
    QPushButton *BitBtn4;     // "ค้นหา"

    // Opens the search window modally; whether an agent was chosen (AgentQ2's row).
    static bool searchAgent(QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();

private:
    void setWorking(bool working);
    void discardPending();
};
