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
    case Kind::Refused:
        return sentence(QStringLiteral("Could not add the bookmark to \"%1\": %2").arg(path, reason));
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

FileError FileError::shiftingCharset(const QString &path, const QString &charset)
{
    return unusable(path, QStringLiteral("is written in the character set %1, in which plain letters and signs can "
                                         "stand for other text, so that a bookmark added to it could garble it. Its "
                                         "folders can be listed, but nothing is added to it. A browser that imports "
                                         "it and exports the bookmarks again writes them in UTF-8, which Linkcrate "
                                         "adds to")
                              .arg(charset.toUpper()));
}

FileError FileError::addressTooLong(const QString &path, qsizetype bytes, qsizetype limit)
{
    return {Kind::Refused, QStringLiteral("add to"), path,
            QStringLiteral("the address takes %1 bytes in the file; Linkcrate adds addresses of up to %2 bytes, "
                           "the longest that its check for an address already in the file finds")
                .arg(bytes)
                .arg(limit),
            true};
}

QString FileError::systemReason(int systemError)
{
    return readable(QString::fromLocal8Bit(std::strerror(systemError)));
}
