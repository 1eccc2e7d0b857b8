#include "bookmarks/FileError.h"

#include <cerrno>
#include <cstring>

#include <QCoreApplication>

namespace {

// The system's own text for a read-only file system ("Read-only file system")
// tells nothing about what to do; QFile reports that same text.
QString readable(const QString &reason)
{
    if (reason == QString::fromLocal8Bit(std::strerror(EROFS)))
        return QCoreApplication::translate("FileError", "it is on a read-only file system; copy it to a writable place, or mount that "
                              "file system for writing");
    return reason;
}

// Reasons come from the system, from Qt and from our own code; a message ends
// with one full stop whichever it was.
QString sentence(const QString &text)
{
    for (const QChar end : {u'.', u'!', u'?', u'\u3002', u'\uff01', u'\uff1f'}) {
        if (text.endsWith(end))
            return text;
    }
    //: The full stop put after a reason that has none.
    return QCoreApplication::translate("FileError", "%1.").arg(text);
}

// What failed, as a whole sentence for each thing the engine does to a file, so
// that a translation need not fit a verb into a fixed sentence. An action not
// listed reads as the English sentence with the action in it.
struct ActionText
{
    const char *action;
    const char *text;
};
const ActionText IoTexts[] = {
    {"add to", QT_TRANSLATE_NOOP("FileError", "Could not add to \"%1\": %2")},
    {"check", QT_TRANSLATE_NOOP("FileError", "Could not check \"%1\": %2")},
    {"close", QT_TRANSLATE_NOOP("FileError", "Could not close \"%1\": %2")},
    {"create the temporary file", QT_TRANSLATE_NOOP("FileError", "Could not create the temporary file \"%1\": %2")},
    {"flush", QT_TRANSLATE_NOOP("FileError", "Could not flush \"%1\": %2")},
    {"open", QT_TRANSLATE_NOOP("FileError", "Could not open \"%1\": %2")},
    {"put back the previous version of", QT_TRANSLATE_NOOP("FileError", "Could not put back the previous version of \"%1\": %2")},
    {"put in place", QT_TRANSLATE_NOOP("FileError", "Could not put in place \"%1\": %2")},
    {"read", QT_TRANSLATE_NOOP("FileError", "Could not read \"%1\": %2")},
    {"remove the interrupted copy", QT_TRANSLATE_NOOP("FileError", "Could not remove the interrupted copy \"%1\": %2")},
    {"replace the old temporary file", QT_TRANSLATE_NOOP("FileError", "Could not replace the old temporary file \"%1\": %2")},
    {"replace", QT_TRANSLATE_NOOP("FileError", "Could not replace \"%1\": %2")},
    {"set the permissions of", QT_TRANSLATE_NOOP("FileError", "Could not set the permissions of \"%1\": %2")},
    {"undo the last addition to", QT_TRANSLATE_NOOP("FileError", "Could not undo the last addition to \"%1\": %2")},
    {"use", QT_TRANSLATE_NOOP("FileError", "Could not use \"%1\": %2")},
    {"write", QT_TRANSLATE_NOOP("FileError", "Could not write \"%1\": %2")},
};

QString ioMessage(const QString &action, const QString &path, const QString &reason)
{
    for (const ActionText &entry : IoTexts) {
        if (action == QLatin1String(entry.action))
            return QCoreApplication::translate("FileError", entry.text).arg(path, reason);
    }
    return QStringLiteral("Could not %1 \"%2\": %3").arg(action, path, reason);
}

} // namespace

QString FileError::message() const
{
    switch (kind) {
    case Kind::None:
        return {};
    case Kind::Io:
        return sentence(ioMessage(action, path, readable(reason)));
    case Kind::Incomplete:
        return QCoreApplication::translate("FileError", "\"%1\" is not a complete bookmark file: it ends inside a list of bookmarks.")
            .arg(path);
    case Kind::Changed:
        return QCoreApplication::translate("FileError", "The bookmark file \"%1\" has changed since it was read (%2).").arg(path, reason);
    case Kind::Trash:
        return sentence(QCoreApplication::translate("FileError", "Could not move \"%1\" to the trash: %2").arg(path, readable(reason)));
    case Kind::ReadOnly:
        return sentence(QCoreApplication::translate("FileError", "\"%1\" is read-only: %2").arg(path, reason));
    case Kind::Unusable:
        //: %1 is a file, %2 what is wrong with it: a sentence without its subject ("is a folder, not a bookmark file.").
        return sentence(QCoreApplication::translate("FileError", "\"%1\" %2").arg(path, reason));
    case Kind::Refused:
        return sentence(QCoreApplication::translate("FileError", "Could not add the bookmark to \"%1\": %2").arg(path, reason));
    }
    return {};
}

QString FileError::messageForUser() const
{
    //: %1 is a message about the bookmark file.
    return fileUnchanged ? QCoreApplication::translate("FileError", "%1\nThe bookmark file was left unchanged.").arg(message())
                         : message();
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
            //: Follows ""…" is read-only: ".
            QCoreApplication::translate("FileError", "its owner has protected it against changes. Make it writable (in its properties, "
                           "or with \"chmod u+w\") to add bookmarks to it"),
            true};
}

FileError FileError::shiftingCharset(const QString &path, const QString &charset)
{
    //: Follows the file's name; %1 is a charset's name (SHIFT_JIS).
    return unusable(path, QCoreApplication::translate("FileError", "is written in the character set %1, in which plain letters and signs can "
                                         "stand for other text, so that a bookmark added to it could garble it. Its "
                                         "folders can be listed, but nothing is added to it. A browser that imports "
                                         "it and exports the bookmarks again writes them in UTF-8, which Linkcrate "
                                         "adds to")
                              .arg(charset.toUpper()));
}

FileError FileError::addressTooLong(const QString &path, qsizetype bytes, qsizetype limit)
{
    return {Kind::Refused, QStringLiteral("add to"), path,
            //: Follows "Could not add the bookmark to "…": ".
            QCoreApplication::translate("FileError", "the address takes %1 bytes in the file; Linkcrate adds addresses of up to %2 bytes, "
                           "the longest that its check for an address already in the file finds")
                .arg(bytes)
                .arg(limit),
            true};
}

QString FileError::systemReason(int systemError)
{
    return readable(QString::fromLocal8Bit(std::strerror(systemError)));
}
