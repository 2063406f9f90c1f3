// A command that does its work at once, without waiting for input.
#pragma once

#include "CommandTask.h"

#include <functional>

namespace cad::canvas {

inline CommandTask immediately(std::function<void()> action) {
    action();
    co_return;
}

} // namespace cad::canvas
