#include "bookmarks/FolderPathWalk.h"

#include "bookmarks/BookmarkScanner.h"

FolderPathWalk::FolderPathWalk(BookmarkScanner &scanner, const QString &path, QChar separator)
    : m_scanner(scanner)
    , m_path(path)
    , m_walker(scanner, path)
    , m_paths(separator)
{
    m_scanner.setBlockCallback([this](QByteArrayView block) { m_charset.feed(block); });
}

FolderPathWalk::Step FolderPathWalk::fail(FileError error)
{
    m_error = std::move(error);
    return Step::Failed;
}

bool FolderPathWalk::start()
{
    if (!m_walker.start()) {
        fail(m_walker.error());
        return false;
    }
    m_charset.headerEnds(m_scanner.offset());
    m_codec = m_charset.codec();
    return true;
}

FolderPathWalk::Step FolderPathWalk::next(qint32 &index, const QString *&path)
{
    FolderWalker::Folder folder;
    const FolderWalker::Step step = m_walker.next(folder);
    if (m_charset.utf8RuledOut())
        return Step::OtherCharset;
    switch (step) {
    case FolderWalker::Step::Done:
        return Step::Done;
    case FolderWalker::Step::Failed:
        return fail(m_walker.error());
    case FolderWalker::Step::Folder:
        break;
    }
    index = folder.index;
    path = &m_paths.enter(folder.index, folder.parent, TextCodec::decodeEntities(m_codec.decode(folder.name)));
    return Step::Folder;
}

FolderPathWalk::Step FolderPathWalk::finish()
{
    if (!m_scanner.copyRest())
        return fail(FileError::io(QStringLiteral("read"), m_path, m_scanner.errorString()));
    return m_charset.codec() == m_codec ? Step::Done : Step::OtherCharset;
}
