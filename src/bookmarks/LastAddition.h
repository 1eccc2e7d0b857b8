#pragma once

#include "bookmarks/FileAccess.h"
#include "bookmarks/FileError.h"

#include <QString>
#include <QVariantMap>

class BookmarkLock;

// The last addition to a bookmark file, as much as undoing it needs: the file it
// replaced, the identity of the version it wrote, and where the previous version
// went in the trash. Kept with the settings, so that the window can undo what
// linkcrate-add added and the other way round.
struct LastAddition
{
    QString file; // the file rewritten (a link's target)
    FileIdentity written;
    QString pathInTrash;
    QString infoPath;
    FileIdentity previous; // the version in the trash, which a rename keeps as it was
    // What was added where, for the question before undoing it: the link text as
    // written and the folder's path, names joined by "/" ("" for the root list).
    // Records from before they were kept have neither.
    QString title;
    QString folder;

    bool isValid() const { return !file.isEmpty(); }
    QVariantMap toMap() const;
    static LastAddition fromMap(const QVariantMap &map);

    // Puts the previous version back in place of the file, which goes to the
    // trash in turn; only while the file is exactly the version the addition
    // wrote and the previous version is still in the trash. Takes the lock that
    // additions take, unless the caller holds it.
    [[nodiscard]] FileError undo(BookmarkLock *heldLock = nullptr) const;
};
