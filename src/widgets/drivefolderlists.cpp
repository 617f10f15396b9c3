#include "drivefolderlists.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>

#include "platform/paths.h"

namespace widgets {

DriveComboBox::DriveComboBox(QWidget *parent)
    : QComboBox(parent)
{
    for (QChar letter : platform::Paths::drives())
        addItem(QString(letter.toLower()) + QLatin1Char(':'), QVariant(QString(letter.toUpper())));
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit driveChanged(drive()); });
}

QChar DriveComboBox::drive() const
{
    const QString data = currentData().toString();
    return data.isEmpty() ? QLatin1Char('C') : data.at(0);
}

void DriveComboBox::setDrive(QChar letter)
{
    const int index = findData(QString(letter.toUpper()));
    if (index >= 0)
        setCurrentIndex(index);
}

FolderTree::FolderTree(QWidget *parent)
    : QTreeView(parent), m_model(new QFileSystemModel(this))
{
    m_model->setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
    setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        hideColumn(column);
    header()->hide();
}

void FolderTree::setDrive(QChar letter)
{
    m_drive = letter.toUpper();
    const QString root = platform::Paths::driveFolder(m_drive);
    QDir().mkpath(root);
    setRootIndex(m_model->setRootPath(root));
    setCurrentIndex(QModelIndex());
}

void FolderTree::linkDriveList(DriveComboBox *drives)
{
    setDrive(drives->drive());
    connect(drives, &DriveComboBox::driveChanged, this, &FolderTree::setDrive);
}

QString FolderTree::folder() const
{
    const QModelIndex current = currentIndex();
    if (current.isValid()) {
        const QString logical = platform::Paths::toLogical(m_model->filePath(current));
        if (!logical.isEmpty())
            return logical;
    }
    return QString(m_drive) + QStringLiteral(":\\");
}

bool FolderTree::setFolder(const QString &logicalPath)
{
    const QString real = platform::Paths::resolve(logicalPath);
    if (!QDir(real).exists())
        return false;
    const QModelIndex index = m_model->index(real);
    if (!index.isValid())
        return false;
    setCurrentIndex(index);
    scrollTo(index);
    return true;
}

} // namespace widgets
