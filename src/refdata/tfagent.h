#pragma once
// The agent search window "ค้นหา Agent": finds agents by code or by a part of the
// name in the data module's AgentQ2 and returns whether one was chosen; the chosen
// agent is AgentQ2's current row.
//
// Calling protocol: TFAgent::prepareList() (loads every agent), show the window
// modally, then, if chosen(), position AgentT on AgentQ2's AGENT.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace widgets {
class DBGrid;
}

class TFAgent : public QDialog
{
    Q_OBJECT
public:
    explicit TFAgent(QWidget *parent = nullptr);

    // Loads AgentQ2 with every agent in code order and opens it.
    static void prepareList();
    // An agent was chosen (the list's current row); read it before the window goes.
    bool chosen() const { return m_chosen; }
    // The chosen agent's code; empty when none was chosen.
    QString chosenAgent() const;

    QLineEdit *Edit1;        // "เลขที่ Agent"
    QLineEdit *Edit2;        // "ชื่อ-นามสกุล"
    QPushButton *BitBtn1;    // "ค้นหา"
    QPushButton *BitBtn2;    // "ยกเลิก"
    widgets::DBGrid *DBGrid1; // the agents found

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    void DBGrid1DblClick();

private:
    void search();
    bool m_chosen = false;
};
