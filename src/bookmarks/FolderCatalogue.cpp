#include "bookmarks/FolderCatalogue.h"

#include "bookmarks/BookmarkScanner.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

bool FileIdentity::read(const QString &path, FileIdentity &identity, QString &reason)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    identity.size = qint64(st.st_size);
    identity.mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    identity.inode = quint64(st.st_ino);
    identity.device = quint64(st.st_dev);
    return true;
}

QByteArray FolderCatalogue::eolFor(int terminator)
{
    // Files written on Linux end their lines with LF alone; keep that style.
    // Everything else gets CR LF, as the file format has always had.
    return BookmarkScanner::Terminator(terminator) == BookmarkScanner::Terminator::Lf ? QByteArrayLiteral("\n")
                                                                                       : QByteArrayLiteral("\r\n");
}

FileError FolderCatalogue::read(const QString &BookmarkFile)
{
    QFile InFile(BookmarkFile);
    FileIdentity identity;
    QString reason;
    if (!FileIdentity::read(BookmarkFile, identity, reason))
        return FileError::io(QStringLiteral("open"), BookmarkFile, reason);
    if (!InFile.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return FileError::io(QStringLiteral("open"), BookmarkFile, InFile.errorString());

    BookmarkScanner scanner(&InFile);
    // The charset: the one the header declares; else UTF-8 if every byte of the
    // file is valid UTF-8; else Windows-1252.
    bool inHeader = true;
    QByteArray declared;
    bool validUtf8 = true;
    scanner.setLineInspector([&](QByteArrayView line) {
        if (inHeader && declared.isEmpty())
            declared = TextCodec::declaredCharset(line);
        if (declared.isEmpty() && validUtf8)
            validUtf8 = line.isValidUtf8();
    });

    FolderCatalogue fresh;
    const BookmarkScanner::ListEvent first = scanner.ReadToNextList();
    inHeader = false;
    // With a charset declared, no later line needs looking at.
    if (!declared.isEmpty())
        scanner.setLineInspector({});
    bool complete = first.kind == BookmarkScanner::Event::ListOpened;
    if (complete)
        fresh.AddFolders(scanner, complete);
    if (scanner.hasReadError())
        return FileError::io(QStringLiteral("read"), BookmarkFile, scanner.errorString());
    if (!complete)
        return FileError::incomplete(BookmarkFile);

    fresh.m_fileName = BookmarkFile;
    fresh.m_identity = identity;
    fresh.m_codec = !declared.isEmpty() ? TextCodec::forLabel(declared)
                                        : TextCodec(validUtf8 ? TextCodec::Kind::Utf8 : TextCodec::Kind::Windows1252);
    fresh.m_eol = eolFor(int(scanner.firstTerminator()));
    *this = std::move(fresh);
    return {};
}

void FolderCatalogue::AddFolders(BookmarkScanner &scanner, bool &complete)
{
    // Walks the lists below the root with a stack of open folders rather than by
    // recursion, so that a deeply nested (or hostile) file cannot exhaust the stack.
    QList<qint32> open;
    qint32 current = Root;
    for (;;) {
        const BookmarkScanner::ListEvent event = scanner.ReadToNextList();
        switch (event.kind) {
        case BookmarkScanner::Event::ListOpened: {
            const qint32 index = FolderCount++;
            // One allocation per folder: its own name is the tail of its path.
            const QByteArrayView parentPath = current == Root ? QByteArrayView() : QByteArrayView(FolderPaths[current]);
            const qsizetype nameStart = current == Root ? 0 : parentPath.size() + 1;
            QByteArray path(nameStart + event.name.size(), Qt::Uninitialized);
            if (current != Root) {
                std::memcpy(path.data(), parentPath.data(), size_t(parentPath.size()));
                path[parentPath.size()] = Separator;
            }
            if (!event.name.isEmpty())
                std::memcpy(path.data() + nameStart, event.name.data(), size_t(event.name.size()));
            FolderPaths.append(std::move(path));
            m_folders.append({current, nameStart});
            open.append(current);
            current = index;
            break;
        }
        case BookmarkScanner::Event::ListClosed:
            if (open.isEmpty())
                return; // the root list has closed
            current = open.takeLast();
            break;
        case BookmarkScanner::Event::EndOfFile:
        case BookmarkScanner::Event::ReadError:
            complete = false;
            return;
        }
    }
}

QString FolderCatalogue::displayName(qint32 index) const
{
    return TextCodec::decodeEntities(m_codec.decode(rawName(index)));
}

QString FolderCatalogue::displayPath(qint32 index, QChar separator) const
{
    QString path = displayName(index);
    for (qint32 p = parent(index); p != Root; p = parent(p))
        path = displayName(p) + separator + path;
    return path;
}
