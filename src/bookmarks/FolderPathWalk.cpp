#include "bookmarks/FolderPathWalk.h"

#include "bookmarks/AddressIndex.h"
#include "bookmarks/BookmarkScanner.h"

#include <vector>

FolderPathWalk::FolderPathWalk(BookmarkScanner &scanner, const QString &path, QChar separator)
    : m_scanner(scanner)
    , m_path(path)
    , m_walker(scanner, path)
    , m_paths(separator)
{
    m_scanner.setBlockCallback([this](QByteArrayView block) { m_charset.feed(block); });
}

FolderPathWalk::Step FolderPathWalk::fail(FileError error)
{
    m_error = std::move(error);
    return Step::Failed;
}

bool FolderPathWalk::start()
{
    if (!m_walker.start()) {
        fail(m_walker.error());
        return false;
    }
    m_charset.headerEnds(m_scanner.offset());
    m_codec = m_charset.codec();
    return true;
}

FolderPathWalk::Step FolderPathWalk::next(qint32 &index, const QString *&path)
{
    FolderWalker::Folder folder;
    const FolderWalker::Step step = m_walker.next(folder);
    if (m_charset.utf8RuledOut())
        return Step::OtherCharset;
    switch (step) {
    case FolderWalker::Step::Done:
        return Step::Done;
    case FolderWalker::Step::Failed:
        return fail(m_walker.error());
    case FolderWalker::Step::Folder:
        break;
    }
    index = folder.index;
    path = &m_paths.enter(folder.index, folder.parent, TextCodec::decodeEntities(m_codec.decode(folder.name)));
    return Step::Folder;
}

FolderPathWalk::Step FolderPathWalk::finish()
{
    if (!m_scanner.copyRest())
        return fail(FileError::io(QStringLiteral("read"), m_path, m_scanner.errorString()));
    return m_charset.codec() == m_codec ? Step::Done : Step::OtherCharset;
}

void FolderPathWalk::watchAddress(const QString &address, std::function<void(qint32, const QString &)> found)
{
    QByteArray wanted;
    AddressIndex::canonical(m_codec.encode(address), false, wanted);
    // Most addresses differ in their last character (an empty path's "/" aside):
    // only those that end as the wanted one does, or in a character reference,
    // are put in canonical form.
    const char last = BookmarkScanner::lastByte(wanted);
    QByteArray endings = QByteArray(1, last) + ';';
    // Without a path an address ends in its host, compared in lower case and
    // without its scheme's default port (":80", ":443", ":21").
    const qsizetype host = wanted.indexOf("://");
    if (host >= 0 && wanted.indexOf('/', host + 3) == wanted.size() - 1)
        endings += QByteArray(1, last).toUpper() + "013";
    m_scanner.setAddressCallback([this, wanted, found = std::move(found), form = QByteArray(),
                                  told = std::vector<bool>()](QByteArrayView href, qint64) mutable {
        AddressIndex::canonical(href, true, form);
        // Each folder once, however many copies it holds, in time linear in them.
        const size_t slot = size_t(m_walker.current() + 1);
        if (form != wanted || (slot < told.size() && told[slot]))
            return;
        if (slot >= told.size())
            told.resize(slot + 1);
        told[slot] = true;
        found(m_walker.current(), m_paths.pathOf(m_walker.current()));
    }, endings);
}
