#include "tdiskf.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

#include "configfile.h"
#include "platform/inifile.h"
#include "platform/paths.h"
#include "widgets/guarded.h"

TDiskF::TDiskF(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DiskF"));
    setWindowTitle(QStringLiteral("ระบุ Disk"));
    resize(420, 360);

    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->setAccessibleName(QStringLiteral("Drive"));
    for (QChar letter : platform::Paths::drives())
        DriveComboBox1->addItem(QString(letter.toLower()) + QLatin1Char(':'), QVariant(QString(letter)));

    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Drives);
    DirectoryListBox1 = new QTreeView(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setAccessibleName(QStringLiteral("Folder"));
    DirectoryListBox1->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);
    DirectoryListBox1->header()->hide();

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

    showDrive(DriveComboBox1->count() ? DriveComboBox1->itemData(0).toString().at(0) : QLatin1Char('C'));
    connect(DriveComboBox1, &QComboBox::currentIndexChanged, this, &TDiskF::DriveComboBox1Change);
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
    const int index = DriveComboBox1->findData(QString(drive.at(0).toUpper()));
    if (index >= 0) {
        const QSignalBlocker block(DriveComboBox1);
        DriveComboBox1->setCurrentIndex(index);
        showDrive(drive.at(0));
    }
    selectFolder(folder);
}

void TDiskF::showDrive(QChar letter)
{
    const QString root = platform::Paths::driveFolder(letter);
    QDir().mkpath(root);
    DirectoryListBox1->setRootIndex(m_model->setRootPath(root));
    DirectoryListBox1->setCurrentIndex(m_model->index(root));
}

QChar TDiskF::selectedDrive() const
{
    const QString data = DriveComboBox1->currentData().toString();
    return data.isEmpty() ? QLatin1Char('C') : data.at(0);
}

QString TDiskF::selectedFolder() const
{
    const QModelIndex current = DirectoryListBox1->currentIndex();
    const QString real = current.isValid() ? m_model->filePath(current) : platform::Paths::driveFolder(selectedDrive());
    const QString logical = platform::Paths::toLogical(real);
    return logical.isEmpty() ? QString(selectedDrive()) + QStringLiteral(":\\") : logical;
}

void TDiskF::selectFolder(const QString &logicalPath)
{
    const QString real = platform::Paths::resolve(logicalPath);
    const QModelIndex index = m_model->index(real);
    if (index.isValid()) {
        DirectoryListBox1->setCurrentIndex(index);
        DirectoryListBox1->scrollTo(index);
    }
}

void TDiskF::DriveComboBox1Change()
{
    showDrive(selectedDrive());
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
