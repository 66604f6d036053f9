#include "vector_state.h"

namespace kvor {

void ForgetUpperVectorState() noexcept {
#if defined(__x86_64__)
    // The instruction keeps the lower halves, where all of the engine's numbers are.
    if (__builtin_cpu_supports("avx")) __asm__ volatile("vzeroupper");
#endif
}

} // namespace kvor
