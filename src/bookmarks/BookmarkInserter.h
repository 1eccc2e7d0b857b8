#pragma once

#include "bookmarks/FileError.h"
#include "bookmarks/FileReplacement.h"

#include <QByteArray>
#include <QString>

#include <functional>

class BookmarkLock;
class FolderCatalogue;
struct LastAddition;
class QIODevice;
class TextCodec;

// Adds one bookmark at the top of a folder's list by rewriting the file through
// a temporary file beside it; the previous version goes to the trash.
class BookmarkInserter
{
public:
    // The one line we write: no indentation, no other attributes.
    static QByteArray bookmarkLine(const TextCodec &codec, const QString &url, const QString &text);
    static QString temporaryFileName(const QString &path) { return FileReplacement::temporaryFileName(path); }
    // The file a rewrite works on: a symbolic link's target, else the file itself.
    static QString rewriteTarget(const QString &BookmarkFile);

    // Inserts into folder `folderIndex` of `catalogue` (FolderCatalogue::Root for the
    // root list). `keepAlive` is called every few milliseconds during the rewrite.
    // The insertion takes the lock against other writers itself, waiting a few
    // seconds, unless the caller passes one it holds on rewriteTarget().
    // On failure the bookmark file is unchanged and no temporary file is left; on
    // success the catalogue takes the new file as its own, and `record` (when
    // given) says what undoing the addition needs.
    [[nodiscard]] static FileError insert(FolderCatalogue &catalogue, qint32 folderIndex, const QString &url,
                                          const QString &text, const std::function<void()> &keepAlive = {},
                                          BookmarkLock *heldLock = nullptr, LastAddition *record = nullptr);

    // Copies `in` to `out` with `line` at the top of folder `folderIndex`'s list,
    // every other byte as it was. The folders on the way must be the catalogue's,
    // or the file is not the one that was read. `path` names the file in errors.
    [[nodiscard]] static FileError rewrite(const FolderCatalogue &catalogue, qint32 folderIndex, const QByteArray &line,
                                           QIODevice &in, QIODevice &out, const QString &path,
                                           const std::function<void()> &keepAlive = {});
};
