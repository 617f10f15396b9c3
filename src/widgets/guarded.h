#pragma once
// Runs the work of an event handler and shows any error it raises with the error's
// own text; the window stays open with its state as the work left it. Qt must never
// see an exception leave an event handler.
#include <functional>

namespace widgets {

// Returns true when the work finished without an error.
bool guarded(const std::function<void()> &work);

} // namespace widgets
