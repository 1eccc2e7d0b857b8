#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// Where each bookmark's address stands in a bookmark file, noted while the
// folders are read and kept small: a hash of the address's canonical form, its
// folder, and where its text is in the file, so that a match is checked against
// the real text before anything is said.
class AddressIndex
{
public:
    // The form addresses are compared in: character references decoded (file
    // text only), scheme and host in lower case, the scheme's default port left
    // out, and an empty path written "/".
    static void canonical(QByteArrayView address, bool fromFile, QByteArray &out);

    void add(QByteArrayView href, qint64 offset, qint32 folder);

    // The folders (-1 for the root list) that hold `address`, each once, in file
    // order, as read again from `file`.
    QList<qint32> foldersOf(QByteArrayView address, const QString &file) const;

private:
    struct Entry
    {
        quint64 hash;
        qint64 offset;
        qint32 length;
        qint32 folder;
    };

    QList<Entry> m_entries;
    QByteArray m_scratch;
};
