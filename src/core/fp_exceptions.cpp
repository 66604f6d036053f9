#include "fp_exceptions.h"

#include "model_numbers.h"

#if defined(__SSE2__) && defined(__x86_64__)
#include <immintrin.h>
#else
#include <cfenv>
#endif

namespace kvor {

void raiseArithmeticFault() {
    throw ArithmeticFault{};
}

namespace fp {

// On x86-64 all double arithmetic, the mathematical library included, runs on the SSE unit, so
// its status register holds every flag we need. Reading it costs a few cycles, which lets the
// run loop check once per stretch even at millions of steps per second; feclearexcept would also
// rewrite the x87 environment each time.
#if defined(__SSE2__) && defined(__x86_64__)
namespace {
constexpr unsigned kInvalid = 0x01;
constexpr unsigned kDivideByZero = 0x04;
constexpr unsigned kOverflow = 0x08;
constexpr unsigned kFaults = kInvalid | kDivideByZero | kOverflow;
} // namespace

void clearFaults() noexcept {
    const unsigned csr = _mm_getcsr();
    if (csr & kFaults) _mm_setcsr(csr & ~kFaults);
}

bool faultRaised() noexcept {
    return (_mm_getcsr() & kFaults) != 0;
}
#else
void clearFaults() noexcept {
    std::feclearexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
}

bool faultRaised() noexcept {
    return std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW) != 0;
}
#endif

void checkFaults() {
    if (faultRaised()) raiseArithmeticFault();
}

} // namespace fp
} // namespace kvor
