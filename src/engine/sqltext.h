#pragma once
// Named parameters in SQL text: ":prm" outside quoted text and comments.
#include <QString>
#include <QStringList>

namespace engine::sqltext {

// The parameter names in order of appearance (a name used twice appears twice).
QStringList parameters(const QString &sql);
// The text with every parameter replaced by "?"; names receives them in order.
QString positional(const QString &sql, QStringList *names);

} // namespace engine::sqltext
