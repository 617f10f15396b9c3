#pragma once
// myinifile.ini beside the program, section "Settings".
#include <QString>

namespace shell::config {

QString path();                                  // the file in the program folder
QString section();                               // "Settings"
QString read(const QString &key);                // empty text when the key is missing

inline const QString kDrive = QStringLiteral("Drive");
inline const QString kPath = QStringLiteral("Path");
inline const QString kServerName = QStringLiteral("Server Name");
inline const QString kDbPath1 = QStringLiteral("DbPath1");
inline const QString kDbPath2 = QStringLiteral("DbPath2");

// The values written when "Drive" is missing, in the order they are written.
struct Default {
    QString key;
    QString value;
};
const QList<Default> &defaults();

} // namespace shell::config
