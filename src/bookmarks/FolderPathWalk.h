#pragma once

#include "bookmarks/CharsetProbe.h"
#include "bookmarks/DisplayPaths.h"
#include "bookmarks/FileError.h"
#include "bookmarks/FolderWalker.h"

#include <functional>

class BookmarkScanner;

// Walks a bookmark file's folders once, in the order their lists open, with each
// folder's display path (its decoded names joined by a separator), for callers
// that keep no catalogue. The charset of an undeclared file is taken for UTF-8
// while the file is valid UTF-8: a byte that proves otherwise ends the walk with
// OtherCharset, and the caller reads the folders first (FolderCatalogue) instead.
class FolderPathWalk
{
public:
    enum class Step { Folder, Done, Failed, OtherCharset };

    FolderPathWalk(BookmarkScanner &scanner, const QString &path, QChar separator);

    // Passes the header and the root list's opening: the charset is then known,
    // for an undeclared file provisionally.
    [[nodiscard]] bool start();
    const TextCodec &codec() const { return m_codec; }
    // The next folder: its number and its path, valid until the next step.
    [[nodiscard]] Step next(qint32 &index, const QString *&path);
    // After Done: passes what follows the root list (copied through, if copying),
    // which has to be read before an undeclared charset is certain.
    [[nodiscard]] Step finish();
    const FileError &error() const { return m_error; }
    // After start(): calls `found` with each folder (and its path) that holds a
    // bookmark whose address is `address`, compared as AddressIndex::canonical
    // does: once per folder, in file order.
    void watchAddress(const QString &address, std::function<void(qint32 folder, const QString &path)> found);

private:
    Step fail(FileError error);

    BookmarkScanner &m_scanner;
    QString m_path;
    FolderWalker m_walker;
    CharsetProbe m_charset;
    TextCodec m_codec;
    DisplayPaths m_paths;
    FileError m_error;
};
