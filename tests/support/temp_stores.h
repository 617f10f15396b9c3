#pragma once
// Points every persistent store of the platform layer (aliases, drive map, margins,
// the program folder with its myinifile.ini) at a fresh temporary folder for the
// lifetime of one object, so that tests never touch the user's real files.
#include <QString>
#include <QTemporaryDir>

#include "qt_printers.h"

class TempStores
{
public:
    TempStores();
    ~TempStores();
    QString root() const { return m_dir.path(); }
    QString programFolder() const;
    QString path(const QString &relative) const;

private:
    QTemporaryDir m_dir;
};
