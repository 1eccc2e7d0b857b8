#include "bookmarks/BookmarkInserter.h"

#include "bookmarks/BlockWriter.h"
#include "bookmarks/BookmarkLock.h"
#include "bookmarks/BookmarkScanner.h"
#include "bookmarks/FolderCatalogue.h"
#include "bookmarks/FolderWalker.h"
#include "bookmarks/LastAddition.h"

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
// well-formed markup whoever calls.
QString safeText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F)
            out += QLatin1Char(' ');
        else if (u == '&')
            out += QStringLiteral("&amp;");
        else if (u == '<')
            out += QStringLiteral("&lt;");
        else if (u == '>')
            out += QStringLiteral("&gt;");
        else
            out += c;
    }
    return out;
}

} // namespace

QByteArray BookmarkInserter::bookmarkLine(const TextCodec &codec, const QString &url, const QString &text)
{
    return QByteArrayLiteral("<DT><A HREF=\"") + codec.encode(safeAddress(url)) + QByteArrayLiteral("\">")
        + codec.encode(safeText(text)) + QByteArrayLiteral("</A>");
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

FileError BookmarkInserter::rewrite(const FolderCatalogue &catalogue, qint32 folderIndex, const QByteArray &line,
                                    QIODevice &in, QIODevice &out, const QString &path,
                                    const std::function<void()> &keepAlive)
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
            return FileError::changed(path, QStringLiteral("the folder is no longer where it was"));
        if (folder.index >= catalogue.FolderCount || folder.parent != catalogue.parent(folder.index)
            || folder.name != catalogue.rawName(folder.index))
            return FileError::changed(path, QStringLiteral("the folders are not the ones read"));
    }

    scanner.insertLine(line);
    if (!scanner.copyRest())
        return FileError::io(QStringLiteral("read"), path, scanner.errorString());
    if (!writer.flush())
        return FileError::io(QStringLiteral("write"), FileReplacement::temporaryFileName(path), writer.errorString());
    return {};
}

FileError BookmarkInserter::insert(FolderCatalogue &catalogue, qint32 folderIndex, const QString &url,
                                   const QString &text, const std::function<void()> &keepAlive, BookmarkLock *heldLock,
                                   LastAddition *record)
{
    const QString &BookmarkFile = catalogue.fileName();
    const QString target = rewriteTarget(BookmarkFile);
    if (target.isEmpty())
        return FileError::io(QStringLiteral("open"), BookmarkFile, FileError::systemReason(ENOENT));
    if (folderIndex < FolderCatalogue::Root || folderIndex >= catalogue.FolderCount)
        return FileError::changed(BookmarkFile, QStringLiteral("there is no folder number %1").arg(folderIndex));

    // One writer at a time, from the identity check to the rename.
    std::optional<BookmarkLock> ownLock;
    if (!heldLock) {
        ownLock.emplace(target);
        if (!ownLock->tryLock(10000))
            return FileError::io(QStringLiteral("add to"), BookmarkFile, ownLock->errorString());
    }

    QFile InFile;
    FileIdentity before;
    if (const FileError error = FileAccess::openForReading(target, InFile, before); error.failed())
        return error;
    if (!(before == catalogue.identity()))
        return FileError::changed(BookmarkFile, QStringLiteral("its size or modification time differ"));

    FileReplacement replacement(target);
    if (const FileError error = replacement.begin(before); error.failed())
        return error;
    const QByteArray line = bookmarkLine(catalogue.codec(), url, text);
    if (const FileError error = rewrite(catalogue, folderIndex, line, InFile, *replacement.device(), target, keepAlive);
        error.failed())
        return error;
    InFile.close();
    FileIdentity written;
    if (const FileError error = replacement.commit(before, written); error.failed())
        return error;
    catalogue.adoptRewrite(written);
    if (record)
        *record = {target, written, replacement.trashed().pathInTrash, replacement.trashed().infoPath};
    return {};
}
