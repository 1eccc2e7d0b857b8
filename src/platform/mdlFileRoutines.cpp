#include "platform/mdlFileRoutines.h"

#include "platform/UserPrompts.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The trash is our own rather than QFile::moveToTrash or GIO's g_file_trash:
// both move the file first and write its record after, so a full disk or a kill
// in between leaves a file that no file manager can restore; and Qt takes a
// top-of-mount trash folder without asking who owns it. Here the whole record is
// on the disk before the file moves, and a trash folder that another user could
// read or write is never used.

namespace mdlFileRoutines {

namespace {

QString g_topFolderForTests;

QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A descriptor that closes itself.
class Fd
{
public:
    explicit Fd(int fd = -1)
        : m_fd(fd)
    {
    }
    ~Fd() { reset(); }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    Fd(Fd &&other) noexcept
        : m_fd(other.m_fd)
    {
        other.m_fd = -1;
    }
    Fd &operator=(Fd &&other) noexcept
    {
        reset(other.m_fd);
        other.m_fd = -1;
        return *this;
    }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }

private:
    int m_fd;
};

// A trash: its folder's path and its two sub-folders, opened.
struct Trash
{
    QString path;
    Fd files;
    Fd info;
};

// Opens the folder `name` inside `parent`, making it (mode 0700) when missing.
// A shared trash must be a real folder (no link) of ours that nobody else can
// write; otherwise another user could read what we trash, or swap it for theirs.
// Empty `why` on success.
Fd openFolder(int parent, const QByteArray &name, bool shared, QString &why)
{
    if (::mkdirat(parent, name.constData(), 0700) != 0 && errno != EEXIST) {
        why = QStringLiteral("cannot be made: %1").arg(systemText(errno));
        return Fd();
    }
    Fd fd(::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | (shared ? O_NOFOLLOW : 0)));
    if (!fd.valid()) {
        why = errno == ELOOP || errno == ENOTDIR ? QStringLiteral("is a symbolic link or not a folder")
                                                 : QStringLiteral("cannot be opened: %1").arg(systemText(errno));
        return Fd();
    }
    struct stat st {};
    if (shared) {
        if (::fstat(fd.get(), &st) != 0)
            why = systemText(errno);
        else if (st.st_uid != ::geteuid())
            why = QStringLiteral("belongs to another user");
        else if (st.st_mode & (S_IWGRP | S_IWOTH))
            why = QStringLiteral("can be written by other users");
        if (!why.isEmpty())
            return Fd();
    }
    return fd;
}

// Opens files/ and info/ inside the trash folder `trashFd`.
bool openTrash(Trash &trash, Fd trashFd, bool shared, QString &why)
{
    QString sub;
    trash.files = openFolder(trashFd.get(), QByteArrayLiteral("files"), shared, sub);
    if (trash.files.valid())
        trash.info = openFolder(trashFd.get(), QByteArrayLiteral("info"), shared, sub);
    if (!trash.info.valid()) {
        why = QStringLiteral("\"%1\" has a sub-folder that %2").arg(trash.path, sub);
        return false;
    }
    return true;
}

// The nearest existing folder's device: the home trash may not exist yet.
bool deviceOf(QString path, dev_t &device)
{
    for (;;) {
        struct stat st {};
        if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
            device = st.st_dev;
            return true;
        }
        const QString up = QFileInfo(path).path();
        if (up == path)
            return false;
        path = up;
    }
}

// The top folder of the mount that holds `folder`.
QString topFolder(const QString &folder, dev_t device)
{
    if (!g_topFolderForTests.isEmpty())
        return g_topFolderForTests;
    QString dir = QFileInfo(folder).canonicalFilePath();
    if (dir.isEmpty())
        return {};
    while (dir != QLatin1String("/")) {
        const QString up = QFileInfo(dir).path();
        struct stat st {};
        if (::stat(QFile::encodeName(up).constData(), &st) != 0 || st.st_dev != device)
            break;
        dir = up;
    }
    return dir;
}

bool homeTrash(Trash &trash, QString &why)
{
    // The trash folder is made inside the data folder, which a fresh account may
    // not have yet.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!dataHome.isEmpty())
        QDir().mkpath(dataHome);
    trash.path = dataHome + QStringLiteral("/Trash");
    Fd data(::open(QFile::encodeName(dataHome).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    QString sub = data.valid() ? QString() : QStringLiteral("cannot be made: %1").arg(systemText(errno));
    Fd folder = data.valid() ? openFolder(data.get(), QByteArrayLiteral("Trash"), false, sub) : Fd();
    if (!folder.valid()) {
        why = QStringLiteral("the trash folder \"%1\" %2").arg(trash.path, sub);
        return false;
    }
    return openTrash(trash, std::move(folder), false, why);
}

// A mount's own trash: "$top/.Trash/$uid" when an administrator made ".Trash" a
// real folder with the sticky bit (so that nobody can remove or rename what is
// ours in it); else "$top/.Trash-$uid".
bool mountTrash(Trash &trash, const QString &top, QString &why)
{
    const Fd topFd(::open(QFile::encodeName(top).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!topFd.valid()) {
        why = QStringLiteral("\"%1\" cannot be opened: %2").arg(top, systemText(errno));
        return false;
    }
    const QByteArray uid = QByteArray::number(qulonglong(::geteuid()));
    QString sub;
    Fd shared(::openat(topFd.get(), ".Trash", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    if (shared.valid() && ::fstat(shared.get(), &st) == 0 && (st.st_mode & S_ISVTX)) {
        trash.path = top + QStringLiteral("/.Trash/") + QString::fromLatin1(uid);
        Fd folder = openFolder(shared.get(), uid, true, sub);
        QString unusable; // then the per-user folder is tried
        if (folder.valid() && openTrash(trash, std::move(folder), true, unusable))
            return true;
        sub.clear();
    }
    trash.path = top + QStringLiteral("/.Trash-") + QString::fromLatin1(uid);
    Fd folder = openFolder(topFd.get(), QByteArrayLiteral(".Trash-") + uid, true, sub);
    if (!folder.valid()) {
        why = QStringLiteral("its file system has no trash that Linkcrate can use safely (\"%1\" %2)")
                  .arg(trash.path, sub);
        return false;
    }
    return openTrash(trash, std::move(folder), true, why);
}

// Renames without ever replacing what is at `to`. File systems without
// RENAME_NOREPLACE get a hard link and an unlink, which never replace either.
int moveNoReplace(int fromDir, const char *from, int toDir, const char *to)
{
    if (::renameat2(fromDir, from, toDir, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    if (::linkat(fromDir, from, toDir, to, 0) != 0)
        return -1;
    if (::unlinkat(fromDir, from, 0) == 0)
        return 0;
    const int error = errno;
    ::unlinkat(toDir, to, 0);
    errno = error;
    return -1;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// The record first, whole and on the disk, then the file: whatever stops us in
// between, a file in files/ always has its record.
qint32 moveInto(const Trash &trash, const QString &original, RecycleDetails &details)
{
    const QByteArray source = QFile::encodeName(original);
    const QByteArray record = QByteArrayLiteral("[Trash Info]\nPath=") + source.toPercentEncoding("/")
        + QByteArrayLiteral("\nDeletionDate=")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")).toLatin1()
        + QByteArrayLiteral("\n");
    const QByteArray base = QFile::encodeName(QFileInfo(original).fileName());
    // The name itself, then NAME.2 to NAME.9 as file managers do; past those (a
    // trash never emptied holds a version per addition) a name of the moment,
    // so that no search through a thousand names is ever needed.
    const QByteArray moment = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmsszzz")).toLatin1();
    for (int n = 1; n <= 1000; ++n) {
        const QByteArray name = n == 1 ? base
            : n < 10                   ? base + '.' + QByteArray::number(n)
                                       : base + '.' + moment + '.' + QByteArray::number(n - 9);
        const QByteArray infoName = name + QByteArrayLiteral(".trashinfo");
        // Created exclusively: this reserves the name against other programs trashing now.
        const int fd = ::openat(trash.info.get(), infoName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0) {
            details.error = QStringLiteral("its record cannot be made in \"%1/info\": %2").arg(trash.path, systemText(errno));
            return RecycleFailed;
        }
        const bool written = writeAll(fd, record) && ::fsync(fd) == 0;
        const int writeError = errno;
        if (::close(fd) != 0 || !written || ::fsync(trash.info.get()) != 0) {
            const int error = written ? errno : writeError;
            ::unlinkat(trash.info.get(), infoName.constData(), 0);
            details.error = QStringLiteral("its record cannot be written in \"%1/info\": %2").arg(trash.path, systemText(error));
            return RecycleFailed;
        }
        if (moveNoReplace(AT_FDCWD, source.constData(), trash.files.get(), name.constData()) == 0) {
            details.pathInTrash = trash.path + QStringLiteral("/files/") + QFile::decodeName(name);
            details.infoPath = trash.path + QStringLiteral("/info/") + QFile::decodeName(infoName);
            return RecycleOk;
        }
        const int moveError = errno;
        ::unlinkat(trash.info.get(), infoName.constData(), 0);
        if (moveError == EEXIST)
            continue; // a file without a record has that name
        details.error = moveError == EXDEV
            ? QStringLiteral("the trash \"%1\" is on another file system, and Linkcrate never copies the file there")
                  .arg(trash.path)
            : systemText(moveError);
        return RecycleFailed;
    }
    details.error = QStringLiteral("the trash \"%1\" has no free name for it").arg(trash.path);
    return RecycleFailed;
}

} // namespace

qint32 RecycleFile(const QString &path, bool confirm, UserPrompts *prompts, RecycleDetails *details)
{
    RecycleDetails ignored;
    RecycleDetails &out = details ? *details : ignored;
    out = {};
    if (confirm) {
        const QString question = QStringLiteral("Move \"%1\" to the trash?").arg(QFileInfo(path).fileName());
        if (!prompts || !prompts->confirm(question)) {
            out.error = QStringLiteral("not confirmed");
            return RecycleDeclined;
        }
    }
    const QFileInfo info(path);
    const QString original = info.absoluteFilePath();
    struct stat file {};
    if (::lstat(QFile::encodeName(original).constData(), &file) != 0) {
        out.error = systemText(errno);
        return RecycleFailed;
    }

    // The home trash takes files of its own file system; any other file goes to
    // its mount's trash, since a rename cannot cross file systems.
    Trash trash;
    dev_t homeDevice = 0;
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const bool home = g_topFolderForTests.isEmpty() && deviceOf(dataHome + QStringLiteral("/Trash"), homeDevice)
        && homeDevice == file.st_dev;
    const bool found = home ? homeTrash(trash, out.error)
                            : mountTrash(trash, topFolder(info.absolutePath(), file.st_dev), out.error);
    if (!found)
        return RecycleFailed;
    return moveInto(trash, original, out);
}

bool PutBack(const RecycleDetails &trashed, const QString &original, QString &error)
{
    if (trashed.pathInTrash.isEmpty()) {
        error = QStringLiteral("\"%1\" is not in the trash").arg(original);
        return false;
    }
    if (moveNoReplace(AT_FDCWD, QFile::encodeName(trashed.pathInTrash).constData(), AT_FDCWD,
                      QFile::encodeName(original).constData())
        != 0) {
        error = QStringLiteral("\"%1\" could not be put back from the trash (\"%2\"): %3")
                    .arg(original, trashed.pathInTrash, systemText(errno));
        return false;
    }
    if (!trashed.infoPath.isEmpty())
        ::unlink(QFile::encodeName(trashed.infoPath).constData());
    return true;
}

void setTopFolderForTests(const QString &folder)
{
    g_topFolderForTests = folder;
}

} // namespace mdlFileRoutines
