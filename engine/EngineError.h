#pragma once

#include <stdexcept>
#include <string>

namespace velmora {

/// A fault that aborts an engine run: an arithmetic fault (division by zero, logarithm of zero,
/// overflow, invalid operation) or inputs the solver cannot use. The calling dialog reports it.
class EngineError : public std::runtime_error {
public:
    explicit EngineError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace velmora
