// MOTORHALL_VECTOR_CLONES builds a pixel loop twice, for the baseline x86-64 processor (SSE2) and
// for AVX2, and picks one at load time as the processor allows: the AVX2 build works twice the
// pixels per instruction. Only loops the compiler vectorises by itself gain from it; functions
// they call are inlined into each build (`inline` helpers), so they run in AVX2 too.
#pragma once

#if defined(__x86_64__) && defined(__linux__) &&                                                   \
    (defined(__clang__) ? __clang_major__ >= 14 : defined(__GNUC__))
#define MOTORHALL_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define MOTORHALL_VECTOR_CLONES
#endif
