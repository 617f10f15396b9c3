#pragma once
#include <QString>

namespace platform {

// Activates a keyboard layout for the process by its identifier ("0000041e" is Thai).
// On Windows this loads and activates the layout; elsewhere the desktop owns the
// keyboard and the call does nothing. Returns whether a layout was activated.
bool activateKeyboardLayout(const QString &identifier);

} // namespace platform
