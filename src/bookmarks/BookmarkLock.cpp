#include "bookmarks/BookmarkLock.h"

#include "bookmarks/FileError.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

BookmarkLock::BookmarkLock(const QString &target)
    : m_path(lockFileName(target))
{
}

BookmarkLock::~BookmarkLock()
{
    unlock();
}

bool BookmarkLock::tryLock(int timeoutMs)
{
    if (m_fd >= 0)
        return true;
    m_error.clear();
    QElapsedTimer waited;
    waited.start();
    int pause = 5;
    for (;;) {
        const Attempt result = attempt();
        switch (result) {
        case Attempt::Locked:
            return true;
        case Attempt::Failed:
            return false;
        case Attempt::Busy:
        case Attempt::Replaced:
            break;
        }
        if (waited.elapsed() >= timeoutMs) {
            m_error = QCoreApplication::translate("BookmarkLock", "another addition to this file is under way; try again in a moment.");
            return false;
        }
        if (result == Attempt::Replaced)
            continue; // the holder just let go: the next attempt may well succeed
        QThread::msleep(unsigned(std::min<qint64>(pause, std::max<qint64>(timeoutMs - waited.elapsed(), 1))));
        pause = std::min(pause * 2, 100);
    }
}

BookmarkLock::Attempt BookmarkLock::attempt()
{
    const QByteArray name = QFile::encodeName(m_path);
    const auto refuse = [&](const QString &what) {
        //: %2 says what is wrong with the lock file: "belongs to another user".
        m_error = QCoreApplication::translate("BookmarkLock", "the lock file \"%1\" %2; remove it and try again.").arg(m_path, what);
        return Attempt::Failed;
    };
    // O_NOFOLLOW: a link at the lock's place is refused, never followed or created
    // through; O_NONBLOCK: opening a FIFO found there does not wait for a writer.
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
    if (fd < 0) {
        const int openError = errno;
        struct stat there {};
        if (::lstat(name.constData(), &there) == 0) {
            if (!S_ISREG(there.st_mode))
                //: Completes "the lock file "…" …; remove it and try again."
                return refuse(QCoreApplication::translate("BookmarkLock", "is not a regular file (it is a folder, a link or a special file)"));
            if (there.st_uid != ::geteuid())
                //: Completes "the lock file "…" …; remove it and try again."
                return refuse(QCoreApplication::translate("BookmarkLock", "belongs to another user"));
        }
        // Nothing can be added on a read-only file system: say that of the bookmark file.
        m_error = openError == EROFS ? FileError::systemReason(EROFS) + u'.'
                                     : QCoreApplication::translate("BookmarkLock", "the lock file \"%1\" cannot be created: %2.")
                                           .arg(m_path, FileError::systemReason(openError));
        return Attempt::Failed;
    }
    struct stat locked {};
    Attempt result = Attempt::Failed;
    if (::fstat(fd, &locked) != 0) {
        m_error = QCoreApplication::translate("BookmarkLock", "the lock file \"%1\" cannot be read: %2.").arg(m_path, FileError::systemReason(errno));
    } else if (!S_ISREG(locked.st_mode)) {
        refuse(QCoreApplication::translate("BookmarkLock", "is not a regular file (it is a folder, a link or a special file)"));
    } else if (locked.st_uid != ::geteuid()) {
        refuse(QCoreApplication::translate("BookmarkLock", "belongs to another user"));
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK || errno == EINTR)
            result = Attempt::Busy;
        else
            m_error = QCoreApplication::translate("BookmarkLock", "the lock file \"%1\" cannot be locked: %2.").arg(m_path, FileError::systemReason(errno));
    } else {
        // The holder before us removes the file before it lets go: what we locked
        // must still be the file at that path, or we locked a file nobody else will.
        struct stat now {};
        if (::lstat(name.constData(), &now) == 0 && sameFile(now, locked)) {
            m_fd = fd;
            return Attempt::Locked;
        }
        result = Attempt::Replaced;
    }
    ::close(fd);
    return result;
}

void BookmarkLock::unlock()
{
    if (m_fd < 0)
        return;
    // Removed while still held, so that a writer waiting on this file finds it
    // gone from its path once it gets the lock, and tries again on a fresh one.
    struct stat locked {};
    struct stat now {};
    const QByteArray name = QFile::encodeName(m_path);
    if (::fstat(m_fd, &locked) == 0 && ::lstat(name.constData(), &now) == 0 && sameFile(locked, now))
        ::unlink(name.constData());
    ::close(m_fd);
    m_fd = -1;
}

QString BookmarkLock::errorString() const
{
    return m_error;
}
