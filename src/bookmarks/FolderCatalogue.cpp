#include "bookmarks/FolderCatalogue.h"

#include "bookmarks/BookmarkScanner.h"
#include "bookmarks/FolderWalker.h"

#include <QFile>

namespace {

// Whether a file is valid UTF-8, fed a block at a time: a character cut by the
// end of a block is checked once the next block completes it.
class Utf8Check
{
public:
    void feed(QByteArrayView block)
    {
        if (!m_valid)
            return;
        if (!m_carry.isEmpty()) {
            const qsizetype take = std::min(block.size(), sequenceLength(m_carry[0]) - m_carry.size());
            m_carry += block.first(take);
            block = block.sliced(take);
            if (m_carry.size() < sequenceLength(m_carry[0]))
                return;
            m_valid = QByteArrayView(m_carry).isValidUtf8();
            m_carry.clear();
        }
        qsizetype cut = block.size();
        for (qsizetype back = 1; back <= 3 && back <= block.size(); ++back) {
            const char c = block[block.size() - back];
            if ((uchar(c) & 0xC0) == 0x80)
                continue;
            if (uchar(c) >= 0xC0 && sequenceLength(c) > back)
                cut = block.size() - back;
            break;
        }
        m_carry = block.sliced(cut).toByteArray();
        m_valid = m_valid && block.first(cut).isValidUtf8();
    }
    bool valid() const { return m_valid && m_carry.isEmpty(); }

private:
    static qsizetype sequenceLength(char lead)
    {
        const uchar c = uchar(lead);
        return c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    }

    QByteArray m_carry;
    bool m_valid = true;
};

// The charset is declared in the header, near the top of the file.
constexpr qsizetype HeadBytes = 64 * 1024;

} // namespace

FileError FolderCatalogue::read(const QString &BookmarkFile, bool noteAddresses)
{
    QFile InFile;
    FileIdentity identity;
    if (const FileError error = FileAccess::openForReading(BookmarkFile, InFile, identity); error.failed())
        return error;

    // The charset: the one the header declares; else UTF-8 if every byte of the
    // file is valid UTF-8; else Windows-1252.
    BookmarkScanner scanner(&InFile);
    QByteArray head;
    Utf8Check utf8;
    bool checkUtf8 = true;
    scanner.setBlockCallback([&](QByteArrayView block) {
        if (head.size() < HeadBytes)
            head += block.first(std::min(block.size(), HeadBytes - head.size()));
        if (checkUtf8)
            utf8.feed(block);
    });
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
    // Only what stands before the root list is the header.
    const QByteArray declared = TextCodec::declaredCharset(head.first(std::min<qint64>(head.size(), scanner.offset())));
    checkUtf8 = declared.isEmpty();

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
    fresh.m_codec = !declared.isEmpty() ? TextCodec::forLabel(declared)
                                        : TextCodec(utf8.valid() ? TextCodec::Kind::Utf8 : TextCodec::Kind::Windows1252);
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
