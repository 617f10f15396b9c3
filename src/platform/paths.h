#pragma once
// The system speaks in Windows paths ("C:\Qalmotor\Transfer", "A:\", the folder
// beside the program); this class maps them to real folders. On Windows a drive
// letter is itself. Elsewhere every letter is a folder: by default
// <store root>/drives/<letter>, or the folder the drive map (drives.ini in the store
// root, section [Drives], e.g. A=/media/usb0) assigns to it.
#include <QChar>
#include <QList>
#include <QString>

namespace platform {

class Paths
{
public:
    // Folder of the persistent stores: aliases, drive map, margins, embedded databases.
    static QString storeRoot();
    static void setStoreRoot(const QString &folder);
    // Folder that holds the programs (and myinifile.ini).
    static QString programFolder();
    static void setProgramFolder(const QString &folder);
    static void reset();                       // back to the defaults (tests)

    static QList<QChar> drives();              // letters offered by drive lists, A first
    static QString driveFolder(QChar letter);  // real folder of a drive's root
    static void mapDrive(QChar letter, const QString &folder);

    // "C:\Qalmotor\Transfer" → real path. Components are matched without regard to
    // case against what exists, as on the file system the system was made for.
    // A path without a drive letter is taken relative to the program folder.
    static QString resolve(const QString &logicalPath);
    // Real path inside a mapped drive → "X:\sub\folder"; empty when on no drive.
    static QString toLogical(const QString &realPath);
    // Logical path joined with a file name: "A:\" + "MOTOR.DB" → "A:\MOTOR.DB".
    static QString join(const QString &logicalFolder, const QString &name);

private:
    static QString drivesFile();
};

} // namespace platform
