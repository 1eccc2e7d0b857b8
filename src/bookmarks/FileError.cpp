#include "bookmarks/FileError.h"

#include <cerrno>
#include <cstring>

namespace {

// The system's own text for a read-only file system ("Read-only file system")
// tells nothing about what to do; QFile reports that same text.
QString readable(const QString &reason)
{
    if (reason == QString::fromLocal8Bit(std::strerror(EROFS)))
        return QStringLiteral("it is on a read-only file system; copy it to a writable place, or mount that "
                              "file system for writing");
    return reason;
}

// Reasons come from the system, from Qt and from our own code; a message ends
// with one full stop whichever it was.
QString sentence(const QString &text)
{
    if (text.endsWith(u'.') || text.endsWith(u'!') || text.endsWith(u'?'))
        return text;
    return text + u'.';
}

} // namespace

QString FileError::message() const
{
    switch (kind) {
    case Kind::None:
        return {};
    case Kind::Io:
        return sentence(QStringLiteral("Could not %1 \"%2\": %3").arg(action, path, readable(reason)));
    case Kind::Incomplete:
        return QStringLiteral("\"%1\" is not a complete bookmark file: it ends inside a list of bookmarks.")
            .arg(path);
    case Kind::Changed:
        return QStringLiteral("The bookmark file \"%1\" has changed since it was read (%2).").arg(path, reason);
    case Kind::Trash:
        return sentence(QStringLiteral("Could not move \"%1\" to the trash: %2").arg(path, readable(reason)));
    case Kind::ReadOnly:
        return sentence(QStringLiteral("\"%1\" is read-only: %2").arg(path, reason));
    case Kind::Unusable:
        return sentence(QStringLiteral("\"%1\" %2").arg(path, reason));
    }
    return {};
}

QString FileError::messageForUser() const
{
    return fileUnchanged ? message() + QStringLiteral("\nThe bookmark file was left unchanged.") : message();
}

FileError FileError::io(const QString &action, const QString &path, const QString &reason)
{
    return {Kind::Io, action, path, reason, true};
}

FileError FileError::io(const QString &action, const QString &path, int systemError)
{
    return io(action, path, systemReason(systemError));
}

FileError FileError::incomplete(const QString &path)
{
    return {Kind::Incomplete, QStringLiteral("read"), path, QStringLiteral("unexpected end of file"), true};
}

FileError FileError::changed(const QString &path, const QString &reason)
{
    return {Kind::Changed, QStringLiteral("add the bookmark to"), path, reason, true};
}

FileError FileError::trash(const QString &path, const QString &reason)
{
    return {Kind::Trash, QStringLiteral("move to the trash"), path, reason, true};
}

FileError FileError::unusable(const QString &path, const QString &reason)
{
    return {Kind::Unusable, QStringLiteral("use"), path, reason, true};
}

FileError FileError::readOnly(const QString &path)
{
    return {Kind::ReadOnly, QStringLiteral("add to"), path,
            QStringLiteral("its owner has protected it against changes. Make it writable (in its properties, "
                           "or with \"chmod u+w\") to add bookmarks to it"),
            true};
}

QString FileError::systemReason(int systemError)
{
    return readable(QString::fromLocal8Bit(std::strerror(systemError)));
}
