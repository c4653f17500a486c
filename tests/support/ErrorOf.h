#pragma once
#include <functional>
#include <string>

#include "text/Error.h"

namespace veskor::test {

// The message of the error `call` raises, so a test can compare it with the exact text.
inline std::string ErrorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

}  // namespace veskor::test
