#include "tdiskf.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "configfile.h"
#include "platform/inifile.h"
#include "widgets/drivefolderlists.h"
#include "widgets/guarded.h"

TDiskF::TDiskF(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DiskF"));
    setWindowTitle(QStringLiteral("ระบุ Disk"));
    resize(420, 360);

    DriveComboBox1 = new widgets::DriveComboBox(this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->setAccessibleName(QStringLiteral("Drive"));
    DirectoryListBox1 = new widgets::FolderTree(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setAccessibleName(QStringLiteral("Folder"));
    DirectoryListBox1->setDrive(DriveComboBox1->drive());
    DirectoryListBox1->linkDriveList(DriveComboBox1);

    const auto &defaults = shell::config::defaults();
    Label1 = new QLabel(defaults[2].value, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(defaults[3].value, this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(defaults[4].value, this);
    Label3->setObjectName(QStringLiteral("Label3"));
    BitBtn1 = new QPushButton(QStringLiteral("บันทึก"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(DriveComboBox1, 0, 0, 1, 2);
    layout->addWidget(DirectoryListBox1, 1, 0, 1, 2);
    layout->addWidget(BitBtn1, 2, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(Label1, 2, 1);
    layout->addWidget(Label2, 3, 1);
    layout->addWidget(Label3, 4, 1);
    layout->setColumnStretch(1, 1);

    connect(BitBtn1, &QPushButton::clicked, this, &TDiskF::BitBtn1Click);
    widgets::guarded([this] { FormCreate(); });
}

void TDiskF::FormCreate()
{
    using namespace shell::config;
    platform::IniFile ini(path());
    if (ini.readString(section(), kDrive).isEmpty())
        for (const Default &d : defaults())
            ini.writeString(section(), d.key, d.value);
    const QString drive = ini.readString(section(), kDrive);
    const QString folder = ini.readString(section(), kPath);
    Label1->setText(ini.readString(section(), kServerName));
    Label2->setText(ini.readString(section(), kDbPath1));
    Label3->setText(ini.readString(section(), kDbPath2));
    DriveComboBox1->setDrive(drive.at(0));
    DirectoryListBox1->setFolder(folder);
}

QChar TDiskF::selectedDrive() const
{
    return DriveComboBox1->drive();
}

QString TDiskF::selectedFolder() const
{
    return DirectoryListBox1->folder();
}

void TDiskF::selectFolder(const QString &logicalPath)
{
    DirectoryListBox1->setFolder(logicalPath);
}

void TDiskF::BitBtn1Click()
{
    using namespace shell::config;
    const bool saved = widgets::guarded([this] {
        platform::IniFile ini(path());
        ini.writeString(section(), kDrive, QString(selectedDrive()));
        ini.writeString(section(), kPath, selectedFolder());
        ini.writeString(section(), kServerName, Label1->text());
        ini.writeString(section(), kDbPath1, Label2->text());
        ini.writeString(section(), kDbPath2, Label3->text());
    });
    if (saved)
        accept();
}
