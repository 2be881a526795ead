#include "engine/EngineMath.h"

#include <cmath>
#include <numbers>

namespace velmora {

double pow10(double x) {
    return std::exp(x * std::numbers::ln10);
}

double lg10(double x) {
    return std::log10(std::fabs(x));
}

} // namespace velmora
