#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace platform {

namespace {
QString &storeRootOverride()
{
    static QString value;
    return value;
}
QString &programFolderOverride()
{
    static QString value;
    return value;
}
} // namespace

QString Paths::storeRoot()
{
    if (!storeRootOverride().isEmpty())
        return storeRootOverride();
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/qalmotor");
}

void Paths::setStoreRoot(const QString &folder)
{
    storeRootOverride() = folder;
}

QString Paths::programFolder()
{
    if (!programFolderOverride().isEmpty())
        return programFolderOverride();
    return QCoreApplication::applicationDirPath();
}

void Paths::setProgramFolder(const QString &folder)
{
    programFolderOverride() = folder;
}

void Paths::reset()
{
    storeRootOverride().clear();
    programFolderOverride().clear();
}

QString Paths::drivesFile()
{
    return storeRoot() + QStringLiteral("/drives.ini");
}

QList<QChar> Paths::drives()
{
#ifdef Q_OS_WIN
    QList<QChar> letters;
    for (const QFileInfo &d : QDir::drives())
        letters << d.absoluteFilePath().at(0).toUpper();
    return letters;
#else
    QList<QChar> letters{QLatin1Char('A'), QLatin1Char('C')};
    QSettings map(drivesFile(), QSettings::IniFormat);
    map.beginGroup(QStringLiteral("Drives"));
    for (const QString &key : map.childKeys()) {
        if (key.size() == 1 && key.at(0).isLetter() && !letters.contains(key.at(0).toUpper()))
            letters << key.at(0).toUpper();
    }
    std::sort(letters.begin(), letters.end());
    return letters;
#endif
}

QString Paths::driveFolder(QChar letter)
{
    letter = letter.toUpper();
#ifdef Q_OS_WIN
    return QString(letter) + QStringLiteral(":/");
#else
    QSettings map(drivesFile(), QSettings::IniFormat);
    const QString mapped = map.value(QStringLiteral("Drives/") + letter).toString();
    if (!mapped.isEmpty())
        return QDir::cleanPath(mapped);
    return storeRoot() + QStringLiteral("/drives/") + letter;
#endif
}

void Paths::mapDrive(QChar letter, const QString &folder)
{
    QDir().mkpath(storeRoot());
    QSettings map(drivesFile(), QSettings::IniFormat);
    map.setValue(QStringLiteral("Drives/") + letter.toUpper(), folder);
}

QString Paths::resolve(const QString &logicalPath)
{
    QString rest = logicalPath;
    QString base;
    if (rest.size() >= 2 && rest.at(0).isLetter() && rest.at(1) == QLatin1Char(':')) {
        base = driveFolder(rest.at(0));
        rest = rest.mid(2);
    } else if (QDir::isAbsolutePath(rest) && !rest.startsWith(QLatin1Char('\\'))) {
        return QDir::cleanPath(rest);
    } else {
        base = programFolder();
    }
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString path = base;
    for (const QString &part : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        QString name = part;
        const QDir dir(path);
        if (dir.exists() && !QFileInfo::exists(path + QLatin1Char('/') + part)) {
            for (const QString &entry : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    name = entry;
                    break;
                }
            }
        }
        path += QLatin1Char('/') + name;
    }
    return QDir::cleanPath(path);
}

QString Paths::toLogical(const QString &realPath)
{
    const QString clean = QDir::cleanPath(QFileInfo(realPath).absoluteFilePath());
    for (QChar letter : drives()) {
        const QString root = QDir::cleanPath(QFileInfo(driveFolder(letter)).absoluteFilePath());
        if (clean == root)
            return QString(letter) + QStringLiteral(":\\");
        if (clean.startsWith(root + QLatin1Char('/'))) {
            QString rest = clean.mid(root.size() + 1);
            rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
            return QString(letter) + QStringLiteral(":\\") + rest;
        }
    }
    return {};
}

QString Paths::join(const QString &logicalFolder, const QString &name)
{
    if (logicalFolder.endsWith(QLatin1Char('\\')) || logicalFolder.endsWith(QLatin1Char('/')) || logicalFolder.isEmpty())
        return logicalFolder + name;
    return logicalFolder + QLatin1Char('\\') + name;
}

} // namespace platform
