#include "ui/FileWatch.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

FileWatch::FileWatch(std::function<bool()> held, QObject *parent)
    : QObject(parent)
    , m_held(std::move(held))
    , m_watcher(new QFileSystemWatcher(this))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(150);
    connect(&m_settle, &QTimer::timeout, this, &FileWatch::settle);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { m_settle.start(); });
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { m_settle.start(); });
}

void FileWatch::watch(const QString &file)
{
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    m_file = file;
    m_watcher->addPath(file);
    m_watcher->addPath(QFileInfo(file).absolutePath());
}

void FileWatch::settle()
{
    if (m_held()) {
        m_settle.start();
        return;
    }
    FileIdentity now;
    QString reason;
    if (!FileIdentity::read(m_file, now, reason))
        return; // gone for now: the folder's watch tells when it is back
    // A replaced file is a new inode, which the old watch does not follow; nor
    // does it end while the old inode lives on (in the trash, say): watched anew.
    m_watcher->removePath(m_file);
    m_watcher->addPath(m_file);
    Q_EMIT changed(now);
}
