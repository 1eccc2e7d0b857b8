#pragma once

#include <QString>

// Excludes other writers (another Linkcrate window, linkcrate-add) from the
// bookmark file for the whole read-write-replace of an addition, through an
// advisory lock on a file beside it. The kernel drops the lock when its holder
// ends, however it ends, so a writer that was killed never blocks the next one.
class BookmarkLock
{
public:
    // `target` is the real file (a link's target), where the rewrite happens.
    explicit BookmarkLock(const QString &target);
    ~BookmarkLock();
    BookmarkLock(const BookmarkLock &) = delete;
    BookmarkLock &operator=(const BookmarkLock &) = delete;

    // Waits at most `timeoutMs` while another writer holds the lock; a lock file
    // that cannot be used fails at once.
    [[nodiscard]] bool tryLock(int timeoutMs);
    void unlock();
    // Why tryLock failed, as the end of a sentence.
    QString errorString() const;

    static QString lockFileName(const QString &target) { return target + QStringLiteral(".lock"); }

private:
    enum class Attempt { Locked, Busy, Replaced, Failed };
    Attempt attempt();

    QString m_path;
    int m_fd = -1;
    QString m_error;
};
