#pragma once

// The vector loop of MarkerSearch, one template for every instruction set. It is
// included by one file per instruction set, each compiled for its own processor
// level; the anonymous namespace keeps the copies apart at link time.

#include <QtGlobal>

#ifdef __x86_64__
#include <immintrin.h>
#endif

namespace MarkerSearch {
namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool startsMarker(char second, char third, bool anchors)
{
    const char s = char(second | 0x20);
    const char t = char(third | 0x20);
    return (s == 'd' && t == 'l') || (s == 'h' && third == '3') || (second == '/' && t == 'd')
        || (anchors && s == 'a' && isSpace(third));
}

qsizetype findPortable(const char *data, qsizetype from, qsizetype end, bool anchors)
{
    for (qsizetype i = from; i + 2 < end; ++i) {
        if (data[i] == '<' && startsMarker(data[i + 1], data[i + 2], anchors))
            return i;
    }
    return -1;
}

#ifdef __x86_64__
// Each '<' is checked against the two bytes after it, all lanes at once.
// With `Anchors`, a bookmark's "<a " is a candidate too.
template<class Isa, bool Anchors>
qsizetype findVector(const char *data, qsizetype from, qsizetype end)
{
    using V = typename Isa::Vector;
    const V lt = Isa::splat('<');
    const V caseBit = Isa::splat(0x20);
    qsizetype i = from;
    for (; i + Isa::Width + 2 <= end; i += Isa::Width) {
        unsigned marks = Isa::mask(Isa::eq(Isa::load(data + i), lt));
        if (!marks)
            continue;
        const V second = Isa::load(data + i + 1);
        const V third = Isa::load(data + i + 2);
        const V secondLower = Isa::either(second, caseBit);
        const V thirdLower = Isa::either(third, caseBit);
        const V dl = Isa::both(Isa::eq(secondLower, Isa::splat('d')), Isa::eq(thirdLower, Isa::splat('l')));
        const V h3 = Isa::both(Isa::eq(secondLower, Isa::splat('h')), Isa::eq(third, Isa::splat('3')));
        const V sd = Isa::both(Isa::eq(second, Isa::splat('/')), Isa::eq(thirdLower, Isa::splat('d')));
        V found = Isa::either(dl, Isa::either(h3, sd));
        if constexpr (Anchors) {
            const V space = Isa::either(Isa::either(Isa::eq(third, Isa::splat(' ')), Isa::eq(third, Isa::splat('\t'))),
                                        Isa::either(Isa::eq(third, Isa::splat('\n')), Isa::eq(third, Isa::splat('\r'))));
            found = Isa::either(found, Isa::both(Isa::eq(secondLower, Isa::splat('a')), space));
        }
        marks &= Isa::mask(found);
        if (marks)
            return i + __builtin_ctz(marks);
    }
    // The last bytes, fewer than a vector and the two it looks ahead.
    return findPortable(data, i, end, Anchors);
}

template<class Isa>
qsizetype findWith(const char *data, qsizetype from, qsizetype end, bool anchors)
{
    return anchors ? findVector<Isa, true>(data, from, end) : findVector<Isa, false>(data, from, end);
}
#endif

} // namespace
} // namespace MarkerSearch
