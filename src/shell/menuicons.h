#pragma once
#include <QIcon>
#include <QString>

namespace shell {

// The 16 × 16 image of a menu entry, drawn by the program itself.
QIcon menuIcon(const QString &entryName);

} // namespace shell
