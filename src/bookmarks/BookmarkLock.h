#pragma once

#include <QLockFile>
#include <QString>

// Excludes other writers (another Linkcrate window, linkcrate-add) from the
// bookmark file for the whole read-write-replace of an addition, through a lock
// file beside it. A lock left by a process that died is taken over.
class BookmarkLock
{
public:
    // `target` is the real file (a link's target), where the rewrite happens.
    explicit BookmarkLock(const QString &target);
    [[nodiscard]] bool tryLock(int timeoutMs);
    QString errorString() const;

    static QString lockFileName(const QString &target) { return target + QStringLiteral(".lock"); }

private:
    QLockFile m_lock;
};
