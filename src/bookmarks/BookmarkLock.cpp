#include "bookmarks/BookmarkLock.h"

BookmarkLock::BookmarkLock(const QString &target)
    : m_lock(lockFileName(target))
{
    // An addition of even a very large file takes seconds, not minutes; a lock
    // older than this whose owner cannot be checked is left over.
    m_lock.setStaleLockTime(5 * 60 * 1000);
}

bool BookmarkLock::tryLock(int timeoutMs)
{
    return m_lock.tryLock(timeoutMs);
}

QString BookmarkLock::errorString() const
{
    switch (m_lock.error()) {
    case QLockFile::NoError:
        return {};
    case QLockFile::LockFailedError:
        return QStringLiteral("another program is adding to it; try again in a moment");
    case QLockFile::PermissionError:
        return QStringLiteral("the lock file beside it cannot be created (permission denied)");
    case QLockFile::UnknownError:
        break;
    }
    return QStringLiteral("the lock file beside it cannot be created");
}
