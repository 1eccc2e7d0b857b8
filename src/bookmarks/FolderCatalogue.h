#pragma once

#include "bookmarks/FileError.h"
#include "bookmarks/TextCodec.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class BookmarkScanner;

// What identifies one version of the bookmark file on disk: if any of this
// differs, another program has rewritten the file since we read it.
struct FileIdentity
{
    qint64 size = -1;
    qint64 mtimeNs = 0;
    quint64 inode = 0;
    quint64 device = 0;

    static bool read(const QString &path, FileIdentity &identity, QString &reason);
    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;
};

// The folders of one bookmark file, numbered in the order their lists open
// (pre-order), with the path of each: the names from the top level down, raw as
// they stand in the file, joined by "\". The root list is folder -1, path "".
class FolderCatalogue
{
public:
    static constexpr qint32 Root = -1;
    static constexpr char Separator = '\\';

    // Reads the whole file once. On failure the catalogue is left as it was.
    [[nodiscard]] FileError read(const QString &BookmarkFile);

    QList<QByteArray> FolderPaths;
    qint32 FolderCount = 0;

    // The folder's own raw name and its parent's index (Root for a top-level folder).
    QByteArrayView rawName(qint32 index) const { return QByteArrayView(FolderPaths[index]).sliced(m_folders[index].nameStart); }
    qint32 parent(qint32 index) const { return m_folders[index].parent; }
    // The name as a person reads it: decoded in the file's charset, references resolved.
    QString displayName(qint32 index) const;
    // The path as a person reads it, names joined by `separator`.
    QString displayPath(qint32 index, QChar separator) const;

    const QString &fileName() const { return m_fileName; }
    const FileIdentity &identity() const { return m_identity; }
    const TextCodec &codec() const { return m_codec; }
    // The terminator the file uses, which the rewrite keeps.
    const QByteArray &eol() const { return m_eol; }

    // After a successful rewrite, the new file is the one we know.
    void adoptRewrite(const FileIdentity &identity) { m_identity = identity; }

    static QByteArray eolFor(int terminator);

private:
    struct Folder
    {
        qint32 parent;
        qsizetype nameStart; // where its own name begins in its path
    };

    void AddFolders(BookmarkScanner &scanner, bool &complete);

    QList<Folder> m_folders;
    QString m_fileName;
    FileIdentity m_identity;
    TextCodec m_codec;
    QByteArray m_eol = QByteArrayLiteral("\r\n");
};
