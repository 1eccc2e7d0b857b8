#include "bookmarks/FolderCatalogue.h"

#include "bookmarks/BookmarkScanner.h"
#include "bookmarks/CharsetProbe.h"
#include "bookmarks/FolderWalker.h"

#include <QFile>

FileError FolderCatalogue::read(const QString &BookmarkFile, bool noteAddresses)
{
    QFile InFile;
    FileIdentity identity;
    if (const FileError error = FileAccess::openForReading(BookmarkFile, InFile, identity); error.failed())
        return error;

    BookmarkScanner scanner(&InFile);
    CharsetProbe charset;
    scanner.setBlockCallback([&](QByteArrayView block) { charset.feed(block); });
    FolderWalker walker(scanner, BookmarkFile);
    FolderCatalogue fresh;
    if (noteAddresses) {
        scanner.setAddressCallback([&](QByteArrayView href, qint64 offset) {
            fresh.m_addresses.add(href, offset, walker.current());
        });
        fresh.m_addressesStale = false;
    }
    if (!walker.start())
        return walker.error();
    charset.headerEnds(scanner.offset());

    for (FolderWalker::Folder folder;;) {
        const FolderWalker::Step step = walker.next(folder);
        if (step == FolderWalker::Step::Done)
            break;
        if (step == FolderWalker::Step::Failed)
            return walker.error();
        fresh.m_folders.append({folder.parent, fresh.m_names.size(), folder.name.size()});
        fresh.m_names += folder.name;
    }
    fresh.FolderCount = qint32(fresh.m_folders.size());
    fresh.m_fileName = BookmarkFile;
    fresh.m_identity = identity;
    fresh.m_codec = charset.codec();
    *this = std::move(fresh);
    return {};
}

QList<qint32> FolderCatalogue::lineage(qint32 index) const
{
    QList<qint32> chain;
    for (qint32 i = index; i != Root; i = parent(i))
        chain.prepend(i);
    return chain;
}

QByteArray FolderCatalogue::FolderPaths(qint32 index) const
{
    const QList<qint32> chain = lineage(index);
    QByteArray path;
    for (const qint32 i : chain) {
        if (i != chain.constFirst())
            path += Separator;
        path += rawName(i);
    }
    return path;
}

QString FolderCatalogue::displayName(qint32 index) const
{
    return TextCodec::decodeEntities(m_codec.decode(rawName(index)));
}

QString FolderCatalogue::displayPath(qint32 index, QChar separator) const
{
    const QList<qint32> chain = lineage(index);
    QString path;
    for (const qint32 i : chain) {
        if (i != chain.constFirst())
            path += separator;
        path += displayName(i);
    }
    return path;
}

QList<qint32> FolderCatalogue::foldersHolding(const QString &address) const
{
    if (m_addressesStale) {
        FolderCatalogue again;
        if (!again.read(m_fileName, true).failed() && again.FolderCount == FolderCount) {
            m_addresses = std::move(again.m_addresses);
            m_addressesStale = false;
        }
    }
    return m_addresses.foldersOf(m_codec.encode(address), m_fileName);
}
