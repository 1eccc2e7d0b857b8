#pragma once

#include "bookmarks/FileError.h"
#include "bookmarks/FileReplacement.h"
#include "bookmarks/LastAddition.h"
#include "bookmarks/TextCodec.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class BookmarkLock;
class FolderCatalogue;
class QIODevice;

// Adds one bookmark at the top of a folder's list by rewriting the file through
// a temporary file beside it; the previous version goes to the trash.
class BookmarkInserter
{
public:
    // The one line we write: no indentation, no other attributes.
    static QByteArray bookmarkLine(const TextCodec &codec, const QString &url, const QString &text);
    // The file a rewrite works on: a symbolic link's target, else the file itself.
    static QString rewriteTarget(const QString &BookmarkFile);

    // Why `name` cannot be a new folder's name, or nothing when it can: it must not
    // be blank, nor hold "\" or "/", where a folder path splits.
    static QString folderNameRefusal(const QString &name);

    // Inserts into folder `folderIndex` of `catalogue` (FolderCatalogue::Root for the
    // root list), or, with `newFolders`, into the last of those new folders, each
    // made inside the one before, the first at the top of `folderIndex`'s list;
    // they are written with the bookmark, in the same rewrite, and the catalogue
    // numbers them as a new read would. `keepAlive` is called every few
    // milliseconds during the rewrite.
    // The insertion takes the lock against other writers itself, waiting a few
    // seconds, unless the caller passes one it holds on rewriteTarget().
    // On failure the bookmark file is unchanged and no temporary file is left; on
    // success the catalogue takes the new file as its own, and `record` (when
    // given) says what undoing the addition needs.
    [[nodiscard]] static FileError insert(FolderCatalogue &catalogue, qint32 folderIndex, const QString &url,
                                          const QString &text, const std::function<void()> &keepAlive = {},
                                          BookmarkLock *heldLock = nullptr, LastAddition *record = nullptr,
                                          const QStringList &newFolders = {});

    // Copies `in` to `out` with `lines` at the top of folder `folderIndex`'s list,
    // every other byte as it was; `depths` as BookmarkScanner::insertLines takes
    // them. The folders on the way must be the catalogue's, or the file is not the
    // one that was read. `path` names the file in errors.
    [[nodiscard]] static FileError rewrite(const FolderCatalogue &catalogue, qint32 folderIndex,
                                           const QList<QByteArray> &lines, const QList<int> &depths, QIODevice &in,
                                           QIODevice &out, const QString &path,
                                           const std::function<void()> &keepAlive = {});

    // Which folder a one-pass addition goes to, decided as the file is copied.
    class FolderSearch
    {
    public:
        virtual ~FolderSearch() = default;
        // Asked of the root list (FolderCatalogue::Root, path "") and then of every
        // folder as its list opens, in file order, whether the line goes there; only
        // the first yes counts. `path` is the decoded names joined by "/".
        virtual bool isTarget(qint32 index, const QString &path) = 0;
        // Asked once the whole file has been copied: whether the addition stands.
        virtual bool stands() { return true; }
        // Told of the first HoldersNamed folders (in file order, each once) that
        // hold the address being added: the folder (FolderCatalogue::Root for the
        // root list) and its path. Result::holders counts them all.
        static constexpr qsizetype HoldersNamed = 5;
        virtual void holdsAddress(qint32 folder, const QString &path) { Q_UNUSED(folder) Q_UNUSED(path) }
    };
    enum class Outcome {
        Added,
        Failed,      // see the error
        NotFound,    // no folder was the target
        Withdrawn,   // the search did not let the addition stand
        TwoPasses,   // the charset turned out other than the one the names were read in
    };
    struct Result
    {
        Outcome outcome = Outcome::Failed;
        FileError error;
        TextCodec codec; // the file's, which the line was written in
        LastAddition record; // when Added: what undoing it needs
        qsizetype holders = 0; // the folders that held the address already
    };

    // Adds the line reading the file once, for callers that have no catalogue: the
    // folder is chosen while the file is copied, and the copy goes on to the end of
    // the file, which must be a whole bookmark file. Unless the outcome is Added the
    // bookmark file is unchanged and no temporary file is left. An undeclared
    // charset is taken for UTF-8 while the file is valid UTF-8; when a byte proves
    // it is not, the outcome is TwoPasses and the caller reads the folders first.
    [[nodiscard]] static Result insertWhileCopying(const QString &BookmarkFile, FolderSearch &search, const QString &url,
                                                   const QString &text, BookmarkLock *heldLock = nullptr);
};
