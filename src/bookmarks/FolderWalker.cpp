#include "bookmarks/FolderWalker.h"

#include "bookmarks/BookmarkScanner.h"

#include <QCoreApplication>

FolderWalker::FolderWalker(BookmarkScanner &scanner, const QString &path)
    : m_scanner(scanner)
    , m_path(path)
{
}

FolderWalker::Step FolderWalker::fail(FileError error)
{
    m_error = std::move(error);
    return Step::Failed;
}

bool FolderWalker::start()
{
    // A list that closes before any opened is stray markup: pass it.
    for (;;) {
        const BookmarkScanner::ListEvent event = m_scanner.ReadToNextList();
        switch (event.kind) {
        case BookmarkScanner::Event::ListOpened:
            return true;
        case BookmarkScanner::Event::ListClosed:
            continue;
        case BookmarkScanner::Event::EndOfFile:
            //: Follows the file's name.
            fail(FileError::unusable(m_path, QCoreApplication::translate("FolderWalker", "is not a bookmark file (it has no list of bookmarks).")));
            return false;
        case BookmarkScanner::Event::ReadError:
            fail(FileError::io(QStringLiteral("read"), m_path, m_scanner.errorString()));
            return false;
        }
    }
}

FolderWalker::Step FolderWalker::next(Folder &folder)
{
    for (;;) {
        const BookmarkScanner::ListEvent event = m_scanner.ReadToNextList();
        switch (event.kind) {
        case BookmarkScanner::Event::ListOpened:
            if (m_open.size() >= MaxDepth)
                return fail(FileError::unusable(
                    m_path, QCoreApplication::translate("FolderWalker", "nests folders more than %1 deep, which Linkcrate does not follow.")
                                .arg(MaxDepth)));
            folder = {m_count++, m_current, event.name};
            m_open.append(m_current);
            m_current = folder.index;
            return Step::Folder;
        case BookmarkScanner::Event::ListClosed:
            if (m_open.isEmpty())
                return Step::Done; // the root list has closed
            m_current = m_open.takeLast();
            continue;
        case BookmarkScanner::Event::EndOfFile:
            return fail(FileError::incomplete(m_path));
        case BookmarkScanner::Event::ReadError:
            return fail(FileError::io(QStringLiteral("read"), m_path, m_scanner.errorString()));
        }
    }
}
