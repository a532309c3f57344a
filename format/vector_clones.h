// MOTORHALL_VECTOR_CLONES builds a pixel loop for the baseline x86-64 processor (SSE2), for AVX2
// and, with GCC, for AVX-512 (x86-64-v4), and picks one at load time as the processor allows:
// each step up works twice the pixels per instruction. Only loops the compiler vectorises by
// itself gain from it; functions they call are inlined into each build (`inline` helpers), so
// they run in the wider instructions too.
#pragma once

#if defined(__x86_64__) && defined(__linux__) && defined(__clang__) && __clang_major__ >= 14
#define MOTORHALL_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#elif defined(__x86_64__) && defined(__linux__) && defined(__GNUC__) && !defined(__clang__)
#define MOTORHALL_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#else
#define MOTORHALL_VECTOR_CLONES
#endif
