#include "bookmarks/FileReplacement.h"

#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>



namespace {

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
                                 openError == EEXIST ? QStringLiteral("a folder of that name is in the way.")
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

FileError FileReplacement::commit(const FileIdentity &expected, FileIdentity &written)
{
    // The new version must be on the disk before the old one leaves its place.
    if (!m_out.flush() || ::fsync(m_out.handle()) != 0)
        return FileError::io(QStringLiteral("flush"), m_tmp, FileError::systemReason(errno));
    m_out.close();
    if (m_out.error() != QFileDevice::NoError)
        return FileError::io(QStringLiteral("close"), m_tmp, m_out.errorString());

    // Another program may have written the file while we copied it.
    FileIdentity now;
    QString reason;
    if (!FileIdentity::read(m_target, now, reason) || !(now == expected))
        return FileError::changed(m_target, QStringLiteral("it was written while the bookmark was added"));

    mdlFileRoutines::RecycleDetails &trashed = m_trashed;
    if (mdlFileRoutines::RecycleFile(m_target, false, nullptr, &trashed) != mdlFileRoutines::RecycleOk)
        return FileError::trash(m_target, trashed.error);

    const QByteArray tmpName = QFile::encodeName(m_tmp);
    if (::rename(tmpName.constData(), QFile::encodeName(m_target).constData()) != 0) {
        const QString renameError = FileError::systemReason(errno);
        QString putBackError;
        if (mdlFileRoutines::PutBack(trashed, m_target, putBackError))
            return FileError::io(QStringLiteral("replace"), m_target, renameError);
        // Neither step can be undone: keep the complete new version, which the
        // next start puts in place, and say where both versions are.
        m_committed = true;
        FileError stuck = FileError::io(
            QStringLiteral("replace"), m_target,
            QStringLiteral("%1. The previous version is in the trash (%2) and could not be put back (%3); the new "
                           "one is \"%4\", which Linkcrate puts in place at its next start.")
                .arg(renameError, trashed.pathInTrash, putBackError, m_tmp));
        stuck.fileUnchanged = false;
        return stuck;
    }
    m_committed = true;
    syncFolder(m_target);
    FileIdentity::read(m_target, written, reason);
    return {};
}
