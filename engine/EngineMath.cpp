#include "engine/EngineMath.h"

#include <cmath>
#include <numbers>

namespace velmora {

namespace {

#if defined(__x86_64__) && !defined(__AVX__)
// The system's exp, chosen at load time, is VEX-encoded on processors with FMA; this library is not. While
// the upper halves of the vector registers count as in use (after an interrupt, on some virtual machines
// after every one), each switch between the two encodings costs hundreds of cycles: on such a machine it
// was most of an evaluation's time. vzeroupper marks them unused again, for about a cycle.
const bool vectorUpperHalvesExist = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}();

inline void markUpperHalvesUnused() {
    if (vectorUpperHalvesExist)
        asm volatile("vzeroupper");
}
#else
inline void markUpperHalvesUnused() {}
#endif

} // namespace

double pow10(double x) {
    markUpperHalvesUnused();
    return std::exp(x * std::numbers::ln10);
}

double lg10(double x) {
    return std::log10(std::fabs(x));
}

} // namespace velmora
