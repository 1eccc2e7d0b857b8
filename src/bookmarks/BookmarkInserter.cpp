#include "bookmarks/BookmarkInserter.h"

#include "bookmarks/BlockWriter.h"
#include "bookmarks/BookmarkLock.h"
#include "bookmarks/BookmarkScanner.h"
#include "bookmarks/FolderPathWalk.h"
#include "bookmarks/FolderCatalogue.h"
#include "bookmarks/FolderWalker.h"
#include "bookmarks/LastAddition.h"
#include "platform/UrlTranslation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <optional>

namespace {

// An address must not end the HREF attribute, open a tag or break the line; and
// since browsers decode character references in it, its '&' is written as one.
QString safeAddress(const QString &url)
{
    QString out;
    out.reserve(url.size());
    for (const QChar c : url) {
        const char16_t u = c.unicode();
        if (u == '"' || u == '<' || u == '>' || u < 0x20 || u == 0x7F)
            out += QStringLiteral("%%1").arg(uint(u), 2, 16, QLatin1Char('0')).toUpper();
        else if (u == '&')
            out += QStringLiteral("&amp;");
        else
            out += c;
    }
    return out;
}

// The link text is checked before it gets here; this keeps the line one line of
// well-formed markup whoever calls. A tab stays: browsers keep it in a title.
QString safeText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != '\t') || u == 0x7F)
            out += QLatin1Char(' ');
        else if (u == '&')
            out += QStringLiteral("&amp;");
        else if (u == '<')
            out += QStringLiteral("&lt;");
        else if (u == '>')
            out += QStringLiteral("&gt;");
        else if (u == '"')
            out += QStringLiteral("&quot;");
        else
            out += c;
    }
    return out;
}

// A folder's name as its heading holds it: read back, references are decoded.
QString safeName(const QString &name)
{
    return safeText(name).replace(u'"', QStringLiteral("&quot;"));
}

// One addition's hold on the file: the lock against other writers (from before
// the read to the rename), the file as opened, and the replacement beside it.
// Members go in reverse order: the temporary file is removed under the lock.
struct Hold
{
    QString target;
    std::optional<BookmarkLock> ownLock;
    QFile InFile;
    FileIdentity before;
    std::optional<FileReplacement> replacement;

    FileError take(const QString &BookmarkFile, BookmarkLock *heldLock)
    {
        target = BookmarkInserter::rewriteTarget(BookmarkFile);
        if (target.isEmpty())
            return FileError::io(QStringLiteral("open"), BookmarkFile, FileError::systemReason(ENOENT));
        if (!heldLock) {
            ownLock.emplace(target);
            if (!ownLock->tryLock(10000))
                return FileError::io(QStringLiteral("add to"), BookmarkFile, ownLock->errorString());
        }
        return FileAccess::openForReading(target, InFile, before);
    }
    FileError begin()
    {
        replacement.emplace(target);
        return replacement->begin(before);
    }
    FileError commit(FileIdentity &written)
    {
        InFile.close();
        return replacement->commit(before, written);
    }
    LastAddition record(const FileIdentity &written) const
    {
        return {target, written, replacement->trashed().pathInTrash, replacement->trashed().infoPath, before};
    }
};

// A list whose marker stands inside a bookmark's tag takes no line: the line
// would split that bookmark's attributes and lose its address.
FileError listInsideTag(const QString &path)
{
    //: Follows the bookmark file's name.
    return FileError::unusable(path, QCoreApplication::translate("BookmarkInserter", "has that folder's list inside a bookmark's tag (in its "
                                                                 "address, say), where a bookmark added would break that one"));
}

} // namespace

QByteArray BookmarkInserter::bookmarkLine(const TextCodec &codec, const QString &url, const QString &text)
{
    // In another charset a browser reads the address's characters wrongly or drops
    // the bookmark, so the address goes in the ASCII form browsers store anyway.
    const QString address = codec.kind() == TextCodec::Kind::Utf8 ? url : UrlTranslation::asciiForm(url);
    return QByteArrayLiteral("<DT><A HREF=\"") + codec.encode(safeAddress(address)) + QByteArrayLiteral("\">")
        + codec.encode(safeText(text)) + QByteArrayLiteral("</A>");
}

FileError BookmarkInserter::lineRefusal(const TextCodec &codec, const QByteArray &line, const QString &path)
{
    if (codec.kind() == TextCodec::Kind::Shifting)
        return FileError::shiftingCharset(path, QString::fromLatin1(codec.name()));
    // The already-bookmarked check looks for an address only so far into its tag,
    // which keeps its time and memory bounded whatever a file holds: an address
    // it would never find again is refused. The tag starts after "<DT>"; its
    // closing quote is the first one before a '>', as the address has neither.
    const qsizetype limit = BookmarkScanner::MaxAddressBytes - qsizetype(sizeof("<A HREF=\"\""));
    const qsizetype bytes = line.indexOf("\">") - qsizetype(sizeof("<DT><A HREF=\"") - 1);
    if (bytes > limit)
        return FileError::addressTooLong(path, bytes, limit);
    return {};
}

QString BookmarkInserter::folderNameRefusal(const QString &name)
{
    if (name.trimmed().isEmpty())
        return QCoreApplication::translate("BookmarkInserter", "Please type a name for the new folder.");
    if (name.contains(u'\\') || name.contains(u'/'))
        return QCoreApplication::translate("BookmarkInserter", "A folder name cannot hold \"\\\" or \"/\": a folder path splits there.");
    return {};
}

QString BookmarkInserter::rewriteTarget(const QString &BookmarkFile)
{
    // Through a symbolic link (into a synced folder, say) the link's target is
    // rewritten and the link stays a link. A link whose target is missing still
    // names that target, where an interrupted addition may have to be finished.
    const QFileInfo info(BookmarkFile);
    if (!info.isSymLink())
        return info.absoluteFilePath();
    const QString resolved = info.canonicalFilePath();
    return resolved.isEmpty() ? info.symLinkTarget() : resolved;
}

FileError BookmarkInserter::rewrite(const FolderCatalogue &catalogue, qint32 folderIndex,
                                    const QList<QByteArray> &lines, const QList<int> &depths, QIODevice &in,
                                    QIODevice &out, const QString &path, const std::function<void()> &keepAlive)
{
    BookmarkScanner scanner(&in);
    BlockWriter writer(&out);
    scanner.setOutput(&writer);
    QElapsedTimer sinceKeepAlive; // from the first block on
    if (keepAlive) {
        scanner.setBlockCallback([&](QByteArrayView) {
            if (!sinceKeepAlive.isValid() || sinceKeepAlive.elapsed() >= 10) {
                keepAlive();
                sinceKeepAlive.start();
            }
        });
    }

    FolderWalker walker(scanner, path);
    if (!walker.start())
        return walker.error();
    for (FolderWalker::Folder folder; folder.index != folderIndex;) {
        const FolderWalker::Step step = walker.next(folder);
        if (step == FolderWalker::Step::Failed)
            return walker.error();
        if (step == FolderWalker::Step::Done)
            return FileError::changed(path, QCoreApplication::translate("BookmarkInserter", "the folder is no longer where it was"));
        if (folder.index >= catalogue.FolderCount || folder.parent != catalogue.parent(folder.index)
            || folder.name != catalogue.rawName(folder.index))
            return FileError::changed(path, QCoreApplication::translate("BookmarkInserter", "the folders are not the ones read"));
    }

    if (!scanner.insertLines(lines, depths))
        return listInsideTag(path);
    if (!scanner.copyRest())
        return FileError::io(QStringLiteral("read"), path, scanner.errorString());
    if (!writer.flush())
        return FileError::io(QStringLiteral("write"), FileReplacement::temporaryFileName(path), writer.errorString());
    return {};
}

FileError BookmarkInserter::insert(FolderCatalogue &catalogue, qint32 folderIndex, const QString &url,
                                   const QString &text, const std::function<void()> &keepAlive, BookmarkLock *heldLock,
                                   LastAddition *record, const QStringList &newFolders)
{
    const QString &BookmarkFile = catalogue.fileName();
    if (folderIndex < FolderCatalogue::Root || folderIndex >= catalogue.FolderCount)
        //: This and the like are shown in "The bookmark file "…" has changed since it was read (…)."
        return FileError::changed(BookmarkFile, QCoreApplication::translate("BookmarkInserter", "there is no folder number %1").arg(folderIndex));
    for (const QString &name : newFolders) {
        if (const QString refusal = folderNameRefusal(name); !refusal.isEmpty())
            //: Follows the bookmark file's name; %2 is why the name is refused.
            return FileError::unusable(BookmarkFile, QCoreApplication::translate("BookmarkInserter", "gets no new folder \"%1\". %2").arg(name, refusal));
    }
    qsizetype depth = newFolders.size();
    for (qint32 i = folderIndex; i != FolderCatalogue::Root; i = catalogue.parent(i))
        ++depth;
    if (depth > FolderWalker::MaxDepth)
        //: Follows the bookmark file's name.
        return FileError::unusable(BookmarkFile, QCoreApplication::translate("BookmarkInserter", "would nest folders more than %1 deep")
                                                     .arg(FolderWalker::MaxDepth));
    const QByteArray line = bookmarkLine(catalogue.codec(), url, text);
    if (const FileError error = lineRefusal(catalogue.codec(), line, BookmarkFile); error.failed())
        return error;
    Hold hold;
    if (const FileError error = hold.take(BookmarkFile, heldLock); error.failed())
        return error;
    if (!(hold.before == catalogue.identity()))
        return FileError::changed(BookmarkFile, QCoreApplication::translate("BookmarkInserter", "its size or modification time differ"));
    if (const FileError error = hold.begin(); error.failed())
        return error;
    // The new folders' headings and lists around the bookmark, each a level in.
    QList<QByteArray> names;
    QList<QByteArray> lines;
    QList<int> depths;
    for (const QString &name : newFolders) {
        names << catalogue.codec().encode(safeName(name));
        lines << "<DT><H3>" + names.constLast() + "</H3>" << QByteArrayLiteral("<DL><p>");
        depths << int(names.size() - 1) << int(names.size() - 1);
    }
    lines << line;
    depths << int(names.size());
    for (qsizetype level = names.size() - 1; level >= 0; --level) {
        lines << QByteArrayLiteral("</DL><p>");
        depths << int(level);
    }
    if (names.isEmpty())
        depths.clear(); // the bookmark alone: one line, unindented
    if (const FileError error = rewrite(catalogue, folderIndex, lines, depths, hold.InFile,
                                        *hold.replacement->device(), hold.target, keepAlive);
        error.failed())
        return error;
    FileIdentity written;
    if (const FileError error = hold.commit(written); error.failed())
        return error;
    catalogue.adoptNewFolders(folderIndex, names);
    catalogue.adoptRewrite(written);
    if (record)
        *record = hold.record(written);
    return {};
}

BookmarkInserter::Result BookmarkInserter::insertWhileCopying(const QString &BookmarkFile, FolderSearch &search,
                                                              const QString &url, const QString &text,
                                                              BookmarkLock *heldLock)
{
    Result result;
    const auto failed = [&](FileError error) {
        result.error = std::move(error);
        return result;
    };
    const auto ended = [&](Outcome outcome) {
        result.outcome = outcome;
        return result;
    };
    Hold hold;
    if (FileError error = hold.take(BookmarkFile, heldLock); error.failed())
        return failed(std::move(error));
    if (FileError error = hold.begin(); error.failed())
        return failed(std::move(error));

    BookmarkScanner scanner(&hold.InFile);
    BlockWriter writer(hold.replacement->device());
    scanner.setOutput(&writer);
    FolderPathWalk walk(scanner, hold.target, u'/');
    if (!walk.start())
        return failed(walk.error());
    result.codec = walk.codec();
    const QByteArray line = bookmarkLine(walk.codec(), url, text);
    if (FileError error = lineRefusal(walk.codec(), line, hold.target); error.failed())
        return failed(std::move(error));
    walk.watchAddress(url, [&search, &result](qint32 folder, const QString &path) {
        if (++result.holders <= FolderSearch::HoldersNamed)
            search.holdsAddress(folder, path);
    });

    bool placed = search.isTarget(FolderCatalogue::Root, QString());
    if (placed && !scanner.insertLine(line))
        return failed(listInsideTag(hold.target));
    // On to the end of the file, whatever was found: the search may meet a second
    // folder of the same path, and the file must be whole.
    qint32 index = 0;
    const QString *path = nullptr;
    FolderPathWalk::Step step;
    while ((step = walk.next(index, path)) == FolderPathWalk::Step::Folder) {
        if (search.isTarget(index, *path) && !placed) {
            if (!scanner.insertLine(line))
                return failed(listInsideTag(hold.target));
            placed = true;
        }
    }
    if (step == FolderPathWalk::Step::Done)
        step = walk.finish();
    if (step == FolderPathWalk::Step::Failed)
        return failed(walk.error());
    if (step == FolderPathWalk::Step::OtherCharset)
        return ended(Outcome::TwoPasses);
    if (!placed)
        return ended(Outcome::NotFound);
    if (!search.stands())
        return ended(Outcome::Withdrawn);
    if (!writer.flush())
        return failed(FileError::io(QStringLiteral("write"), FileReplacement::temporaryFileName(hold.target),
                                    writer.errorString()));
    FileIdentity written;
    if (FileError error = hold.commit(written); error.failed())
        return failed(std::move(error));
    result.record = hold.record(written);
    return ended(Outcome::Added);
}
