// Vector fast paths of the encoders and the raster engine, chosen at run
// time.
//
// The Windows build targets plain i686, where the compiler may not assume
// SSE2, so the vector functions carry their own target attribute and are
// only called after the processor said it has SSE2 (or AVX2, which no
// build assumes). x86-64 always has SSE2. Other compilers and processors
// use the portable code alone.
#pragma once

#if (defined(__GNUC__) || defined(__clang__)) && (defined(__i386__) || defined(__x86_64__))
#define LG_HAVE_SSE2_PATH 1
#define LG_TARGET_SSE2 __attribute__((target("sse2")))
#define LG_TARGET_AVX2 __attribute__((target("avx2")))
#else
#define LG_HAVE_SSE2_PATH 0
#define LG_TARGET_SSE2
#define LG_TARGET_AVX2
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

// The processor and the system both: the check includes whether the
// system saves the wide registers on a thread switch.
inline bool HasAvx2() {
#if LG_HAVE_SSE2_PATH
    static const bool has = (__builtin_cpu_init(), __builtin_cpu_supports("avx2") != 0);
    return has;
#else
    return false;
#endif
}

}  // namespace lg::simd
