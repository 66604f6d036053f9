#pragma once

namespace kvor {

// Marks the upper halves of the processor's AVX registers as unused. The engine is built for
// the x86-64 baseline, whose double arithmetic uses the older SSE encoding; on recent Intel
// processors every such instruction waits on those upper halves while some code has left them in
// use without clearing them, as code in the libraries of the window does. The steps then run
// several times slower, in the window and in the batch runner once it draws pictures. Called
// before the steps of each screen update, it costs a few cycles, and nothing without AVX.
void ForgetUpperVectorState() noexcept;

} // namespace kvor
