#pragma once

#include "bookmarks/FileAccess.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QFileSystemWatcher;

// Tells when the bookmark file may have been changed by another program. A
// browser rewrites the file by replacing it, so the folder is watched too, and
// the several events of one rewrite make one telling.
class FileWatch : public QObject
{
    Q_OBJECT
public:
    // While `held` says so (the window is writing or asking), a change is told
    // only afterwards.
    FileWatch(std::function<bool()> held, QObject *parent);

    // From now on, `file` (the one watch at a time).
    void watch(const QString &file);

Q_SIGNALS:
    // The file is there, as `now`; it may or may not be the version read.
    void changed(const FileIdentity &now);

private:
    void settle();

    std::function<bool()> m_held;
    QFileSystemWatcher *m_watcher;
    QTimer m_settle;
    QString m_file;
};
