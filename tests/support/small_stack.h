// Runs a piece of test code on a thread with a small stack of a given size, and reports how much
// of that stack the code used at most (the stack is painted before the thread starts and the
// untouched paint is measured afterwards). The reported figure includes what the thread library
// keeps at the top of a stack it is given (its thread record and thread-local storage).
#pragma once

#include <cstddef>
#include <functional>

namespace small_stack {

// Bytes of the stack that fn used, or 0 when the thread could not be started.
size_t run(size_t stackBytes, const std::function<void()>& fn);

} // namespace small_stack
