#pragma once

#include "bookmarks/FileError.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

class BookmarkScanner;

// Walks the folders of a bookmark file in the order their lists open, which is
// how folders are numbered: the N-th list opened after the root's is folder N-1,
// and its parent is the folder whose list is open around it. The catalogue and
// the insertion both number folders through this one walk.
class FolderWalker
{
public:
    static constexpr qint32 Root = -1;
    // Browsers' files never come near this; a file that goes deeper is refused
    // rather than followed (its folders would not fit on any screen either).
    static constexpr qsizetype MaxDepth = 1000;

    struct Folder
    {
        qint32 index = Root;
        qint32 parent = Root;
        QByteArrayView name; // raw, valid until the walk moves on
    };
    enum class Step { Folder, Done, Failed };

    FolderWalker(BookmarkScanner &scanner, const QString &path);

    // Passes the header and the root list's opening; false when the file has
    // no list of bookmarks at all (see error()).
    [[nodiscard]] bool start();
    // The next folder; Done when the root list closes.
    [[nodiscard]] Step next(Folder &folder);
    const FileError &error() const { return m_error; }
    // The folder whose list the walk is in (Root for the root list).
    qint32 current() const { return m_current; }

private:
    Step fail(FileError error);

    BookmarkScanner &m_scanner;
    QString m_path;
    QList<qint32> m_open; // the folders around the current one, outermost first
    qint32 m_current = Root;
    qint32 m_count = 0;
    FileError m_error;
};
