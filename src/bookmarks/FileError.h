#pragma once

#include <QString>

// What went wrong with the bookmark file, as a value the caller has to look at.
// The engine never ends the process; the window and the command line turn this
// into a message for the user.
struct FileError
{
    enum class Kind {
        None,
        Io,          // the system refused an open, read, write, flush, rename...
        Incomplete,  // the file ends inside a list: truncated, or not a bookmark file
        Changed,     // the file is not the one the folders were read from
        Trash,       // the old version could not be put in the trash
        Unusable,    // not a file Linkcrate can work on: the reason says why
        ReadOnly,    // the file's owner made it read-only
        Refused,     // the bookmark itself cannot be added: the reason says why
    };

    Kind kind = Kind::None;
    QString action;  // what we were doing, e.g. "read", "create the temporary file": also the key of its translated message
    QString path;    // the file involved
    QString reason;  // the system's reason, or our own explanation
    // Whether the bookmark file is as it was before; false only when a failure
    // could not be undone, and the reason says where things are.
    bool fileUnchanged = true;

    [[nodiscard]] bool failed() const { return kind != Kind::None; }
    // One or more whole sentences, each ending with its full stop.
    [[nodiscard]] QString message() const;
    // The text the window and the command line show: the message, followed by the
    // reassurance that nothing was changed when true.
    [[nodiscard]] QString messageForUser() const;

    static FileError io(const QString &action, const QString &path, const QString &reason);
    // The same, with the reason taken from an errno value.
    static FileError io(const QString &action, const QString &path, int systemError);
    static FileError incomplete(const QString &path);
    static FileError changed(const QString &path, const QString &reason);
    static FileError trash(const QString &path, const QString &reason);
    // "\"PATH\" " followed by `reason`, a sentence that says what the file is.
    static FileError unusable(const QString &path, const QString &reason);
    static FileError readOnly(const QString &path);
    // The file's charset lets ASCII bytes stand for other text (`charset`: its name).
    static FileError shiftingCharset(const QString &path, const QString &charset);
    // The address takes `bytes` in the file, more than `limit`.
    static FileError addressTooLong(const QString &path, qsizetype bytes, qsizetype limit);

    // The system's reason for an errno value, in words a user can act on.
    static QString systemReason(int systemError);
};
