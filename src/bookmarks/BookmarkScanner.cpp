#include "bookmarks/BookmarkScanner.h"

#include "bookmarks/LineWriter.h"

#include <QIODevice>

#include <cstring>

#ifdef __x86_64__
#include <immintrin.h>
#endif

namespace {

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
}

// Case-insensitive (ASCII) match of `lowerNeedle` at `at`.
bool matchesAt(QByteArrayView hay, qsizetype at, QByteArrayView lowerNeedle)
{
    if (at + lowerNeedle.size() > hay.size())
        return false;
    for (qsizetype i = 0; i < lowerNeedle.size(); ++i) {
        if (lower(hay[at + i]) != lowerNeedle[i])
            return false;
    }
    return true;
}

QByteArrayView trimmedSpaces(QByteArrayView line)
{
    qsizetype b = 0;
    qsizetype e = line.size();
    while (b < e && line[b] == ' ')
        ++b;
    while (e > b && line[e - 1] == ' ')
        --e;
    return line.sliced(b, e - b);
}

// Whether a '<' at `at` starts a marker. Every marker starts with '<' and one of
// 'h', 'd', '/': most tags fail on the second byte.
void markAt(QByteArrayView line, qsizetype at, BookmarkScanner::LineMarks &marks)
{
    if (at + 1 >= line.size())
        return;
    const char next = lower(line[at + 1]);
    if (next == 'h')
        marks.heading = marks.heading || matchesAt(line, at, "<h3");
    else if (next == 'd')
        marks.opens = marks.opens || matchesAt(line, at, "<dl>");
    else if (next == '/')
        marks.closes = marks.closes || matchesAt(line, at, "</dl>");
}

} // namespace

BookmarkScanner::BookmarkScanner(QIODevice *InFile)
    : m_in(InFile)
    , m_buffer(BlockSize, Qt::Uninitialized)
{
}

BookmarkScanner::LineMarks BookmarkScanner::lineMarks(QByteArrayView line)
{
    LineMarks marks;
    for (qsizetype at = line.indexOf('<'); at >= 0; at = line.indexOf('<', at + 1))
        markAt(line, at, marks);
    return marks;
}

BookmarkScanner::LineMarks BookmarkScanner::currentLineMarks(QByteArrayView line) const
{
    // The '<' of the line were noted while looking for its end.
    LineMarks marks;
    for (qsizetype i = m_lineTagBegin; i < m_lineTagEnd; ++i)
        markAt(line, m_tags[i] - m_lineStart, marks);
    return marks;
}

QByteArrayView BookmarkScanner::headingName(QByteArrayView line)
{
    // One walk over the line's tags finds the first "<h3" and the first "</h3>".
    qsizetype h3 = -1;
    qsizetype close = -1;
    for (qsizetype at = line.indexOf('<'); at >= 0 && (h3 < 0 || close < 0); at = line.indexOf('<', at + 1)) {
        if (h3 < 0 && matchesAt(line, at, "<h3"))
            h3 = at;
        else if (close < 0 && matchesAt(line, at, "</h3>"))
            close = at;
    }
    const qsizetype gt = h3 < 0 ? -1 : line.indexOf('>', h3);
    if (gt < 0)
        return {};
    const qsizetype start = gt + 1;
    // Without a closing tag after the name, the name runs to the end of the
    // line, less the spaces that end it.
    if (close >= start)
        return line.sliced(start, close - start);
    return trimmedSpaces(line.sliced(start));
}

BookmarkScanner::ListEvent BookmarkScanner::ReadToNextList()
{
    // Only once the first line is known (its terminator is the file's style).
    setFastMode(!m_out && !m_inspector && !m_firstLine);
    if (m_fast)
        return nextListFast();
    ListEvent result;
    QByteArrayView line;
    Terminator terminator;
    while (readLine(line, terminator)) {
        if (m_out)
            m_out->writeLine(line);
        if (endsScan(currentLineMarks(line), line, result))
            return result;
    }
    return {hasReadError() ? Event::ReadError : Event::EndOfFile, {}, false};
}

bool BookmarkScanner::endsScan(const LineMarks &marks, QByteArrayView line, ListEvent &result)
{
    if (marks.heading) {
        // The line goes when the buffer moves on; the name is kept in a buffer of
        // our own, reused from heading to heading.
        const QByteArrayView name = headingName(line);
        m_heading.resize(name.size());
        if (!name.isEmpty()) // an empty view may have no data at all
            std::memcpy(m_heading.data(), name.data(), size_t(name.size()));
        result.name = m_heading;
        result.hasHeading = true;
    }
    // A line with both markers counts as an opening.
    if (marks.opens) {
        result.kind = Event::ListOpened;
        return true;
    }
    if (marks.closes) {
        // A heading seen on the way belongs to no list: forget it.
        result = {Event::ListClosed, {}, false};
        return true;
    }
    return false;
}

bool BookmarkScanner::copyRest()
{
    QByteArrayView line;
    Terminator terminator;
    while (readLine(line, terminator)) {
        if (m_out)
            m_out->writeLine(line);
    }
    return !hasReadError();
}

namespace {

// Notes, for [from, to), where each CR or LF is and where each '<' that may start
// a marker is. This pass is most of the time spent on a file.
template<bool WithEols>
void scanPortable(const char *data, qsizetype from, qsizetype to, QList<qsizetype> &eols, QList<qsizetype> &tags)
{
    for (qsizetype i = from; i < to; ++i) {
        const char c = data[i];
        if (WithEols && (c == '\r' || c == '\n'))
            eols.append(i);
        else if (c == '<')
            tags.append(i);
    }
}

#ifdef __x86_64__
// The vector loops note only the '<' that can start a marker: "<dl", "<h3" or
// "</d", ignoring case. They look two bytes ahead, so they stop two bytes short
// of the data (`end`); the portable loop notes every '<' of the rest.
template<bool WithEols>
qsizetype scanSse2(const char *data, qsizetype from, qsizetype to, qsizetype end, QList<qsizetype> &eols,
                   QList<qsizetype> &tags)
{
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i lt = _mm_set1_epi8('<');
    const __m128i caseBit = _mm_set1_epi8(0x20);
    qsizetype i = from;
    for (; i + 16 <= to && i + 16 + 2 <= end; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
        unsigned eol = WithEols ? unsigned(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf))))
                                : 0u;
        unsigned marks = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, lt)));
        if (marks) {
            const __m128i next = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i + 1)), caseBit);
            const __m128i third = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i + 2)), caseBit);
            const __m128i dl = _mm_and_si128(_mm_cmpeq_epi8(next, _mm_set1_epi8('d')), _mm_cmpeq_epi8(third, _mm_set1_epi8('l')));
            const __m128i h3 = _mm_and_si128(_mm_cmpeq_epi8(next, _mm_set1_epi8('h')), _mm_cmpeq_epi8(third, _mm_set1_epi8('3')));
            const __m128i sd = _mm_and_si128(_mm_cmpeq_epi8(next, _mm_set1_epi8('/')), _mm_cmpeq_epi8(third, _mm_set1_epi8('d')));
            marks &= unsigned(_mm_movemask_epi8(_mm_or_si128(dl, _mm_or_si128(h3, sd))));
        }
        for (; eol; eol &= eol - 1)
            eols.append(i + __builtin_ctz(eol));
        for (; marks; marks &= marks - 1)
            tags.append(i + __builtin_ctz(marks));
    }
    return i;
}

template<bool WithEols>
__attribute__((target("avx2"))) qsizetype scanAvx2(const char *data, qsizetype from, qsizetype to, qsizetype end,
                                                   QList<qsizetype> &eols, QList<qsizetype> &tags)
{
    const __m256i cr = _mm256_set1_epi8('\r');
    const __m256i lf = _mm256_set1_epi8('\n');
    const __m256i lt = _mm256_set1_epi8('<');
    const __m256i caseBit = _mm256_set1_epi8(0x20);
    qsizetype i = from;
    for (; i + 32 <= to && i + 32 + 2 <= end; i += 32) {
        const __m256i chunk = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(data + i));
        unsigned eol = WithEols ? unsigned(_mm256_movemask_epi8(
                                      _mm256_or_si256(_mm256_cmpeq_epi8(chunk, cr), _mm256_cmpeq_epi8(chunk, lf))))
                                : 0u;
        unsigned marks = unsigned(_mm256_movemask_epi8(_mm256_cmpeq_epi8(chunk, lt)));
        if (marks) {
            const __m256i next = _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i *>(data + i + 1)), caseBit);
            const __m256i third = _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i *>(data + i + 2)), caseBit);
            const __m256i dl = _mm256_and_si256(_mm256_cmpeq_epi8(next, _mm256_set1_epi8('d')),
                                                _mm256_cmpeq_epi8(third, _mm256_set1_epi8('l')));
            const __m256i h3 = _mm256_and_si256(_mm256_cmpeq_epi8(next, _mm256_set1_epi8('h')),
                                                _mm256_cmpeq_epi8(third, _mm256_set1_epi8('3')));
            const __m256i sd = _mm256_and_si256(_mm256_cmpeq_epi8(next, _mm256_set1_epi8('/')),
                                                _mm256_cmpeq_epi8(third, _mm256_set1_epi8('d')));
            marks &= unsigned(_mm256_movemask_epi8(_mm256_or_si256(dl, _mm256_or_si256(h3, sd))));
        }
        for (; eol; eol &= eol - 1)
            eols.append(i + __builtin_ctz(eol));
        for (; marks; marks &= marks - 1)
            tags.append(i + __builtin_ctz(marks));
    }
    return i;
}

// LINKCRATE_NO_AVX2 lets the tests run the SSE2 loop on processors with AVX2.
const bool HaveAvx2 = __builtin_cpu_supports("avx2") && qEnvironmentVariableIsEmpty("LINKCRATE_NO_AVX2");
#endif

// Scanning runs ahead of the lines in pieces of this size.
constexpr qsizetype ScanBatch = 64 * 1024;

} // namespace

template<bool WithEols>
void BookmarkScanner::scanAhead()
{
    const char *data = m_buffer.constData();
    const qsizetype to = std::min(m_end, m_scanned + ScanBatch);
    qsizetype i = m_scanned;
#ifdef __x86_64__
    i = HaveAvx2 ? scanAvx2<WithEols>(data, i, to, m_end, m_eols, m_tags)
                 : scanSse2<WithEols>(data, i, to, m_end, m_eols, m_tags);
    // The vector loops stop short of the end of the data, and of the batch when
    // it ends the data: the bytes left are few.
    if (to == m_end || i + 32 + 2 > m_end) {
        scanPortable<WithEols>(data, i, to, m_eols, m_tags);
        i = to;
    }
#else
    scanPortable<WithEols>(data, i, to, m_eols, m_tags);
    i = to;
#endif
    m_scanned = i;
}

void BookmarkScanner::setFastMode(bool fast)
{
    if (fast == m_fast)
        return;
    // What was noted ahead was noted for the other way of reading: start again
    // from the current line.
    m_fast = fast;
    m_scanned = m_pos;
    m_cleanFrom = m_pos;
    m_eols.clear();
    m_eolHead = 0;
    m_tags.clear();
    m_tagHead = 0;
}

qsizetype BookmarkScanner::findEolFrom(qsizetype from) const
{
    // A window at a time, so that a file without CR (or without LF) is not
    // searched to its end for the terminator it does not use.
    const char *data = m_buffer.constData();
    for (qsizetype lo = from; lo < m_end; lo += 256) {
        const size_t n = size_t(std::min<qsizetype>(256, m_end - lo));
        const auto *lf = static_cast<const char *>(std::memchr(data + lo, '\n', n));
        const auto *cr = static_cast<const char *>(std::memchr(data + lo, '\r', lf ? size_t(lf - (data + lo)) : n));
        if (cr || lf)
            return (cr ? cr : lf) - data;
    }
    return -1;
}

void BookmarkScanner::skipTo(qsizetype limit)
{
    // The lines before the one that holds `limit` are done with. What is known to
    // hold no terminator is not searched again, so that a line of many megabytes
    // costs one pass however many blocks it spans.
    const char *data = m_buffer.constData();
    const qsizetype floor = std::max(m_pos, m_cleanFrom);
    for (qsizetype hi = limit; hi > floor; hi -= 64) {
        const qsizetype lo = std::max(floor, hi - 64);
        const auto *lf = static_cast<const char *>(memrchr(data + lo, '\n', size_t(hi - lo)));
        const auto *cr = static_cast<const char *>(memrchr(data + lo, '\r', size_t(hi - lo)));
        if (cr || lf) {
            m_pos = (cr && (!lf || cr > lf) ? cr : lf) - data + 1;
            break;
        }
    }
    m_cleanFrom = std::max(m_cleanFrom, limit);
}

BookmarkScanner::ListEvent BookmarkScanner::nextListFast()
{
    // Without copy-through, lines without a possible marker need not be visited
    // at all: go from one noted '<' to the next and look only at its line.
    ListEvent result;
    for (;;) {
        while (m_tagHead < m_tags.size() && m_tags[m_tagHead] < m_pos)
            ++m_tagHead;
        if (m_tagHead == m_tags.size()) {
            if (m_scanned < m_end) {
                scanAhead<false>();
                continue;
            }
            // Nothing of what was read holds a marker: keep only the last,
            // unfinished line, so that the buffer does not fill with skipped lines.
            skipTo(m_end);
            if (fill())
                continue;
            m_pos = m_end;
            return {hasReadError() ? Event::ReadError : Event::EndOfFile, {}, false};
        }
        const qsizetype tag = m_tags[m_tagHead];
        skipTo(tag);
        const qsizetype eol = findEolFrom(std::max(tag, m_cleanFrom));
        // The line must be whole, terminator included, before it is read.
        if ((eol < 0 || (eol + 1 == m_end && m_buffer.constData()[eol] == '\r')) && !m_eof) {
            if (eol < 0)
                m_cleanFrom = m_end;
            if (!fill() && hasReadError())
                return {Event::ReadError, {}, false};
            continue;
        }
        const qsizetype lineEnd = eol < 0 ? m_end : eol;
        // Every '<' of the line must have been looked at, not just the first.
        while (m_scanned < lineEnd)
            scanAhead<false>();
        const char *data = m_buffer.constData();
        const QByteArrayView line(data + m_pos, lineEnd - m_pos);
        LineMarks marks;
        for (; m_tagHead < m_tags.size() && m_tags[m_tagHead] < lineEnd; ++m_tagHead)
            markAt(line, m_tags[m_tagHead] - m_pos, marks);
        m_pos = eol < 0 ? m_end : (data[eol] == '\r' && eol + 1 < m_end && data[eol + 1] == '\n' ? eol + 2 : eol + 1);
        m_cleanFrom = m_pos;
        if (endsScan(marks, line, result))
            return result;
    }
}

qsizetype BookmarkScanner::nextEol()
{
    while (m_eolHead == m_eols.size()) {
        if (m_scanned >= m_end)
            return -1;
        scanAhead<true>();
    }
    return m_eols[m_eolHead];
}

bool BookmarkScanner::fill()
{
    if (m_eof || hasReadError())
        return false;
    if (m_pos > 0) {
        // Keep the unread part and what is known of it; shift both to the front.
        std::memmove(m_buffer.data(), m_buffer.constData() + m_pos, size_t(m_end - m_pos));
        m_end -= m_pos;
        m_scanned -= m_pos;
        m_cleanFrom = std::max<qsizetype>(0, m_cleanFrom - m_pos);
        const auto shift = [&](QList<qsizetype> &list, qsizetype &head) {
            list.remove(0, head);
            head = 0;
            for (qsizetype &at : list)
                at -= m_pos;
        };
        shift(m_eols, m_eolHead);
        shift(m_tags, m_tagHead);
        m_pos = 0;
    }
    // A line longer than the buffer (base64 icon data) makes the buffer grow to
    // hold it: memory follows the longest line, not the file.
    if (m_buffer.size() - m_end < BlockSize / 2)
        m_buffer.resize(m_buffer.size() * 2);
    const qint64 got = m_in->read(m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (got < 0) {
        m_error = m_in->errorString();
        if (m_error.isEmpty())
            m_error = QStringLiteral("read failed");
        return false;
    }
    if (got == 0) {
        m_eof = true;
        return false;
    }
    m_end += qsizetype(got);
    if (m_onBlock)
        m_onBlock();
    return true;
}

bool BookmarkScanner::readLine(QByteArrayView &line, Terminator &terminator)
{
    setFastMode(false);
    qsizetype eol;
    for (;;) {
        eol = nextEol();
        if (eol >= 0) {
            // A CR that ends the data read so far: the next block says whether an
            // LF follows it.
            if (m_buffer.constData()[eol] == '\r' && eol + 1 == m_end && !m_eof) {
                if (!fill() && hasReadError())
                    return false;
                continue;
            }
            break;
        }
        if (!fill()) {
            if (hasReadError() || m_pos == m_end)
                return false;
            break; // the last line has no terminator
        }
    }

    const char *data = m_buffer.constData();
    const qsizetype lineEnd = eol >= 0 ? eol : m_end;
    qsizetype next = m_end;
    terminator = Terminator::None;
    if (eol >= 0) {
        ++m_eolHead;
        next = eol + 1;
        if (data[eol] == '\n') {
            terminator = Terminator::Lf;
        } else if (next < m_end && data[next] == '\n') {
            terminator = Terminator::CrLf;
            // The LF was noted too, unless scanning has not reached it yet.
            if (m_eolHead < m_eols.size() && m_eols[m_eolHead] == next)
                ++m_eolHead;
            else
                m_scanned = std::max(m_scanned, next + 1);
            ++next;
        } else {
            terminator = Terminator::Cr;
        }
    }
    // The '<' of this line that may start a marker.
    m_lineTagBegin = m_tagHead;
    while (m_tagHead < m_tags.size() && m_tags[m_tagHead] < lineEnd)
        ++m_tagHead;
    m_lineTagEnd = m_tagHead;

    line = QByteArrayView(data + m_pos, lineEnd - m_pos);
    m_lineStart = m_pos;
    m_pos = next;
    if (m_firstLine) {
        m_firstLine = false;
        m_firstTerminator = terminator;
    }
    if (m_inspector)
        m_inspector(line);
    return true;
}
