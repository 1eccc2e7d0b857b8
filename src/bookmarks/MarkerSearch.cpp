#include "bookmarks/MarkerSearch.h"

#include "bookmarks/MarkerSearchLoop.h"

#ifdef __x86_64__

namespace MarkerSearch {

// In MarkerSearchAvx2.cpp, compiled for processors with AVX2.
qsizetype findAvx2(const char *data, qsizetype from, qsizetype end, bool anchors);

namespace {

struct Sse2
{
    using Vector = __m128i;
    static constexpr qsizetype Width = 16;
    static Vector load(const char *p) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p)); }
    static Vector splat(char c) { return _mm_set1_epi8(c); }
    static Vector eq(Vector a, Vector b) { return _mm_cmpeq_epi8(a, b); }
    static Vector both(Vector a, Vector b) { return _mm_and_si128(a, b); }
    static Vector either(Vector a, Vector b) { return _mm_or_si128(a, b); }
    static unsigned mask(Vector v) { return unsigned(_mm_movemask_epi8(v)); }
};

// LINKCRATE_NO_AVX2 lets the tests run the SSE2 loop on processors with AVX2.
const bool HaveAvx2 = __builtin_cpu_supports("avx2") && qEnvironmentVariableIsEmpty("LINKCRATE_NO_AVX2");

} // namespace

qsizetype find(const char *data, qsizetype from, qsizetype end, bool anchors)
{
    return HaveAvx2 ? findAvx2(data, from, end, anchors) : findWith<Sse2>(data, from, end, anchors);
}

} // namespace MarkerSearch

#else

namespace MarkerSearch {

qsizetype find(const char *data, qsizetype from, qsizetype end, bool anchors)
{
    return findPortable(data, from, end, anchors);
}

} // namespace MarkerSearch

#endif
