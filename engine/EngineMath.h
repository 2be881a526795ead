#pragma once

namespace velmora {

/// 10^x, computed as e^(x ln 10).
double pow10(double x);
/// Decimal logarithm of |x|.
double lg10(double x);

} // namespace velmora
