#pragma once

#include "bookmarks/FileError.h"

#include <QString>

#include <sys/types.h>

class QFile;

// What identifies one version of a file on disk: if any of this differs, another
// program has rewritten the file since we read it.
struct FileIdentity
{
    qint64 size = -1;
    qint64 mtimeNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    // Not part of the identity: a change of permissions is no new version.
    mode_t mode = 0;
    uid_t owner = 0;

    static bool read(const QString &path, FileIdentity &identity, QString &reason);
    static FileIdentity of(const struct stat &st);
    friend bool operator==(const FileIdentity &a, const FileIdentity &b)
    {
        return a.size == b.size && a.mtimeNs == b.mtimeNs && a.inode == b.inode && a.device == b.device;
    }
};

namespace FileAccess {

// Opens a regular file for reading, and says what it is as opened. A folder, a
// named pipe, a device or a socket is refused at once: none is a bookmark file,
// and reading some of them never ends.
[[nodiscard]] FileError openForReading(const QString &path, QFile &file, FileIdentity &identity);
// The same refusal for a path that names something other than a regular file;
// no error when it names a regular file or nothing at all.
[[nodiscard]] FileError checkRegular(const QString &path);

} // namespace FileAccess
