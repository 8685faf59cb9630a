#pragma once
// No exception may leave the library through an export, a window procedure or a thread
// routine: on the other side is the system or a program that knows nothing of them. The only
// ones the library can meet are failing allocations, and the call then ends with its fallback.

#include <exception>

namespace keylink::win32 {

template <typename Result, typename Work>
Result withinBoundary(Result fallback, Work work) noexcept {
    try {
        return work();
    } catch (const std::exception&) {
        return fallback;
    }
}

}  // namespace keylink::win32
