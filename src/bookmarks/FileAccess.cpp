#include "bookmarks/FileAccess.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileIdentity FileIdentity::of(const struct stat &st)
{
    FileIdentity identity;
    identity.size = qint64(st.st_size);
    identity.mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    identity.inode = quint64(st.st_ino);
    identity.device = quint64(st.st_dev);
    identity.mode = st.st_mode;
    identity.owner = st.st_uid;
    return identity;
}

bool FileIdentity::read(const QString &path, FileIdentity &identity, QString &reason)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        reason = FileError::systemReason(errno);
        return false;
    }
    identity = of(st);
    return true;
}

namespace FileAccess {

namespace {

QString whatItIs(mode_t mode)
{
    if (S_ISDIR(mode))
        //: What a path is instead of a file, in "… is a folder, not a bookmark file."
        return QCoreApplication::translate("FileAccess", "a folder");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("FileAccess", "a named pipe");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("FileAccess", "a socket");
    return QCoreApplication::translate("FileAccess", "a device");
}

} // namespace

FileError checkRegular(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode))
        //: Follows the file's name; %1 is what it is instead ("a folder").
        return FileError::unusable(path, QCoreApplication::translate("FileAccess", "is %1, not a bookmark file.").arg(whatItIs(st.st_mode)));
    return {};
}

FileError openForReading(const QString &path, QFile &file, FileIdentity &identity)
{
    if (const FileError error = checkRegular(path); error.failed())
        return error;
    struct stat st {};
    // Without O_NONBLOCK, opening a named pipe would wait for a writer for ever.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return FileError::io(QStringLiteral("open"), path, FileError::systemReason(error));
    }
    // It may have been replaced between the two looks.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int error = errno;
        ::close(fd);
        if (S_ISREG(st.st_mode) || st.st_mode == 0)
            return FileError::io(QStringLiteral("open"), path, FileError::systemReason(error));
        return FileError::unusable(path, QCoreApplication::translate("FileAccess", "is %1, not a bookmark file.").arg(whatItIs(st.st_mode)));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileError::io(QStringLiteral("open"), path, file.errorString());
    }
    identity = FileIdentity::of(st);
    return {};
}

} // namespace FileAccess
