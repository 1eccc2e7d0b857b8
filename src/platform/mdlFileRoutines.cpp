#include "platform/mdlFileRoutines.h"

#include "platform/UserPrompts.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
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
        //: This and the next few say what is wrong with a trash folder, after its name:
        //: "the trash folder "…" cannot be made: …", "a sub-folder of "…" belongs to another user".
        why = QCoreApplication::translate("mdlFileRoutines", "cannot be made: %1").arg(systemText(errno));
        return Fd();
    }
    Fd fd(::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | (shared ? O_NOFOLLOW : 0)));
    if (!fd.valid()) {
        why = errno == ELOOP || errno == ENOTDIR ? QCoreApplication::translate("mdlFileRoutines", "is a symbolic link or not a folder")
                                                 : QCoreApplication::translate("mdlFileRoutines", "cannot be opened: %1").arg(systemText(errno));
        return Fd();
    }
    struct stat st {};
    if (shared) {
        if (::fstat(fd.get(), &st) != 0)
            why = systemText(errno);
        else if (st.st_uid != ::geteuid())
            why = QCoreApplication::translate("mdlFileRoutines", "belongs to another user");
        else if (st.st_mode & (S_IWGRP | S_IWOTH))
            why = QCoreApplication::translate("mdlFileRoutines", "can be written by other users");
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
        //: %2 is what is wrong with the sub-folder, said as of a subject ("belongs to another user").
        why = QCoreApplication::translate("mdlFileRoutines", "\"%1\" has a sub-folder that %2").arg(trash.path, sub);
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
    QString sub = data.valid() ? QString() : QCoreApplication::translate("mdlFileRoutines", "cannot be made: %1").arg(systemText(errno));
    Fd folder = data.valid() ? openFolder(data.get(), QByteArrayLiteral("Trash"), false, sub) : Fd();
    if (!folder.valid()) {
        why = QCoreApplication::translate("mdlFileRoutines", "the trash folder \"%1\" %2").arg(trash.path, sub);
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
        why = QCoreApplication::translate("mdlFileRoutines", "\"%1\" cannot be opened: %2").arg(top, systemText(errno));
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
        //: Follows "Could not move "…" to the trash: "; %2 is what is wrong with the trash folder %1.
        why = QCoreApplication::translate("mdlFileRoutines", "its file system has no trash that Linkcrate can use safely (\"%1\" %2)")
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

bool g_noLinksForTests = false;

// Errors of a file system that cannot give a file a second name.
bool noLinks(int error)
{
    return error == EPERM || error == EXDEV || error == ENOTSUP || error == EOPNOTSUPP || error == EMLINK
        || error == ENOSYS;
}

// Linkcrate's own list of the versions it put in the trash, one line each:
// the file's path, the entry's path, its record's path (percent-encoded), how
// it got there ('l' linked, 'm' moved) and the entry's device, inode, size and
// modification time. Only an entry that is still the one listed is ever removed
// from the trash, so nothing another program put there is touched.
struct Version
{
    QByteArray original;
    QString pathInTrash;
    QString infoPath;
    char how = 'l';
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 mtimeNs = 0;

    QByteArray line() const
    {
        return original.toPercentEncoding("/") + '\t' + QFile::encodeName(pathInTrash).toPercentEncoding("/") + '\t'
            + QFile::encodeName(infoPath).toPercentEncoding("/") + '\t' + how + '\t' + QByteArray::number(device)
            + '\t' + QByteArray::number(inode) + '\t' + QByteArray::number(size) + '\t' + QByteArray::number(mtimeNs)
            + '\n';
    }
    static bool parse(const QByteArray &line, Version &v)
    {
        const QList<QByteArray> f = line.split('\t');
        if (f.size() != 8 || f[3].size() != 1)
            return false;
        bool ok[4] = {};
        v = {QByteArray::fromPercentEncoding(f[0]), QFile::decodeName(QByteArray::fromPercentEncoding(f[1])),
             QFile::decodeName(QByteArray::fromPercentEncoding(f[2])), f[3][0], f[4].toULongLong(&ok[0]),
             f[5].toULongLong(&ok[1]), f[6].toLongLong(&ok[2]), f[7].toLongLong(&ok[3])};
        return ok[0] && ok[1] && ok[2] && ok[3];
    }
    // Whether the trash entry is still this version.
    bool present() const
    {
        struct stat st {};
        return ::lstat(QFile::encodeName(pathInTrash).constData(), &st) == 0 && S_ISREG(st.st_mode)
            && st.st_dev == device && st.st_ino == inode && st.st_size == size
            && qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec == mtimeNs;
    }
};

// The list, locked against the other Linkcrate programs from open to close.
class VersionList
{
public:
    VersionList()
    {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
            + QStringLiteral("/Linkcrate");
        QDir().mkpath(folder);
        m_fd.reset(::open(QFile::encodeName(folder + QStringLiteral("/trashed-versions")).constData(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!m_fd.valid() || ::flock(m_fd.get(), LOCK_EX) != 0)
            return;
        QByteArray bytes;
        char buffer[65536];
        ssize_t n;
        while ((n = ::read(m_fd.get(), buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR))
            bytes.append(buffer, n > 0 ? n : 0);
        // A line cut short by a kill is left out.
        for (const QByteArray &line : bytes.split('\n')) {
            Version v;
            if (Version::parse(line, v))
                versions.append(v);
        }
    }
    bool valid() const { return m_fd.valid(); }
    // Written in place under the lock: a kill while writing loses at most the
    // memory of some versions, which then stay in the trash.
    void save() const
    {
        QByteArray bytes;
        for (const Version &v : versions)
            bytes += v.line();
        if (m_fd.valid() && ::ftruncate(m_fd.get(), 0) == 0)
            [[maybe_unused]] const bool written = ::lseek(m_fd.get(), 0, SEEK_SET) == 0 && writeAll(m_fd.get(), bytes);
    }

    QList<Version> versions;

private:
    Fd m_fd;
};

// Remembers the entry about to be made for `original`, whose identity is `st`.
void remember(const QByteArray &original, const QString &pathInTrash, const QString &infoPath, char how,
              const struct stat &st)
{
    VersionList list;
    if (!list.valid())
        return;
    list.versions.removeIf([&](const Version &v) { return v.pathInTrash == pathInTrash; });
    list.versions.append({original, pathInTrash, infoPath, how, st.st_dev, st.st_ino, st.st_size,
                          qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec});
    list.save();
}

// The record first, whole and on the disk, then the file: whatever stops us in
// between, a file in files/ always has its record. With `link` the file keeps
// its name and the trash gets a second one.
qint32 moveInto(const Trash &trash, const QString &original, const struct stat &file, bool link,
                RecycleDetails &details)
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
            details.error = QCoreApplication::translate("mdlFileRoutines", "its record cannot be made in \"%1/info\": %2").arg(trash.path, systemText(errno));
            return RecycleFailed;
        }
        // A file moved here is found again only through its record, so the
        // record's bytes and its name in info/ reach the disk before the file
        // leaves its place. A link leaves the file where it is: the record, the
        // link and the replacement that follows reach the disk together with the
        // replacement's own flush, and a power cut before it loses nothing of the
        // user's file; two flushes there would buy nothing.
        const bool written = writeAll(fd, record) && (link || ::fsync(fd) == 0);
        const int writeError = errno;
        if (::close(fd) != 0 || !written || (!link && ::fsync(trash.info.get()) != 0)) {
            const int error = written ? errno : writeError;
            ::unlinkat(trash.info.get(), infoName.constData(), 0);
            details.error = QCoreApplication::translate("mdlFileRoutines", "its record cannot be written in \"%1/info\": %2").arg(trash.path, systemText(error));
            return RecycleFailed;
        }
        details.pathInTrash = trash.path + QStringLiteral("/files/") + QFile::decodeName(name);
        details.infoPath = trash.path + QStringLiteral("/info/") + QFile::decodeName(infoName);
        // Listed before it is made, so that a kill just after still leaves it known.
        remember(source, details.pathInTrash, details.infoPath, link ? 'l' : 'm', file);
        const int done = link ? (g_noLinksForTests ? (errno = EPERM, -1)
                                                   : ::linkat(AT_FDCWD, source.constData(), trash.files.get(), name.constData(), 0))
                              : moveNoReplace(AT_FDCWD, source.constData(), trash.files.get(), name.constData());
        if (done == 0)
            return RecycleOk;
        const int moveError = errno;
        details.pathInTrash.clear();
        details.infoPath.clear();
        ::unlinkat(trash.info.get(), infoName.constData(), 0);
        if (moveError == EEXIST)
            continue; // a file without a record has that name
        if (link && noLinks(moveError))
            return RecycleNoLinks;
        details.error = moveError == EXDEV
            ? QCoreApplication::translate("mdlFileRoutines", "the trash \"%1\" is on another file system, and Linkcrate never copies the file there")
                  .arg(trash.path)
            : systemText(moveError);
        return RecycleFailed;
    }
    details.error = QCoreApplication::translate("mdlFileRoutines", "the trash \"%1\" has no free name for it").arg(trash.path);
    return RecycleFailed;
}

// The trash that takes `path` (described by `file`): the home trash for files of
// its file system, else the trash of the file's mount, since neither a rename
// nor a link can cross file systems.
bool trashFor(const QString &path, const struct stat &file, Trash &trash, QString &why)
{
    const QFileInfo info(path);
    dev_t homeDevice = 0;
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const bool home = g_topFolderForTests.isEmpty() && deviceOf(dataHome + QStringLiteral("/Trash"), homeDevice)
        && homeDevice == file.st_dev;
    return home ? homeTrash(trash, why) : mountTrash(trash, topFolder(info.absolutePath(), file.st_dev), why);
}

qint32 toTrash(const QString &path, bool link, RecycleDetails &out)
{
    const QString original = QFileInfo(path).absoluteFilePath();
    struct stat file {};
    if (::lstat(QFile::encodeName(original).constData(), &file) != 0) {
        out.error = systemText(errno);
        return RecycleFailed;
    }
    Trash trash;
    if (!trashFor(original, file, trash, out.error))
        return RecycleFailed;
    return moveInto(trash, original, file, link, out);
}

void unlinkPath(const QString &path)
{
    if (!path.isEmpty())
        ::unlink(QFile::encodeName(path).constData());
}

} // namespace

qint32 RecycleFile(const QString &path, bool confirm, UserPrompts *prompts, RecycleDetails *details)
{
    RecycleDetails ignored;
    RecycleDetails &out = details ? *details : ignored;
    out = {};
    if (confirm) {
        const QString question = QCoreApplication::translate("mdlFileRoutines", "Move \"%1\" to the trash?").arg(QFileInfo(path).fileName());
        if (!prompts || !prompts->confirm(question)) {
            out.error = QCoreApplication::translate("mdlFileRoutines", "not confirmed");
            return RecycleDeclined;
        }
    }
    return toTrash(path, false, out);
}

qint32 LinkToTrash(const QString &path, RecycleDetails &details)
{
    details = {};
    return toTrash(path, true, details);
}

bool PutBack(const RecycleDetails &trashed, const QString &original, QString &error)
{
    if (trashed.pathInTrash.isEmpty()) {
        error = QCoreApplication::translate("mdlFileRoutines", "\"%1\" is not in the trash").arg(original);
        return false;
    }
    if (moveNoReplace(AT_FDCWD, QFile::encodeName(trashed.pathInTrash).constData(), AT_FDCWD,
                      QFile::encodeName(original).constData())
        != 0) {
        error = QCoreApplication::translate("mdlFileRoutines", "\"%1\" could not be put back from the trash (\"%2\"): %3")
                    .arg(original, trashed.pathInTrash, systemText(errno));
        return false;
    }
    Discard({{}, trashed.infoPath, {}});
    return true;
}

bool PutBackOver(const RecycleDetails &trashed, const QString &original, QString &error)
{
    if (::rename(QFile::encodeName(trashed.pathInTrash).constData(), QFile::encodeName(original).constData()) != 0) {
        error = QCoreApplication::translate("mdlFileRoutines", "\"%1\" could not be put back from the trash (\"%2\"): %3")
                    .arg(original, trashed.pathInTrash, systemText(errno));
        return false;
    }
    Discard({{}, trashed.infoPath, {}});
    return true;
}

void Discard(const RecycleDetails &entry)
{
    // The file before its record, so that a file in files/ never lacks one.
    unlinkPath(entry.pathInTrash);
    unlinkPath(entry.infoPath);
    VersionList list;
    if (list.valid() && list.versions.removeIf([&](const Version &v) { return v.infoPath == entry.infoPath; }) > 0)
        list.save();
}

bool BelongsTo(const RecycleDetails &entry, const QString &original, QString &why)
{
    const QByteArray name = QFile::encodeName(original);
    struct stat file {};
    if (!QFileInfo(original).isAbsolute() || QDir::cleanPath(original) != original
        || ::lstat(name.constData(), &file) != 0) {
        why = QCoreApplication::translate("mdlFileRoutines", "\"%1\" is not the path of a file").arg(original);
        return false;
    }
    Trash trash;
    if (!trashFor(original, file, trash, why))
        return false;
    const QFileInfo inTrash(entry.pathInTrash);
    const QString base = inTrash.fileName();
    const auto canonicalFolder = [](const QString &path) { return QFileInfo(path).canonicalPath(); };
    const QString files = QFileInfo(trash.path + QStringLiteral("/files")).canonicalFilePath();
    const QString info = QFileInfo(trash.path + QStringLiteral("/info")).canonicalFilePath();
    if (base.isEmpty() || base == QLatin1String("..") || base == QLatin1String(".")
        || canonicalFolder(entry.pathInTrash) != files || files.isEmpty()
        || QFileInfo(entry.infoPath).fileName() != base + QStringLiteral(".trashinfo")
        || canonicalFolder(entry.infoPath) != info || info.isEmpty()) {
        why = QCoreApplication::translate("mdlFileRoutines", "\"%1\" is not an entry of the trash \"%2\"").arg(entry.pathInTrash, trash.path);
        return false;
    }
    // Its record must name this file, as a file manager would restore it.
    QFile record;
    const Fd fd(::open(QFile::encodeName(entry.infoPath).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    struct stat st {};
    QByteArray path;
    if (fd.valid() && ::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size < 65536
        && record.open(fd.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        for (const QByteArray &line : record.readAll().split('\n'))
            if (line.startsWith("Path="))
                path = QByteArray::fromPercentEncoding(line.mid(5));
    }
    const QString recorded = QFile::decodeName(path);
    if (path.isEmpty() || !QFileInfo(recorded).isAbsolute()
        || QFileInfo(recorded).canonicalFilePath() != QFileInfo(original).canonicalFilePath()) {
        why = QCoreApplication::translate("mdlFileRoutines", "the trash record \"%1\" does not name \"%2\"").arg(entry.infoPath, original);
        return false;
    }
    return true;
}

void KeepVersions(const QString &original, int keep)
{
    if (keep <= 0)
        return;
    VersionList list;
    if (!list.valid())
        return;
    const QByteArray name = QFile::encodeName(original);
    // Entries gone from the trash, or whose name another file has taken, are
    // forgotten, never removed.
    list.versions.removeIf([&](const Version &v) { return v.original == name && !v.present(); });
    qsizetype over = std::count_if(list.versions.cbegin(), list.versions.cend(),
                                   [&](const Version &v) { return v.original == name; }) - keep;
    // The oldest first; the newest, which undo needs, is always kept.
    list.versions.removeIf([&](const Version &v) {
        if (over <= 0 || v.original != name)
            return false;
        --over;
        unlinkPath(v.pathInTrash);
        unlinkPath(v.infoPath);
        return true;
    });
    list.save();
}

bool RecoverFromTrash(const QString &original, QString &pathInTrash)
{
    VersionList list;
    if (!list.valid())
        return false;
    const QByteArray name = QFile::encodeName(original);
    struct stat st {};
    const bool missing = ::lstat(name.constData(), &st) != 0 && errno == ENOENT;
    bool changed = false;
    bool restored = false;
    for (qsizetype i = list.versions.size() - 1; i >= 0; --i) {
        const Version v = list.versions[i];
        if (v.original != name)
            continue;
        if (v.present()) {
            // Only where no link could be made does a version ever leave the
            // file's name free: then the latest such is put back.
            if (!missing || restored || v.how != 'm')
                continue;
            if (moveNoReplace(AT_FDCWD, QFile::encodeName(v.pathInTrash).constData(), AT_FDCWD, name.constData()) != 0)
                continue;
            restored = true;
            pathInTrash = v.pathInTrash;
        }
        // A kill between putting a version back and removing its record leaves
        // the record alone.
        if (::lstat(QFile::encodeName(v.pathInTrash).constData(), &st) != 0 && errno == ENOENT) {
            unlinkPath(v.infoPath);
            list.versions.removeAt(i);
            changed = true;
        }
    }
    if (changed)
        list.save();
    return restored;
}

void setNoLinksForTests(bool noLinks)
{
    g_noLinksForTests = noLinks;
}

void setTopFolderForTests(const QString &folder)
{
    g_topFolderForTests = folder;
}

} // namespace mdlFileRoutines
