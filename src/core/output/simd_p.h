// SSE2 fast paths of the encoders, chosen at run time.
//
// The Windows build targets plain i686, where the compiler may not assume
// SSE2, so the vector functions carry their own target attribute and are
// only called after the processor said it has SSE2. x86-64 always has it.
// Other compilers and processors use the portable code alone.
#pragma once

#if (defined(__GNUC__) || defined(__clang__)) && (defined(__i386__) || defined(__x86_64__))
#define LG_HAVE_SSE2_PATH 1
#define LG_TARGET_SSE2 __attribute__((target("sse2")))
#else
#define LG_HAVE_SSE2_PATH 0
#define LG_TARGET_SSE2
#endif

namespace lg::simd {

inline bool HasSse2() {
#if LG_HAVE_SSE2_PATH && defined(__x86_64__)
    return true;
#elif LG_HAVE_SSE2_PATH
    static const bool has = (__builtin_cpu_init(), __builtin_cpu_supports("sse2") != 0);
    return has;
#else
    return false;
#endif
}

}  // namespace lg::simd
