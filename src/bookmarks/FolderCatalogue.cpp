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

namespace {

// A folder's path from the top level down: `name` of each, joined by `separator`.
template<class Text, class Separator, class Name>
Text joinedPath(const FolderCatalogue &catalogue, qint32 index, Separator separator, Name name)
{
    QList<qint32> chain;
    for (qint32 i = index; i != FolderCatalogue::Root; i = catalogue.parent(i))
        chain.prepend(i);
    Text path;
    for (const qint32 i : chain) {
        if (i != chain.constFirst())
            path += separator;
        path += name(i);
    }
    return path;
}

} // namespace

QByteArray FolderCatalogue::FolderPaths(qint32 index) const
{
    return joinedPath<QByteArray>(*this, index, Separator, [this](qint32 i) { return rawName(i); });
}

QString FolderCatalogue::displayName(qint32 index) const
{
    return TextCodec::decodeEntities(m_codec.decode(rawName(index)));
}

QString FolderCatalogue::displayPath(qint32 index, QChar separator) const
{
    return joinedPath<QString>(*this, index, separator, [this](qint32 i) { return displayName(i); });
}

void FolderCatalogue::adoptNewFolders(qint32 parent, const QList<QByteArray> &rawNames)
{
    if (rawNames.isEmpty())
        return;
    const qint32 first = parent + 1;
    const auto added = qint32(rawNames.size());
    for (Folder &folder : m_folders) {
        if (folder.parent >= first)
            folder.parent += added;
    }
    QList<Folder> chain;
    for (qint32 i = 0; i < added; ++i) {
        chain.append({i == 0 ? parent : first + i - 1, m_names.size(), rawNames[i].size()});
        m_names += rawNames[i];
    }
    m_folders = m_folders.first(first) + chain + m_folders.sliced(first);
    FolderCount += added;
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
