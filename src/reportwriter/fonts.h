#pragma once
// Fonts of the layouts. Layouts name the Windows Thai fonts AngsanaUPC and
// EucrosiaUPC; where they are not installed the installed Thai font Norasi takes
// their place (any other font with Thai letters if Norasi is missing too).
// The substitute is drawn at kSubstituteScale of the named size: the UPC faces
// draw their letters much smaller than most fonts of the same point size, and
// the scale keeps a column of text about as wide as the layout planned it.
#include "reportwriter/layout.h"

#include <QFont>
#include <QString>

namespace reportwriter {

constexpr double kSubstituteScale = 0.8;

// The installed family that prints for a layout's family name.
QString resolveFontFamily(const QString &family);
// True when the family is replaced by a substitute on this machine.
bool isSubstituted(const QString &family);
// The font to draw with; point size already scaled for a substitute.
QFont makeFont(const FontSpec &spec);

} // namespace reportwriter
