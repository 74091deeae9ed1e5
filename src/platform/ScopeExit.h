#pragma once

#include <utility>

namespace velmora::platform {

// Runs an action when the scope ends, however it ends (a return or an exception): for state that
// is set for the length of one step and must be taken back after it.
template <class Action>
class ScopeExit {
public:
    explicit ScopeExit(Action action) : mAction(std::move(action)) {}
    ~ScopeExit() { mAction(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Action mAction;
};

}  // namespace velmora::platform
