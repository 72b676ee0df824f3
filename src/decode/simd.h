// Eight-lane integer vectors (the vector extensions that GCC and clang
// share) and the clone attribute that builds a variant for processors with
// AVX2 and BMI2 beside the baseline one, picked at load time.
#pragma once

#include <cstdint>
#include <cstring>

// Functions that take or return these vectors are always inlined
// (VN_VECTOR_INLINE): a real call between a baseline function and an AVX2
// variant would pass them differently on each side.
#pragma GCC diagnostic ignored "-Wpsabi"
#define VN_VECTOR_INLINE [[gnu::always_inline]] inline

namespace vn::jpeg {

typedef int32_t I32x8 __attribute__((vector_size(32)));
typedef uint32_t U32x8 __attribute__((vector_size(32)));
typedef uint8_t U8x32 __attribute__((vector_size(32)));
typedef uint8_t U8x16 __attribute__((vector_size(16)));
typedef uint64_t U64x4 __attribute__((vector_size(32)));

VN_VECTOR_INLINE I32x8 LoadI32x8(const int32_t* p) {
    I32x8 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

VN_VECTOR_INLINE void StoreI32x8(int32_t* p, I32x8 v) { std::memcpy(p, &v, sizeof v); }

VN_VECTOR_INLINE I32x8 ClampI32x8(I32x8 v, int32_t low, int32_t high) {
    const I32x8 lowest = I32x8{} + low;
    const I32x8 highest = I32x8{} + high;
    v = v < lowest ? lowest : v;
    return v > highest ? highest : v;
}

}  // namespace vn::jpeg

// GCC only: clang 14 cannot clone for a level of several features (its
// "arch=" clones test the processor's name), and refuses calls that pass
// these vectors by value inside a clone.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define VN_SIMD_CLONES __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define VN_SIMD_CLONES
#endif
