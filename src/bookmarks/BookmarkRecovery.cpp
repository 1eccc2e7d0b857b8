#include "bookmarks/BookmarkRecovery.h"

#include "bookmarks/BookmarkInserter.h"
#include "bookmarks/BookmarkLock.h"
#include "bookmarks/FolderCatalogue.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool entryExists(const QString &path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

} // namespace

QString BookmarkRecovery::Result::message() const
{
    switch (outcome) {
    case Outcome::Restored:
        return QStringLiteral("The last addition to \"%1\" was interrupted after its new version was complete. "
                              "That version has been put in place.")
            .arg(path);
    case Outcome::RemovedLeftover:
    case Outcome::Nothing:
        break;
    }
    return {};
}

BookmarkRecovery::Result BookmarkRecovery::recover(const QString &BookmarkFile)
{
    Result result;
    result.path = BookmarkFile;
    if (BookmarkFile.isEmpty())
        return result;
    const QString target = BookmarkInserter::rewriteTarget(BookmarkFile);
    const QString tmp = BookmarkInserter::temporaryFileName(target);
    if (!entryExists(tmp))
        return result;

    // A writer at work right now has its temporary file there too: wait for it.
    BookmarkLock lock(target);
    if (!lock.tryLock(10000)) {
        result.error = FileError::io(QStringLiteral("check"), BookmarkFile, lock.errorString());
        return result;
    }
    if (!entryExists(tmp))
        return result;

    const QByteArray tmpName = QFile::encodeName(tmp);
    if (entryExists(target)) {
        if (::unlink(tmpName.constData()) != 0 && errno != ENOENT) {
            result.error = FileError::io(QStringLiteral("remove the interrupted copy"), tmp,
                                         QString::fromLocal8Bit(std::strerror(errno)));
            return result;
        }
        result.outcome = Outcome::RemovedLeftover;
        return result;
    }

    // Only a complete bookmark file takes the missing file's place.
    FolderCatalogue check;
    if (const FileError error = check.read(tmp); error.failed()) {
        result.error = error;
        return result;
    }
    if (std::rename(tmpName.constData(), QFile::encodeName(target).constData()) != 0) {
        result.error = FileError::io(QStringLiteral("put in place"), tmp, QString::fromLocal8Bit(std::strerror(errno)));
        return result;
    }
    result.outcome = Outcome::Restored;
    return result;
}
