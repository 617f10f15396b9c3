#pragma once
// The settings window "ระบุ Disk": chooses the exchange folder on a drive and keeps
// the server and database locations of myinifile.ini.
#include <QDialog>

class QLabel;
class QPushButton;

namespace widgets {
class DriveComboBox;
class FolderTree;
} // namespace widgets

class TDiskF : public QDialog
{
    Q_OBJECT
public:
    explicit TDiskF(QWidget *parent = nullptr);

    widgets::DriveComboBox *DriveComboBox1;
    widgets::FolderTree *DirectoryListBox1;
    QLabel *Label1;      // "Server Name"
    QLabel *Label2;      // "DbPath1"
    QLabel *Label3;      // "DbPath2"
    QPushButton *BitBtn1; // "บันทึก"

    QChar selectedDrive() const;
    // The folder selected in the tree as the system writes it ("A:\sub").
    QString selectedFolder() const;
    void selectFolder(const QString &logicalPath);

private slots:
    void BitBtn1Click();

private:
    void FormCreate();
};
