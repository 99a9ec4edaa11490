#pragma once

#include <exception>
#include <utility>

#include "app/application.h"

namespace ashtally {

// Runs one event handler of ours. An exception it raises is shown in the error box here, at the
// handler's edge, and never travels on into Qt's code.
template <class Handler>
void Guard(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        Application::ReportException(std::current_exception());
    }
}

} // namespace ashtally
