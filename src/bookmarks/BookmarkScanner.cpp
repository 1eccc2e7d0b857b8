#include "bookmarks/BookmarkScanner.h"

#include "bookmarks/LineWriter.h"

#include <QIODevice>

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr qsizetype BlockSize = 256 * 1024;

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

// First position at or after `from` where `lowerNeedle` (which starts with '<')
// occurs, ignoring ASCII case; -1 when none. Skips from '<' to '<' so that long
// lines of icon data cost one memchr.
qsizetype findTag(QByteArrayView hay, QByteArrayView lowerNeedle, qsizetype from = 0)
{
    const char *begin = hay.data();
    const char *end = begin + hay.size();
    const char *p = begin + from;
    while (p < end) {
        p = static_cast<const char *>(std::memchr(p, '<', size_t(end - p)));
        if (!p)
            return -1;
        if (matchesAt(hay, p - begin, lowerNeedle))
            return p - begin;
        ++p;
    }
    return -1;
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

} // namespace

BookmarkScanner::BookmarkScanner(QIODevice *InFile)
    : m_in(InFile)
    , m_buffer(BlockSize, Qt::Uninitialized)
{
}

BookmarkScanner::LineMarks BookmarkScanner::lineMarks(QByteArrayView line)
{
    // One walk from '<' to '<' finds all three markers.
    LineMarks marks;
    const char *begin = line.data();
    const char *end = begin + line.size();
    for (const char *p = begin; p < end; ++p) {
        p = static_cast<const char *>(std::memchr(p, '<', size_t(end - p)));
        if (!p)
            break;
        const qsizetype at = p - begin;
        if (!marks.heading && matchesAt(line, at, "<h3"))
            marks.heading = true;
        else if (matchesAt(line, at, "<dl>"))
            marks.opens = true;
        else if (matchesAt(line, at, "</dl>"))
            marks.closes = true;
    }
    return marks;
}

QByteArray BookmarkScanner::headingName(QByteArrayView line)
{
    const QByteArrayView trimmed = trimmedSpaces(line);
    const qsizetype p = findTag(trimmed, "<h3");
    if (p < 0)
        return {};
    const qsizetype gt = trimmed.indexOf('>', p);
    if (gt < 0)
        return {};
    const qsizetype start = gt + 1;
    const qsizetype close = findTag(trimmed, "</h3>");
    // Without a closing tag after the name, the name runs to the end of the line.
    const qsizetype stop = (close >= start) ? close : trimmed.size();
    return trimmed.sliced(start, stop - start).toByteArray();
}

BookmarkScanner::ListEvent BookmarkScanner::ReadToNextList()
{
    ListEvent result;
    QByteArrayView line;
    Terminator terminator;
    while (readLine(line, terminator)) {
        if (m_out)
            m_out->writeLine(line);
        const LineMarks marks = lineMarks(line);
        if (marks.heading) {
            result.name = headingName(line);
            result.hasHeading = true;
        }
        // A line with both markers counts as an opening.
        if (marks.opens) {
            result.kind = Event::ListOpened;
            return result;
        }
        if (marks.closes) {
            // A heading seen on the way belongs to no list: forget it.
            return {Event::ListClosed, {}, false};
        }
    }
    return {hasReadError() ? Event::ReadError : Event::EndOfFile, {}, false};
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

qsizetype BookmarkScanner::findEol(qsizetype from) const
{
    const char *data = m_buffer.constData();
    qsizetype i = from;
#ifdef __SSE2__
    // One pass for both CR and LF: this loop is most of the time spent on a file.
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + 16 <= m_end; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
        const int mask = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf)));
        if (mask)
            return i + __builtin_ctz(unsigned(mask));
    }
#endif
    for (; i < m_end; ++i) {
        if (data[i] == '\r' || data[i] == '\n')
            return i;
    }
    return -1;
}

bool BookmarkScanner::fill()
{
    if (m_eof || hasReadError())
        return false;
    if (m_pos > 0) {
        std::memmove(m_buffer.data(), m_buffer.constData() + m_pos, size_t(m_end - m_pos));
        m_end -= m_pos;
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
    qsizetype searchFrom = m_pos;
    for (;;) {
        const qsizetype eol = findEol(searchFrom);
        if (eol >= 0) {
            if (m_buffer[eol] == '\r' && eol + 1 == m_end && !m_eof) {
                // CR at the end of the block: the next block says whether an LF follows.
                const qsizetype offset = eol - m_pos;
                if (fill()) {
                    searchFrom = m_pos + offset;
                    continue;
                }
                if (hasReadError())
                    return false;
                searchFrom = m_pos + offset;
                continue;
            }
            qsizetype next = eol + 1;
            if (m_buffer[eol] == '\n') {
                terminator = Terminator::Lf;
            } else if (next < m_end && m_buffer[next] == '\n') {
                terminator = Terminator::CrLf;
                ++next;
            } else {
                terminator = Terminator::Cr;
            }
            line = QByteArrayView(m_buffer.constData() + m_pos, eol - m_pos);
            m_pos = next;
            break;
        }
        const qsizetype scanned = m_end - m_pos;
        if (!fill()) {
            if (hasReadError() || m_pos == m_end)
                return false;
            // The last line has no terminator.
            terminator = Terminator::None;
            line = QByteArrayView(m_buffer.constData() + m_pos, m_end - m_pos);
            m_pos = m_end;
            break;
        }
        searchFrom = m_pos + scanned;
    }
    if (m_firstLine) {
        m_firstLine = false;
        m_firstTerminator = terminator;
    }
    if (m_inspector)
        m_inspector(line);
    return true;
}
