#include "bookmarks/FileReplacement.h"

#include "platform/Settings.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How much the temporary file takes before it sends it on to the disk.
constexpr qint64 WritebackStep = 4 << 20;

void syncFolder(const QString &path)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Whether we may replace the file: judged by its write bits, since root may
// write anything, and by the system for everyone else.
FileError writableProblem(const QString &target, const FileIdentity &original)
{
    const QByteArray name = QFile::encodeName(target);
    if (::access(name.constData(), W_OK) != 0 && errno == EROFS)
        return FileError::io(QStringLiteral("add to"), target, FileError::systemReason(EROFS));
    if ((original.mode & 0222) == 0 || (::geteuid() != 0 && ::access(name.constData(), W_OK) != 0))
        return FileError::readOnly(target);
    return {};
}

} // namespace

qint64 FileReplacement::TemporaryFile::writeData(const char *data, qint64 size)
{
    const qint64 written = QFile::writeData(data, size);
    if (written > 0)
        m_written += written;
    if (m_written - m_onTheWay >= WritebackStep) {
        // Only starts the writing, which the disk does while the copy goes on;
        // the fsync at commit() is still what makes the version last. A failure
        // here costs nothing but the head start.
        ::sync_file_range(handle(), m_onTheWay, m_written - m_onTheWay, SYNC_FILE_RANGE_WRITE);
        m_onTheWay = m_written;
    }
    return written;
}

FileReplacement::FileReplacement(const QString &target)
    : m_target(target)
    , m_tmp(temporaryFileName(target))
{
}

FileReplacement::~FileReplacement()
{
    if (m_created && !m_committed) {
        m_out.close();
        ::unlink(QFile::encodeName(m_tmp).constData());
    }
}

FileError FileReplacement::begin(const FileIdentity &original)
{
    if (const FileError problem = writableProblem(m_target, original); problem.failed())
        return problem;
    // Created fresh: an existing file or link of that name is removed first, never
    // written through.
    const QByteArray name = QFile::encodeName(m_tmp);
    int fd = -1;
    for (int attempt = 0; attempt < 2 && fd < 0; ++attempt) {
        fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0)
            break;
        const int openError = errno;
        struct stat st {};
        if (openError != EEXIST || ::lstat(name.constData(), &st) != 0 || S_ISDIR(st.st_mode))
            return FileError::io(QStringLiteral("create the temporary file"), m_tmp,
                                 openError == EEXIST ? QCoreApplication::translate("FileReplacement", "a folder of that name is in the way.")
                                                     : FileError::systemReason(openError));
        if (::unlink(name.constData()) != 0)
            return FileError::io(QStringLiteral("replace the old temporary file"), m_tmp, FileError::systemReason(errno));
    }
    if (fd < 0)
        return FileError::io(QStringLiteral("create the temporary file"), m_tmp, FileError::systemReason(EEXIST));
    m_created = true;
    // The old file's permissions exactly, whatever the umask.
    if (::fchmod(fd, original.mode & 07777) != 0) {
        const int error = errno;
        ::close(fd);
        return FileError::io(QStringLiteral("set the permissions of"), m_tmp, FileError::systemReason(error));
    }
    if (!m_out.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileError::io(QStringLiteral("write"), m_tmp, m_out.errorString());
    }
    return {};
}

// Where the file system has no hard links: the old version moves to the trash,
// then the new one takes its name. A kill in between leaves the file's name free;
// the next start puts the new version in place.
FileError FileReplacement::moveAsideAndReplace()
{
    mdlFileRoutines::RecycleDetails &trashed = m_trashed;
    if (mdlFileRoutines::RecycleFile(m_target, false, nullptr, &trashed) != mdlFileRoutines::RecycleOk)
        return FileError::trash(m_target, trashed.error);

    if (::rename(QFile::encodeName(m_tmp).constData(), QFile::encodeName(m_target).constData()) != 0) {
        const QString renameError = FileError::systemReason(errno);
        QString putBackError;
        if (mdlFileRoutines::PutBack(trashed, m_target, putBackError))
            return FileError::io(QStringLiteral("replace"), m_target, renameError);
        // Neither step can be undone: keep the complete new version, which the
        // next start puts in place, and say where both versions are.
        m_committed = true;
        FileError stuck = FileError::io(
            QStringLiteral("replace"), m_target,
            QCoreApplication::translate("FileReplacement", "%1. The previous version is in the trash (%2) and could not be put back (%3); the new "
                           "one is \"%4\", which Linkcrate puts in place at its next start.")
                .arg(renameError, trashed.pathInTrash, putBackError, m_tmp));
        stuck.fileUnchanged = false;
        return stuck;
    }
    return {};
}

FileError FileReplacement::commit(const FileIdentity &expected, FileIdentity &written)
{
    // The new version must be on the disk before its name can point at it: a power
    // cut would otherwise leave the file's name on blocks never written.
    if (!m_out.flush() || ::fsync(m_out.handle()) != 0)
        return FileError::io(QStringLiteral("flush"), m_tmp, FileError::systemReason(errno));
    m_out.close();
    if (m_out.error() != QFileDevice::NoError)
        return FileError::io(QStringLiteral("close"), m_tmp, m_out.errorString());

    // Another program may have written the file while we copied it.
    FileIdentity now;
    QString reason;
    if (!FileIdentity::read(m_target, now, reason) || !(now == expected))
        return FileError::changed(m_target, QCoreApplication::translate("FileReplacement", "it was written while the bookmark was added"));

    mdlFileRoutines::RecycleDetails &trashed = m_trashed;
    const QByteArray tmpName = QFile::encodeName(m_tmp);
    const QByteArray targetName = QFile::encodeName(m_target);
    // The trash gets its copy as a second name, and the new version then takes
    // the file's name in one rename: whoever opens the file at any instant finds
    // a whole version, never nothing.
    const qint32 linked = mdlFileRoutines::LinkToTrash(m_target, trashed);
    if (linked == mdlFileRoutines::RecycleOk) {
        if (::rename(tmpName.constData(), targetName.constData()) != 0) {
            const int error = errno;
            mdlFileRoutines::Discard(trashed);
            trashed = {};
            return FileError::io(QStringLiteral("replace"), m_target, FileError::systemReason(error));
        }
    } else if (linked != mdlFileRoutines::RecycleNoLinks) {
        return FileError::trash(m_target, trashed.error);
    } else if (const FileError error = moveAsideAndReplace(); error.failed()) {
        return error;
    }
    m_committed = true;
    // Makes the new name, and the trash's link and record before it, last
    // through a power cut, before the addition is reported done.
    syncFolder(m_target);
    FileIdentity::read(m_target, written, reason);
    mdlFileRoutines::KeepVersions(m_target, Settings().keepVersions());
    return {};
}
