#pragma once

#include "bookmarks/FileError.h"

#include <QString>

// Finishes or cleans up an addition that was cut short (a crash, a power cut).
// An addition writes "<file>.tmp" completely and flushes it before it takes the
// file's name, so:
// - the file missing and a complete "<file>.tmp" beside it: the addition was
//   cut between the two steps; the new version is put in place;
// - the file present and "<file>.tmp" beside it: the write itself was cut; the
//   partial copy is removed;
// - the file missing and nothing beside it, where the file system has no hard
//   links: an addition or undo was cut while the file was in the trash; the
//   latest version Linkcrate moved there is put back.
class BookmarkRecovery
{
public:
    enum class Outcome { Nothing, Restored, RemovedLeftover };

    struct Result
    {
        Outcome outcome = Outcome::Nothing;
        FileError error;
        // What to tell the user, if anything: what was put in place, or why the
        // interrupted addition could not be finished. The window and the command
        // line both show this.
        QString message() const;
        QString path;
        QString fromTrash; // when Restored from the trash: the version put back
    };

    static Result recover(const QString &BookmarkFile);
};
