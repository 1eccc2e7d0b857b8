#include "bookmarks/AddressIndex.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

// This runs for every bookmark while the folders are read, so it works on raw
// bytes, with tables, and hashes a word at a time.

constexpr std::array<char, 256> LowerTable = [] {
    std::array<char, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[size_t(c)] = char(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    return table;
}();

char lower(char c)
{
    return LowerTable[uchar(c)];
}

// The references browsers write in addresses; "&amp;" first, by far the most
// common, as Firefox writes every '&' so.
constexpr struct
{
    QByteArrayView reference;
    char character;
} References[] = {{"&amp;", '&'}, {"&quot;", '"'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&#39;", '\''}, {"&#x27;", '\''}};

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool endsHost(char c)
{
    return c == '/' || c == '?' || c == '#';
}

// The copies of an address are read back from the file this much at a time.
constexpr qsizetype WindowBytes = 256 * 1024;

// Not for an adversary (a match is checked against the real text), just fast.
quint64 hashBytes(const char *data, qsizetype size)
{
    constexpr quint64 K = 0x9E3779B97F4A7C15ULL;
    quint64 h = quint64(size) * K;
    for (; size >= 8; data += 8, size -= 8) {
        quint64 word;
        std::memcpy(&word, data, 8);
        h = (h ^ word) * K;
        h ^= h >> 31;
    }
    quint64 tail = 0;
    std::memcpy(&tail, data, size_t(size));
    h = (h ^ tail) * K;
    return h ^ (h >> 29);
}

} // namespace

void AddressIndex::canonical(QByteArrayView address, bool fromFile, QByteArray &out)
{
    while (!address.isEmpty() && isSpace(address.front()))
        address = address.sliced(1);
    while (!address.isEmpty() && isSpace(address.back()))
        address.chop(1);
    if (out.size() < address.size() + 1) // room for a "/" after the host
        out.resize(address.size() + 1);
    char *o = out.data();
    const char *a = address.data();
    const qsizetype size = address.size();
    qsizetype n = 0;
    for (qsizetype i = 0; i < size;) {
        // Plain runs are copied whole; only a '&' is looked at.
        const auto *amp = fromFile ? static_cast<const char *>(std::memchr(a + i, '&', size_t(size - i))) : nullptr;
        const qsizetype run = (amp ? amp - a : size) - i;
        std::memcpy(o + n, a + i, size_t(run));
        n += run;
        i += run;
        if (i == size)
            break;
        const QByteArrayView rest = address.sliced(i);
        const auto *r = std::find_if(std::begin(References), std::end(References),
                                     [&](const auto &ref) { return rest.startsWith(ref.reference); });
        o[n++] = r != std::end(References) ? r->character : '&';
        i += r != std::end(References) ? r->reference.size() : 1;
    }

    qsizetype colon = 0;
    while (colon < n && colon < 32 && o[colon] != ':')
        ++colon;
    if (colon < n && o[colon] == ':') {
        for (qsizetype i = 0; i < colon; ++i)
            o[i] = lower(o[i]);
    }
    if (colon + 3 <= n && o[colon] == ':' && o[colon + 1] == '/' && o[colon + 2] == '/') {
        const qsizetype hostStart = colon + 3;
        qsizetype hostEnd = hostStart;
        for (; hostEnd < n && !endsHost(o[hostEnd]); ++hostEnd)
            o[hostEnd] = lower(o[hostEnd]);
        const QByteArrayView scheme(o, colon);
        const QByteArrayView port = scheme == "http" ? ":80" : scheme == "https" ? ":443" : scheme == "ftp" ? ":21" : "";
        if (!port.isEmpty() && QByteArrayView(o + hostStart, hostEnd - hostStart).endsWith(port)) {
            std::memmove(o + hostEnd - port.size(), o + hostEnd, size_t(n - hostEnd));
            hostEnd -= port.size();
            n -= port.size();
        }
        if (hostEnd == n || o[hostEnd] != '/') {
            std::memmove(o + hostEnd + 1, o + hostEnd, size_t(n - hostEnd));
            o[hostEnd] = '/';
            ++n;
        }
    }
    out.resize(n);
}

void AddressIndex::add(QByteArrayView href, qint64 offset, qint32 folder)
{
    canonical(href, true, m_scratch);
    m_entries.append({hashBytes(m_scratch.constData(), m_scratch.size()), offset, qint32(href.size()), folder});
}

QList<qint32> AddressIndex::foldersOf(QByteArrayView address, const QString &file) const
{
    QByteArray wanted;
    canonical(address, false, wanted);
    const quint64 hash = hashBytes(wanted.constData(), wanted.size());
    QList<qint32> folders;
    // Linear in the copies of the address, however many folders hold them: each
    // folder is told by a flag, and the text of each copy is read from a window of
    // the file that moves forward, as the entries are in file order.
    std::vector<bool> holds;
    QFile in(file);
    QByteArray window;
    qint64 windowStart = 0;
    QByteArray found;
    for (const Entry &entry : m_entries) {
        const size_t slot = size_t(entry.folder + 1);
        if (entry.hash != hash || (slot < holds.size() && holds[slot]))
            continue;
        // Equal hashes may still be different addresses: read the real text.
        if (entry.offset < windowStart || entry.offset + entry.length > windowStart + window.size()) {
            if (!in.isOpen() && !in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
                break;
            if (!in.seek(entry.offset))
                continue;
            window.resize(std::max<qsizetype>(WindowBytes, entry.length));
            const qint64 got = in.read(window.data(), window.size());
            window.resize(std::max<qint64>(got, 0));
            windowStart = entry.offset;
            if (window.size() < entry.length)
                continue;
        }
        canonical(QByteArrayView(window).sliced(entry.offset - windowStart, entry.length), true, found);
        if (found != wanted)
            continue;
        if (slot >= holds.size())
            holds.resize(slot + 1);
        holds[slot] = true;
        folders.append(entry.folder);
    }
    return folders;
}
