#pragma once

#include <QString>

class UserPrompts;

// File operations that go through the desktop rather than straight to the disk.
namespace mdlFileRoutines {

enum RecycleCode : qint32 {
    RecycleOk = 0,
    RecycleFailed = 1,
    RecycleDeclined = 2, // the user said no when asked to confirm
};

// Where the trash put the file and its record, and why it could not, for callers
// that need more than the code.
struct RecycleDetails
{
    QString pathInTrash;
    QString infoPath; // the ".trashinfo" record a file manager restores from
    QString error;
};

// Moves the file to the desktop trash (the freedesktop.org layout: the home
// trash, or a trash at the top of the file's mount), so that a file manager can
// restore it. The file is renamed, never copied: a mount without a trash that is
// safe to use makes this fail and the file stays where it is.
// With `confirm`, the user is asked first through `prompts`.
[[nodiscard]] qint32 RecycleFile(const QString &path, bool confirm, UserPrompts *prompts = nullptr,
                                 RecycleDetails *details = nullptr);

// Moves a file that RecycleFile put in the trash back to `original`, never over a
// file that is there now, and removes its record. False with `error` set when the
// file could not be put back.
[[nodiscard]] bool PutBack(const RecycleDetails &trashed, const QString &original, QString &error);

// For tests: treat every file as being on a mount whose top folder is `folder`
// (an empty string restores the real lookup).
void setTopFolderForTests(const QString &folder);

} // namespace mdlFileRoutines
