#pragma once

namespace velmora {

/// Watches the floating-point status flags for one engine operation instead of trapping signals.
/// The outermost scope clears the flags on entry; nested scopes leave them alone, so a fault raised
/// anywhere in a run stays visible until it is checked.
class ArithmeticFaultScope {
public:
    ArithmeticFaultScope();
    ~ArithmeticFaultScope();
    ArithmeticFaultScope(const ArithmeticFaultScope&) = delete;
    ArithmeticFaultScope& operator=(const ArithmeticFaultScope&) = delete;
};

/// Throws an EngineError naming `operation` when an invalid operation, a division by zero or an
/// overflow has been raised, or when `value` is not finite.
void throwOnArithmeticFault(const char* operation, double value = 0.0);

/// Whether one of those faults has been raised since the flags were last cleared.
bool arithmeticFaultRaised();
void clearArithmeticFaults();

} // namespace velmora
