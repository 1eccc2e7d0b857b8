#include "bookmarks/BookmarkRecovery.h"

#include "bookmarks/BookmarkInserter.h"
#include "bookmarks/BookmarkLock.h"
#include "bookmarks/FileReplacement.h"
#include "bookmarks/FolderCatalogue.h"
#include "platform/mdlFileRoutines.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool entryExists(const QString &path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// Only a file that an addition of ours could have written may take the bookmark
// file's place: anyone who can write in the folder can plant a link there (which
// would make its target the bookmark file, to be rewritten at the next addition)
// or a file of their own. Empty when `st` is such a file.
QString notOurs(const struct stat &st)
{
    if (S_ISLNK(st.st_mode))
        //: Why a leftover copy of the bookmark file is not touched, before ", not a copy that Linkcrate wrote".
        return QCoreApplication::translate("BookmarkRecovery", "it is a symbolic link");
    if (!S_ISREG(st.st_mode))
        return QCoreApplication::translate("BookmarkRecovery", "it is not a regular file");
    if (st.st_uid != ::geteuid())
        return QCoreApplication::translate("BookmarkRecovery", "it belongs to another user");
    if (st.st_nlink != 1)
        return QCoreApplication::translate("BookmarkRecovery", "it has other names (hard links)");
    return {};
}

} // namespace

QString BookmarkRecovery::Result::message() const
{
    if (error.failed())
        return error.message();
    switch (outcome) {
    case Outcome::Restored:
        if (!fromTrash.isEmpty())
            return QCoreApplication::translate("BookmarkRecovery", "The last change to \"%1\" was interrupted while the file was in the trash. Its "
                                  "latest version there (\"%2\") has been put back.")
                .arg(path, fromTrash);
        return QCoreApplication::translate("BookmarkRecovery", "The last addition to \"%1\" was interrupted after its new version was complete. "
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
    const QString tmp = FileReplacement::temporaryFileName(target);
    // A writer at work right now has its temporary file there too, or the file
    // in the trash for a moment: wait for it. With the file in place and nothing
    // beside it, only the trash is tidied, and not while another is at work.
    const bool present = entryExists(target);
    BookmarkLock lock(target);
    if (present && !entryExists(tmp)) {
        QString ignored;
        if (lock.tryLock(0))
            [[maybe_unused]] const bool restored = mdlFileRoutines::RecoverFromTrash(target, ignored);
        return result;
    }
    if (!lock.tryLock(10000)) {
        result.error = FileError::io(QStringLiteral("check"), BookmarkFile, lock.errorString());
        return result;
    }
    if (!entryExists(tmp)) {
        if (mdlFileRoutines::RecoverFromTrash(target, result.fromTrash))
            result.outcome = Outcome::Restored;
        return result;
    }

    const QByteArray tmpName = QFile::encodeName(tmp);
    struct stat found {};
    if (::lstat(tmpName.constData(), &found) != 0)
        return result;
    if (const QString why = notOurs(found); !why.isEmpty()) {
        result.error = FileError::io(QStringLiteral("use"), tmp,
                                     //: %1 says what the copy is instead ("it is a symbolic link").
                                     QCoreApplication::translate("BookmarkRecovery", "%1, not a copy that Linkcrate wrote, so it "
                                                                                     "was left as it is. Remove it or move it away")
                                         .arg(why));
        return result;
    }
    if (entryExists(target)) {
        if (::unlink(tmpName.constData()) != 0 && errno != ENOENT) {
            result.error = FileError::io(QStringLiteral("remove the interrupted copy"), tmp, errno);
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
    // The copy checked must be the one that takes the file's place.
    struct stat checked {};
    if (::lstat(tmpName.constData(), &checked) != 0 || checked.st_dev != found.st_dev || checked.st_ino != found.st_ino
        || !notOurs(checked).isEmpty()) {
        result.error = FileError::io(QStringLiteral("put in place"), tmp,
                                     QCoreApplication::translate("BookmarkRecovery", "it was replaced while it was being checked"));
        return result;
    }
    if (std::rename(tmpName.constData(), QFile::encodeName(target).constData()) != 0) {
        result.error = FileError::io(QStringLiteral("put in place"), tmp, errno);
        return result;
    }
    result.outcome = Outcome::Restored;
    return result;
}
