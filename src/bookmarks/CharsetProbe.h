#pragma once

#include "bookmarks/TextCodec.h"

#include <QByteArray>
#include <QByteArrayView>

// Finds a bookmark file's charset while the file is read a block at a time: the
// one its header declares; else UTF-8 when every byte of the file is valid UTF-8;
// else Windows-1252. For an undeclared file the answer is known only at the end,
// but a byte that is not UTF-8 rules UTF-8 out as soon as it is read.
class CharsetProbe
{
public:
    // Every block of the file, in order, each byte once.
    void feed(QByteArrayView block);
    // The first `headerSize` bytes were the header (all that precedes the root list).
    void headerEnds(qint64 headerSize);

    bool declared() const { return !m_declared.isEmpty(); }
    // An undeclared file has shown a byte that is not UTF-8: it will be Windows-1252.
    bool utf8RuledOut() const { return !declared() && !m_utf8Valid; }
    // The charset, once the whole file has been fed.
    TextCodec codec() const;

private:
    void checkUtf8(QByteArrayView block);

    QByteArray m_head; // the start of the file, where the header declares its charset
    QByteArray m_declared;
    bool m_headerPassed = false;
    QByteArray m_carry; // a UTF-8 sequence cut by the end of a block
    bool m_utf8Valid = true;
};
