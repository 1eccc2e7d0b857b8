#pragma once

#include "bookmarks/AddressIndex.h"
#include "bookmarks/FileAccess.h"
#include "bookmarks/FileError.h"
#include "bookmarks/TextCodec.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The folders of one bookmark file, numbered in the order their lists open
// (pre-order). Each folder keeps its parent and its own raw name, as it stands in
// the file; a path is the names from the top level down joined by "\". The root
// list is folder -1, path "".
class FolderCatalogue
{
public:
    static constexpr qint32 Root = -1;
    static constexpr char Separator = '\\';

    // Reads the whole file once. On failure the catalogue is left as it was.
    // With `noteAddresses`, where each bookmark's address stands is noted too.
    [[nodiscard]] FileError read(const QString &BookmarkFile, bool noteAddresses = false);

    qint32 FolderCount = 0;

    // The folder's raw path, names joined by "\".
    QByteArray FolderPaths(qint32 index) const;
    // The folder's own raw name and its parent's index (Root for a top-level folder).
    QByteArrayView rawName(qint32 index) const
    {
        return QByteArrayView(m_names).sliced(m_folders[index].nameStart, m_folders[index].nameSize);
    }
    qint32 parent(qint32 index) const { return m_folders[index].parent; }
    // The name as a person reads it: decoded in the file's charset, references resolved.
    QString displayName(qint32 index) const;
    // The path as a person reads it, names joined by `separator`.
    QString displayPath(qint32 index, QChar separator) const;

    const QString &fileName() const { return m_fileName; }
    const FileIdentity &identity() const { return m_identity; }
    const TextCodec &codec() const { return m_codec; }
    // The folders (Root for the root list) that hold `address` already, each
    // once, in file order. The addresses are noted by a read of their own the
    // first time they are asked for (noting them costs start-up a third of its
    // time), and again after an addition, which moves them.
    QList<qint32> foldersHolding(const QString &address) const;

    // After a rewrite that made folders named `rawNames` at the top of `parent`'s
    // list, each inside the one before: they are numbered as a new read numbers
    // them, right after their parent, and the folders after them move up.
    void adoptNewFolders(qint32 parent, const QList<QByteArray> &rawNames);
    // After a successful rewrite, the new file is the one we know.
    void adoptRewrite(const FileIdentity &identity)
    {
        m_identity = identity;
        m_addressesStale = true;
    }

private:
    struct Folder
    {
        qint32 parent;
        qsizetype nameStart; // in m_names
        qsizetype nameSize;
    };

    QList<Folder> m_folders;
    QByteArray m_names; // every folder's name, one after another
    QString m_fileName;
    FileIdentity m_identity;
    TextCodec m_codec;
    mutable AddressIndex m_addresses;
    mutable bool m_addressesStale = true;
};
