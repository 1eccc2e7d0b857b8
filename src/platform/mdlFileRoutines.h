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

// Where the trash put the file, and why it could not, for callers that need more
// than the code.
struct RecycleDetails
{
    QString pathInTrash;
    QString infoPath; // the ".trashinfo" record a file manager restores from
    QString error;
};

// Moves the file to the desktop trash, so that it can be restored from there.
// With `confirm`, the user is asked first through `prompts`.
[[nodiscard]] qint32 RecycleFile(const QString &path, bool confirm, UserPrompts *prompts = nullptr,
                                 RecycleDetails *details = nullptr);

// Moves a trashed file back to `original` (never over a file that is there) and
// removes its trash record. False, with the reason, when it could not.
[[nodiscard]] bool PutBack(const RecycleDetails &trashed, const QString &original, QString &error);

} // namespace mdlFileRoutines
