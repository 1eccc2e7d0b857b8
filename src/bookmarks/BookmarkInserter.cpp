#include "bookmarks/BookmarkInserter.h"

#include "bookmarks/BookmarkLock.h"
#include "bookmarks/BookmarkScanner.h"
#include "bookmarks/FolderCatalogue.h"
#include "bookmarks/LineWriter.h"
#include "platform/mdlFileRoutines.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <optional>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// An address must not end the HREF attribute, open a tag or break the line.
QString safeAddress(const QString &url)
{
    QString out;
    out.reserve(url.size());
    for (const QChar c : url) {
        const char16_t u = c.unicode();
        if (u == '"' || u == '<' || u == '>' || u < 0x20 || u == 0x7F)
            out += QStringLiteral("%%1").arg(uint(u), 2, 16, QLatin1Char('0')).toUpper();
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

// The temporary file, created fresh: an existing file or link of that name is
// removed first, never written through.
int createTemporary(const QString &tmp, mode_t mode, FileError &error)
{
    const QByteArray name = QFile::encodeName(tmp);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            // Keep the old file's permissions exactly, whatever the umask.
            if (::fchmod(fd, mode & 07777) != 0) {
                error = FileError::io(QStringLiteral("set the permissions of"), tmp, systemReason(errno));
                ::close(fd);
                ::unlink(name.constData());
                return -1;
            }
            return fd;
        }
        const int openError = errno;
        struct stat st {};
        if (openError != EEXIST || ::lstat(name.constData(), &st) != 0 || S_ISDIR(st.st_mode)) {
            error = FileError::io(QStringLiteral("create the temporary file"), tmp,
                                  openError == EEXIST ? QStringLiteral("a folder of that name is in the way")
                                                      : systemReason(openError));
            return -1;
        }
        if (::unlink(name.constData()) != 0) {
            error = FileError::io(QStringLiteral("replace the old temporary file"), tmp, systemReason(errno));
            return -1;
        }
    }
    error = FileError::io(QStringLiteral("create the temporary file"), tmp, systemReason(EEXIST));
    return -1;
}

void syncFolder(const QString &path)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Copies the file into the temporary one with the new line at the top of the
// folder's list. The folder is the (index+1)-th list to open after the root's, and
// its path must be the one catalogued, or the file is not the one we read.
FileError rewrite(const FolderCatalogue &catalogue, qint32 folderIndex, const QByteArray &line, QFile &InFile,
                  QFile &OutFile, const QString &target, const QString &tmp, const std::function<void()> &keepAlive)
{
    BookmarkScanner scanner(&InFile);
    LineWriter writer(&OutFile, catalogue.eol());
    scanner.setOutput(&writer);
    QElapsedTimer sinceKeepAlive;
    sinceKeepAlive.start();
    if (keepAlive) {
        scanner.setBlockCallback([&] {
            if (sinceKeepAlive.elapsed() >= 10) {
                keepAlive();
                sinceKeepAlive.restart();
            }
        });
    }

    auto scanFailure = [&](const BookmarkScanner::ListEvent &event) {
        if (event.kind == BookmarkScanner::Event::ReadError)
            return FileError::io(QStringLiteral("read"), target, scanner.errorString());
        if (event.kind == BookmarkScanner::Event::EndOfFile)
            return FileError::incomplete(target);
        return FileError::changed(target, QStringLiteral("the folder is no longer where it was"));
    };

    const BookmarkScanner::ListEvent root = scanner.ReadToNextList();
    if (root.kind != BookmarkScanner::Event::ListOpened)
        return scanFailure(root);

    if (folderIndex != FolderCatalogue::Root) {
        QList<QByteArray> open;
        qint32 opened = -1;
        for (;;) {
            const BookmarkScanner::ListEvent event = scanner.ReadToNextList();
            if (event.kind == BookmarkScanner::Event::ListOpened) {
                open.append(event.name.toByteArray());
                if (++opened == folderIndex)
                    break;
            } else if (event.kind == BookmarkScanner::Event::ListClosed && !open.isEmpty()) {
                open.removeLast();
            } else {
                return scanFailure(event);
            }
        }
        if (open.join(FolderCatalogue::Separator) != catalogue.FolderPaths[folderIndex])
            return FileError::changed(target, QStringLiteral("the folders are not the ones read"));
    }

    writer.writeLine(line);
    if (!scanner.copyRest())
        return FileError::io(QStringLiteral("read"), target, scanner.errorString());
    if (!writer.flush())
        return FileError::io(QStringLiteral("write"), tmp, writer.errorString());
    // The new version must be on the disk before the old one leaves its place.
    if (::fsync(OutFile.handle()) != 0)
        return FileError::io(QStringLiteral("flush"), tmp, systemReason(errno));
    return {};
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

FileError BookmarkInserter::insert(FolderCatalogue &catalogue, qint32 folderIndex, const QString &url,
                                   const QString &text, const std::function<void()> &keepAlive, BookmarkLock *heldLock)
{
    const QString &BookmarkFile = catalogue.fileName();
    const QString target = rewriteTarget(BookmarkFile);
    if (target.isEmpty())
        return FileError::io(QStringLiteral("open"), BookmarkFile, systemReason(ENOENT));
    if (folderIndex < FolderCatalogue::Root || folderIndex >= catalogue.FolderCount)
        return FileError::changed(BookmarkFile, QStringLiteral("there is no folder number %1").arg(folderIndex));

    // One writer at a time, from the identity check to the rename.
    std::optional<BookmarkLock> ownLock;
    if (!heldLock) {
        ownLock.emplace(target);
        if (!ownLock->tryLock(10000))
            return FileError::io(QStringLiteral("add to"), BookmarkFile, ownLock->errorString());
    }

    FileIdentity before;
    QString reason;
    if (!FileIdentity::read(target, before, reason))
        return FileError::io(QStringLiteral("open"), BookmarkFile, reason);
    if (!(before == catalogue.identity()))
        return FileError::changed(BookmarkFile, QStringLiteral("its size or modification time differ"));

    QFile InFile(target);
    if (!InFile.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return FileError::io(QStringLiteral("open"), target, InFile.errorString());
    struct stat st {};
    if (::fstat(InFile.handle(), &st) != 0)
        return FileError::io(QStringLiteral("open"), target, systemReason(errno));

    const QString tmp = temporaryFileName(target);
    FileError error;
    const int fd = createTemporary(tmp, st.st_mode, error);
    if (fd < 0)
        return error;
    auto discard = [&](FileError failure) {
        ::unlink(QFile::encodeName(tmp).constData());
        return failure;
    };

    {
        QFile OutFile;
        if (!OutFile.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            return discard(FileError::io(QStringLiteral("write"), tmp, OutFile.errorString()));
        }
        const QByteArray line = bookmarkLine(catalogue.codec(), url, text);
        error = rewrite(catalogue, folderIndex, line, InFile, OutFile, target, tmp, keepAlive);
        InFile.close();
        OutFile.close();
        if (!error.failed() && OutFile.error() != QFileDevice::NoError)
            error = FileError::io(QStringLiteral("close"), tmp, OutFile.errorString());
    }
    if (error.failed())
        return discard(error);

    // Another program may have written the file while we copied it.
    FileIdentity after;
    if (!FileIdentity::read(target, after, reason) || !(after == before))
        return discard(FileError::changed(BookmarkFile, QStringLiteral("it was written while the bookmark was added")));

    mdlFileRoutines::RecycleDetails trashed;
    if (mdlFileRoutines::RecycleFile(target, false, nullptr, &trashed) != mdlFileRoutines::RecycleOk)
        return discard(FileError::trash(target, trashed.error));

    if (::rename(QFile::encodeName(tmp).constData(), QFile::encodeName(target).constData()) != 0) {
        const int renameError = errno;
        // Put the old version back where it was: the user's file must not go missing.
        if (::rename(QFile::encodeName(trashed.pathInTrash).constData(), QFile::encodeName(target).constData()) == 0) {
            const QFileInfo inTrash(trashed.pathInTrash);
            QFile::remove(inTrash.dir().absoluteFilePath(QStringLiteral("../info/%1.trashinfo").arg(inTrash.fileName())));
            return discard(FileError::io(QStringLiteral("replace"), target, systemReason(renameError)));
        }
        // Neither step can be undone: keep the complete new version, which the
        // next start puts in place, and say where both versions are.
        FileError stuck = FileError::io(QStringLiteral("replace"), target,
                                        QStringLiteral("%1; the previous version is in the trash (%2) and the new one "
                                                       "is \"%3\", which Linkcrate puts in place at its next start")
                                            .arg(systemReason(renameError), trashed.pathInTrash, tmp));
        stuck.fileUnchanged = false;
        return stuck;
    }
    syncFolder(target);

    FileIdentity written;
    if (FileIdentity::read(target, written, reason))
        catalogue.adoptRewrite(written);
    return {};
}
