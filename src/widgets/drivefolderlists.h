#pragma once
// Drive and folder lists in the system's own logical paths: the drive list offers
// the drive letters of the platform layer ("a:", "c:", ...), the folder list shows
// the folders of one drive as a tree and tells the chosen one as "A:\sub".
// A folder list follows a drive list once linked to it.
#include <QComboBox>
#include <QTreeView>

class QFileSystemModel;

namespace widgets {

class DriveComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit DriveComboBox(QWidget *parent = nullptr);
    QChar drive() const; // upper case; 'C' when none
    void setDrive(QChar letter);

signals:
    void driveChanged(QChar letter);
};

class FolderTree : public QTreeView
{
    Q_OBJECT
public:
    explicit FolderTree(QWidget *parent = nullptr);
    // Shows the folders of a drive, its root chosen.
    void setDrive(QChar letter);
    QChar drive() const { return m_drive; }
    // Follows the drive list's choice.
    void linkDriveList(DriveComboBox *drives);
    // The chosen folder as the system writes it ("A:\", "C:\Qalmotor\Transfer").
    QString folder() const;
    // Chooses a folder given as the system writes it; false when it does not exist.
    bool setFolder(const QString &logicalPath);

private:
    QFileSystemModel *m_model;
    QChar m_drive = QLatin1Char('C');
};

} // namespace widgets
