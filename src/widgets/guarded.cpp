#include "guarded.h"

#include <exception>

#include "messages.h"
#include "platform/error.h"

namespace widgets {

bool guarded(const std::function<void()> &work)
{
    try {
        work();
        return true;
    } catch (const platform::Error &e) {
        messages().error(e.message());
    } catch (const std::exception &e) {
        messages().error(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

} // namespace widgets
