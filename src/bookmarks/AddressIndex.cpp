#include "bookmarks/AddressIndex.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <cstring>

namespace {

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
}

// The references browsers write in addresses.
constexpr struct
{
    QByteArrayView reference;
    char character;
} References[] = {{"&amp;", '&'}, {"&quot;", '"'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&#39;", '\''}, {"&#x27;", '\''}};

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

void AddressIndex::canonical(QByteArrayView address, bool fromFile, QByteArray &out)
{
    // Runs for every bookmark of the file at start-up: one buffer, no allocation.
    while (!address.isEmpty() && isSpace(address.front()))
        address = address.sliced(1);
    while (!address.isEmpty() && isSpace(address.back()))
        address.chop(1);
    out.resize(address.size() + 1); // room for a "/" after the host
    char *o = out.data();
    qsizetype n = 0;
    for (qsizetype i = 0; i < address.size();) {
        // Plain runs are copied whole; only a '&' is looked at.
        const auto *amp = fromFile ? static_cast<const char *>(std::memchr(address.data() + i, '&', size_t(address.size() - i)))
                                   : nullptr;
        const qsizetype run = (amp ? amp - address.data() : address.size()) - i;
        std::memcpy(o + n, address.data() + i, size_t(run));
        n += run;
        i += run;
        if (i == address.size())
            break;
        const char *a = address.data() + i;
        if (address.size() - i >= 5 && a[1] == 'a' && a[2] == 'm' && a[3] == 'p' && a[4] == ';') {
            o[n++] = '&'; // by far the most common, as Firefox writes every '&'
            i += 5;
            continue;
        }
        const QByteArrayView rest = address.sliced(i);
        const auto *r = std::find_if(std::begin(References), std::end(References),
                                     [&](const auto &ref) { return rest.startsWith(ref.reference); });
        o[n++] = r != std::end(References) ? r->character : '&';
        i += r != std::end(References) ? r->reference.size() : 1;
    }
    const QByteArrayView text(o, n);
    const qsizetype colon = text.indexOf(':');
    if (colon > 0) {
        for (qsizetype i = 0; i < colon; ++i)
            o[i] = lower(o[i]);
    }
    if (colon > 0 && text.sliced(colon).startsWith("://")) {
        const qsizetype hostStart = colon + 3;
        qsizetype hostEnd = hostStart;
        while (hostEnd < n && o[hostEnd] != '/' && o[hostEnd] != '?' && o[hostEnd] != '#') {
            o[hostEnd] = lower(o[hostEnd]);
            ++hostEnd;
        }
        const QByteArrayView scheme = text.first(colon);
        const QByteArrayView port = scheme == "http" ? ":80" : scheme == "https" ? ":443" : scheme == "ftp" ? ":21" : "";
        if (!port.isEmpty() && text.sliced(hostStart, hostEnd - hostStart).endsWith(port)) {
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

namespace {

// Whether an address from a file is in canonical form already, as nearly all
// are: then it is hashed as it stands, which keeps start-up fast.
bool alreadyCanonical(QByteArrayView href)
{
    if (href.isEmpty() || isSpace(href.front()) || isSpace(href.back()) || href.contains('&'))
        return false;
    qsizetype i = 0;
    while (i < href.size() && href[i] != ':') {
        if (href[i] >= 'A' && href[i] <= 'Z')
            return false;
        ++i;
    }
    if (!href.sliced(i).startsWith("://"))
        return true;
    const qsizetype hostStart = i + 3;
    for (i = hostStart; i < href.size() && href[i] != '/'; ++i) {
        if ((href[i] >= 'A' && href[i] <= 'Z') || href[i] == '?' || href[i] == '#')
            return false;
    }
    const QByteArrayView host = href.sliced(hostStart, i - hostStart);
    return i < href.size() && !host.endsWith(":80") && !host.endsWith(":443") && !host.endsWith(":21");
}

} // namespace

void AddressIndex::add(QByteArrayView href, qint64 offset, qint32 folder)
{
    const qint32 length = qint32(href.size());
    if (!alreadyCanonical(href)) {
        canonical(href, true, m_scratch);
        href = m_scratch;
    }
    m_entries.append({quint64(qHash(href)), offset, length, folder});
}

QList<qint32> AddressIndex::foldersOf(QByteArrayView address, const QString &file) const
{
    QByteArray wanted;
    canonical(address, false, wanted);
    const quint64 hash = qHash(QByteArrayView(wanted));
    QList<qint32> folders;
    QFile in(file);
    QByteArray found;
    for (const Entry &entry : m_entries) {
        if (entry.hash != hash || folders.contains(entry.folder))
            continue;
        // Equal hashes may still be different addresses: read the real text.
        if (!in.isOpen() && !in.open(QIODevice::ReadOnly))
            break;
        if (!in.seek(entry.offset))
            continue;
        canonical(in.read(entry.length), true, found);
        if (found == wanted)
            folders.append(entry.folder);
    }
    return folders;
}
