#pragma once
#include <functional>

#include "platform/vb/Err.h"

namespace filetest {

// The error number an action raises, 0 when it raises none.
inline int ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const vb::Err& e) {
        return e.Number;
    }
    return 0;
}

} // namespace filetest
