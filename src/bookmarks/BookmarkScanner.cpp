#include "bookmarks/BookmarkScanner.h"

#include "bookmarks/BlockWriter.h"
#include "bookmarks/MarkerSearch.h"

#include <QCoreApplication>
#include <QIODevice>

#include <cstring>

namespace {

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
}

// Case-insensitive (ASCII) match of `lowerNeedle` at `at`, within `end`.
bool matchesAt(const char *data, qsizetype at, qsizetype end, QByteArrayView lowerNeedle)
{
    if (at + lowerNeedle.size() > end)
        return false;
    for (qsizetype i = 0; i < lowerNeedle.size(); ++i) {
        if (lower(data[at + i]) != lowerNeedle[i])
            return false;
    }
    return true;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

} // namespace

BookmarkScanner::BookmarkScanner(QIODevice *InFile)
    : m_in(InFile)
    , m_buffer(BlockSize, Qt::Uninitialized)
{
}

bool BookmarkScanner::fill()
{
    if (m_eof || hasReadError())
        return false;
    passOn();
    if (m_pos > 0) {
        // Keep what is not yet scanned; everything before it has gone out.
        std::memmove(m_buffer.data(), m_buffer.constData() + m_pos, size_t(m_end - m_pos));
        m_end -= m_pos;
        m_passedBase += m_pos;
        m_pos = 0;
        m_copied = 0;
    }
    if (m_end == m_buffer.size())
        return false;
    const qint64 got = m_in->read(m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (got < 0) {
        m_error = m_in->errorString();
        if (m_error.isEmpty())
            m_error = QCoreApplication::translate("BookmarkScanner", "read failed");
        return false;
    }
    if (got == 0) {
        m_eof = true;
        if (m_pendingCr)
            m_firstTerminator = QByteArrayLiteral("\r");
        return false;
    }
    const qsizetype from = m_end;
    m_end += qsizetype(got);
    if (m_firstTerminator.isEmpty())
        noteFirstTerminator(from);
    if (m_onBlock)
        m_onBlock(QByteArrayView(m_buffer.constData() + from, qsizetype(got)));
    return true;
}

void BookmarkScanner::noteFirstTerminator(qsizetype from)
{
    const char *data = m_buffer.constData();
    if (m_pendingCr) {
        m_firstTerminator = data[from] == '\n' ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\r");
        return;
    }
    const size_t n = size_t(m_end - from);
    const auto *lf = static_cast<const char *>(std::memchr(data + from, '\n', n));
    const auto *cr = static_cast<const char *>(std::memchr(data + from, '\r', lf ? size_t(lf - (data + from)) : n));
    if (!cr) {
        if (lf)
            m_firstTerminator = QByteArrayLiteral("\n");
        return;
    }
    if (cr + 1 == data + m_end)
        m_pendingCr = true; // the next block says whether an LF follows
    else
        m_firstTerminator = cr[1] == '\n' ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\r");
}

bool BookmarkScanner::ensure(qsizetype bytes)
{
    while (m_end - m_pos < bytes) {
        if (!fill())
            return false;
    }
    return true;
}

void BookmarkScanner::passOn()
{
    if (m_out && m_pos > m_copied)
        m_out->write(QByteArrayView(m_buffer.constData() + m_copied, m_pos - m_copied));
    m_copied = m_pos;
}

bool BookmarkScanner::endsTagName(qsizetype at) const
{
    // A tag's name ends at white space, '>' or '/' (or where the file ends).
    if (at >= m_end)
        return true;
    const char c = m_buffer.constData()[at];
    return c == '>' || c == '/' || c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool BookmarkScanner::markerAt(qsizetype at) const
{
    const char *data = m_buffer.constData();
    return ((matchesAt(data, at, m_end, "<dl") || matchesAt(data, at, m_end, "<h3")) && endsTagName(at + 3))
        || (matchesAt(data, at, m_end, "</dl") && endsTagName(at + 4));
}

void BookmarkScanner::skipTag()
{
    // Attributes may hold anything but '>', and run over several lines.
    for (;;) {
        const auto *gt = static_cast<const char *>(
            std::memchr(m_buffer.constData() + m_pos, '>', size_t(m_end - m_pos)));
        if (gt) {
            m_pos = gt - m_buffer.constData() + 1;
            return;
        }
        m_pos = m_end;
        if (!fill())
            return;
    }
}

void BookmarkScanner::readHeadingName()
{
    // The name runs from the heading's tag to its "</h3>". Without one, it ends
    // where the line or the next marker begins, less the spaces before that.
    m_heading.resize(0); // keeps its memory for the next heading
    const auto keep = [this](qsizetype from, qsizetype to) {
        const qsizetype room = MaxNameBytes - m_heading.size();
        m_heading.append(m_buffer.constData() + from, std::min(room, to - from));
    };
    bool closed = false;
    for (;;) {
        const char *data = m_buffer.constData();
        qsizetype at = m_pos;
        while (at < m_end && data[at] != '<' && data[at] != '\r' && data[at] != '\n')
            ++at;
        keep(m_pos, at);
        m_pos = at;
        if (at == m_end) {
            if (fill())
                continue;
            break;
        }
        if (data[at] != '<')
            break;
        ensure(5);
        if (matchesAt(m_buffer.constData(), m_pos, m_end, "</h3")) {
            closed = true;
            break;
        }
        if (markerAt(m_pos))
            break;
        keep(m_pos, m_pos + 1);
        ++m_pos;
    }
    if (!closed) {
        while (m_heading.endsWith(' '))
            m_heading.chop(1);
    }
}

BookmarkScanner::ListEvent BookmarkScanner::ReadToNextList()
{
    ListEvent result;
    m_heading.resize(0);
    for (;;) {
        const qsizetype at = MarkerSearch::find(m_buffer.constData(), m_pos, m_end, bool(m_onAddress));
        if (at < 0) {
            if (m_eof || hasReadError())
                break;
            // A '<' among the last two bytes may start a marker once more is read.
            m_pos = std::max(m_pos, m_end - 2);
            fill();
            continue;
        }
        m_pos = at;
        if (m_onAddress && lower(m_buffer.constData()[at + 1]) == 'a') {
            readAddress(); // the search reports "<a" only when followed by white space
            continue;
        }
        ensure(5); // the tag's name and the byte after it, as far as the file goes
        const char *data = m_buffer.constData();
        const bool nameEnds3 = endsTagName(m_pos + 3);
        if (matchesAt(data, m_pos, m_end, "<dl") && nameEnds3) {
            m_listTagAt = m_passedBase + m_pos;
            skipTag();
            if (ensure(3) && matchesAt(m_buffer.constData(), m_pos, m_end, "<p>"))
                m_pos += 3;
            // What was passed goes out when the block leaves the buffer, in
            // pieces of nearly a block, not one piece per marker.
            result.kind = Event::ListOpened;
            result.name = m_heading;
            return result;
        }
        if (matchesAt(data, m_pos, m_end, "</dl") && endsTagName(m_pos + 4)) {
            // A heading seen on the way belongs to no list: forget it.
            m_pos += 4;
            m_heading.resize(0);
            return {Event::ListClosed, {}};
        }
        if (matchesAt(data, m_pos, m_end, "<h3") && nameEnds3) {
            skipTag();
            readHeadingName();
            continue;
        }
        ++m_pos;
    }
    m_pos = m_end;
    passOn();
    return {hasReadError() ? Event::ReadError : Event::EndOfFile, {}};
}

void BookmarkScanner::readAddress()
{
    // The attributes of "<a ...>", one by one, until HREF's value. A value is
    // skipped whole, so that an attribute's text is never taken for a name.
    if (m_end - m_pos < MaxAddressBytes)
        ensure(MaxAddressBytes);
    const char *data = m_buffer.constData();
    const qsizetype end = std::min(m_end, m_pos + MaxAddressBytes);
    qsizetype i = m_pos + 2;
    while (i < end && isSpace(data[i]))
        ++i;
    // Browsers write the address first, as HREF="...": that form is read at once.
    if (end - i > 6 && (data[i] | 0x20) == 'h' && (data[i + 1] | 0x20) == 'r' && (data[i + 2] | 0x20) == 'e'
        && (data[i + 3] | 0x20) == 'f' && data[i + 4] == '=' && data[i + 5] == '"') {
        if (const auto *quote = static_cast<const char *>(std::memchr(data + i + 6, '"', size_t(end - i - 6)))) {
            reportAddress(i + 6, quote - data);
            return;
        }
    }
    for (;;) {
        while (i < end && isSpace(data[i]))
            ++i;
        if (i >= end || data[i] == '>')
            break;
        const qsizetype name = i;
        while (i < end && !isSpace(data[i]) && data[i] != '=' && data[i] != '>')
            ++i;
        const bool isHref = matchesAt(data, name, i, "href") && i - name == 4;
        while (i < end && isSpace(data[i]))
            ++i;
        if (i >= end || data[i] != '=')
            continue;
        ++i;
        while (i < end && isSpace(data[i]))
            ++i;
        qsizetype valueStart = i;
        qsizetype valueEnd;
        if (i < end && (data[i] == '"' || data[i] == '\'')) {
            const auto *quote = static_cast<const char *>(std::memchr(data + i + 1, data[i], size_t(end - i - 1)));
            if (!quote)
                break;
            valueStart = i + 1;
            valueEnd = quote - data;
            i = valueEnd + 1;
        } else {
            while (i < end && !isSpace(data[i]) && data[i] != '>')
                ++i;
            valueEnd = i;
        }
        if (isHref) {
            reportAddress(valueStart, valueEnd);
            return;
        }
    }
    m_pos += 2;
}

void BookmarkScanner::reportAddress(qsizetype start, qsizetype end)
{
    // Most addresses differ from a wanted one in their last byte: they are
    // passed over here, without a call.
    const QByteArrayView href(m_buffer.constData() + start, end - start);
    if (m_addressEndings.isEmpty()
        || std::memchr(m_addressEndings.constData(), lastByte(href), size_t(m_addressEndings.size())))
        m_onAddress(href, m_passedBase + start);
    // The scan goes on inside the tag, as it would without looking at
    // addresses: a marker in an attribute is one for every reader alike, so the
    // folders are numbered the same whoever walks them.
    m_pos += 2;
}

char BookmarkScanner::lastByte(QByteArrayView href)
{
    // As trimmed() would, without a call for each of the file's addresses.
    const auto blank = [](char c) { return isSpace(c) || c == '\v'; };
    qsizetype begin = 0;
    qsizetype end = href.size();
    while (end > begin && blank(href[end - 1]))
        --end;
    while (begin < end && blank(href[begin]))
        ++begin;
    while (end > begin && href[end - 1] == '/')
        --end;
    return end > begin ? href[end - 1] : '\0';
}

QByteArray BookmarkScanner::terminatorAhead()
{
    // The terminator that ends the current line, looked for without moving on:
    // in what is buffered, then in the file, coming back afterwards.
    bool cr = false;
    const auto look = [&cr](const char *data, qsizetype size) -> QByteArray {
        for (qsizetype i = 0; i < size; ++i) {
            if (cr)
                return data[i] == '\n' ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\r");
            if (data[i] == '\n')
                return QByteArrayLiteral("\n");
            cr = data[i] == '\r';
        }
        return {};
    };
    QByteArray found = look(m_buffer.constData() + m_pos, m_end - m_pos);
    if (found.isEmpty() && !m_eof && !hasReadError() && !m_in->isSequential()) {
        const qint64 here = m_in->pos();
        QByteArray chunk(64 * 1024, Qt::Uninitialized);
        qint64 got;
        while (found.isEmpty() && (got = m_in->read(chunk.data(), chunk.size())) > 0)
            found = look(chunk.constData(), qsizetype(got));
        if (!m_in->seek(here))
            m_error = m_in->errorString();
    }
    if (found.isEmpty() && cr)
        found = QByteArrayLiteral("\r");
    if (!found.isEmpty())
        return found;
    return m_firstTerminator.isEmpty() ? QByteArrayLiteral("\r\n") : m_firstTerminator;
}

bool BookmarkScanner::insertLine(QByteArrayView entry)
{
    return insertLines({entry.toByteArray()}, {});
}

bool BookmarkScanner::insertLines(const QList<QByteArray> &lines, const QList<int> &depths)
{
    if (listInsideTag())
        return false;
    passOn();
    const qsizetype space = blanksAhead();
    // A CR and whether an LF follows it, in one view.
    if (m_pos + space < m_end && m_buffer.constData()[m_pos + space] == '\r')
        ensure(space + 2);
    const char *data = m_buffer.constData();
    const qsizetype at = m_pos + space;
    if (at < m_end && (data[at] == '\n' || data[at] == '\r')) {
        // One marker a line, as browsers write: the new lines follow this one.
        const QByteArray eol = terminatorAhead();
        m_pos = at + eol.size();
        passOn();
        QByteArray step;
        const QByteArray indent = depths.isEmpty() ? QByteArray() : indentAhead(step);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (!depths.isEmpty())
                m_out->write(indent + step.repeated(depths.value(i)));
            m_out->write(lines[i]);
            m_out->write(eol);
        }
        return true;
    }
    // More follows the tag on its line: split the line there.
    const QByteArray eol = terminatorAhead();
    m_out->write(eol);
    for (const QByteArray &line : lines) {
        m_out->write(line);
        m_out->write(eol);
    }
    return true;
}

qsizetype BookmarkScanner::blanksAhead()
{
    // Spaces and tabs from the scan on, as far as one block goes.
    qsizetype space = 0;
    for (;;) {
        const char *data = m_buffer.constData();
        while (m_pos + space < m_end && (data[m_pos + space] == ' ' || data[m_pos + space] == '\t'))
            ++space;
        if (m_pos + space < m_end || !fill())
            return space;
    }
}

QByteArray BookmarkScanner::indentAhead(QByteArray &step)
{
    // The list's entries stand as indented as the line after its opening; when
    // that line closes the list at once, one step further in, as browsers write.
    // A step is a tab where the file indents with tabs, else four spaces. A run
    // of blanks longer than any indentation is not copied a level at a time.
    const qsizetype space = blanksAhead();
    ensure(space + 5);
    QByteArray indent(m_buffer.constData() + m_pos, space > 256 ? 0 : space);
    step = indent.contains('\t') ? QByteArrayLiteral("\t") : QByteArrayLiteral("    ");
    if (matchesAt(m_buffer.constData(), m_pos + space, m_end, "</dl"))
        indent += step;
    return indent;
}

bool BookmarkScanner::listInsideTag() const
{
    const qsizetype at = qsizetype(m_listTagAt - m_passedBase);
    if (m_listTagAt < 0 || at < 0 || at > m_end)
        return false;
    // The last "<a" before the list's tag, read to its end: quoted values whole.
    const char *data = m_buffer.constData();
    qsizetype tag = at - 3;
    while (tag >= 0 && !(data[tag] == '<' && (data[tag + 1] | 0x20) == 'a' && isSpace(data[tag + 2])))
        --tag;
    if (tag < 0)
        return false;
    for (qsizetype i = tag + 2; i < at; ++i) {
        if (data[i] == '>')
            return false;
        if (data[i] == '"' || data[i] == '\'') {
            const auto *quote = static_cast<const char *>(std::memchr(data + i + 1, data[i], size_t(at - i - 1)));
            if (!quote)
                return true;
            i = quote - data;
        }
    }
    return true;
}

bool BookmarkScanner::copyRest()
{
    do
        m_pos = m_end;
    while (fill());
    passOn();
    return !hasReadError();
}
