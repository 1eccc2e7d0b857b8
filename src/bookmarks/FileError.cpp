#include "bookmarks/FileError.h"

QString FileError::message() const
{
    switch (kind) {
    case Kind::None:
        return {};
    case Kind::Io:
        return QStringLiteral("Could not %1 \"%2\": %3").arg(action, path, reason);
    case Kind::Incomplete:
        return QStringLiteral("\"%1\" is not a complete bookmark file: it ends inside a list of bookmarks.")
            .arg(path);
    case Kind::Changed:
        return QStringLiteral("The bookmark file \"%1\" has changed since it was read (%2).").arg(path, reason);
    case Kind::Trash:
        return QStringLiteral("Could not move \"%1\" to the trash: %2").arg(path, reason);
    case Kind::Unusable:
        return QStringLiteral("\"%1\" %2").arg(path, reason);
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
