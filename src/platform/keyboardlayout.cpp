#include "keyboardlayout.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace platform {

bool activateKeyboardLayout(const QString &identifier)
{
#ifdef Q_OS_WIN
    HKL layout = LoadKeyboardLayoutW(reinterpret_cast<LPCWSTR>(identifier.utf16()), KLF_ACTIVATE);
    return layout != nullptr;
#else
    Q_UNUSED(identifier);
    return false;
#endif
}

} // namespace platform
