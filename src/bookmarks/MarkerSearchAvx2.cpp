// Compiled with -mavx2 on x86-64 only; called when the processor has AVX2.
#include "bookmarks/MarkerSearchLoop.h"

namespace MarkerSearch {

namespace {

struct Avx2
{
    using Vector = __m256i;
    static constexpr qsizetype Width = 32;
    static Vector load(const char *p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p)); }
    static Vector splat(char c) { return _mm256_set1_epi8(c); }
    static Vector eq(Vector a, Vector b) { return _mm256_cmpeq_epi8(a, b); }
    static Vector both(Vector a, Vector b) { return _mm256_and_si256(a, b); }
    static Vector either(Vector a, Vector b) { return _mm256_or_si256(a, b); }
    static unsigned mask(Vector v) { return unsigned(_mm256_movemask_epi8(v)); }
};

} // namespace

qsizetype findAvx2(const char *data, qsizetype from, qsizetype end, bool anchors)
{
    return findWith<Avx2>(data, from, end, anchors);
}

} // namespace MarkerSearch
