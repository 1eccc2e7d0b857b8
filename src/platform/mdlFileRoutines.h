#pragma once

#include <QString>

class UserPrompts;

// File operations that go through the desktop rather than straight to the disk.
namespace mdlFileRoutines {

enum RecycleCode : qint32 {
    RecycleOk = 0,
    RecycleFailed = 1,
    RecycleDeclined = 2, // the user said no when asked to confirm
    RecycleNoLinks = 3,  // the file system cannot give the file a second name
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

// Gives the trash its copy of the file without taking the file from its place:
// its record, then a second name (a hard link) in files/. RecycleNoLinks, and
// nothing changed, where the file system has no hard links.
[[nodiscard]] qint32 LinkToTrash(const QString &path, RecycleDetails &details);

// Removes an entry that Linkcrate just made (a link whose replacement failed),
// and its record.
void Discard(const RecycleDetails &entry);

// Whether `entry` lies in the trash that files like `original` go to, and its
// record names `original`; `why` says what fails. Paths are compared canonical.
[[nodiscard]] bool BelongsTo(const RecycleDetails &entry, const QString &original, QString &why);

// Puts a trash entry back over `original` in one rename, so that the name never
// stands empty, and removes its record.
[[nodiscard]] bool PutBackOver(const RecycleDetails &trashed, const QString &original, QString &error);

// Keeps the `keep` latest versions of `original` that Linkcrate put in the trash
// (0: all), removing older ones; nothing that Linkcrate's own list does not hold,
// or that is no longer the entry listed, is touched.
void KeepVersions(const QString &original, int keep);

// For a start after a kill: removes the records of listed versions that have
// left the trash, and, when `original` is missing, puts back the latest version
// that was moved (not linked) into the trash from there. True when it did.
[[nodiscard]] bool RecoverFromTrash(const QString &original, QString &pathInTrash);

// Moves a file that RecycleFile put in the trash back to `original`, never over a
// file that is there now, and removes its record. False with `error` set when the
// file could not be put back.
[[nodiscard]] bool PutBack(const RecycleDetails &trashed, const QString &original, QString &error);

// For tests: treat every file as being on a mount whose top folder is `folder`
// (an empty string restores the real lookup).
void setTopFolderForTests(const QString &folder);
// For tests: act as on a file system without hard links.
void setNoLinksForTests(bool noLinks);

} // namespace mdlFileRoutines
