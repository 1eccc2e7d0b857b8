#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>

class QIODevice;
class BlockWriter;

// Reads a bookmark file as bytes and moves from one list marker to the next: a
// list opening ("<dl" with or without attributes), a list closing ("</dl") and a
// folder heading ("<h3"). Markers are tags, found wherever they stand, several on
// a line or the whole file on one line. It never parses HTML and never decodes:
// with copy-through on, what it passes is written out byte for byte.
// Memory stays at one block whatever the file holds, however long its lines.
class BookmarkScanner
{
public:
    enum class Event {
        ListOpened,  // a folder's list (or the root list) opened
        ListClosed,  // the current list closed
        EndOfFile,   // no marker before the end
        ReadError,
    };

    struct ListEvent
    {
        Event kind = Event::EndOfFile;
        // The folder's raw heading text, which may be empty. It stays valid until the
        // scanner is next used.
        QByteArrayView name;
    };

    // Bytes read from the file at a time.
    static constexpr qsizetype BlockSize = 1024 * 1024;
    // A heading's text beyond this is not kept: no real folder name comes near it.
    static constexpr qsizetype MaxNameBytes = 64 * 1024;
    // A bookmark's HREF is looked for this far into its tag, and no longer.
    static constexpr qsizetype MaxAddressBytes = 64 * 1024;

    explicit BookmarkScanner(QIODevice *InFile);
    BookmarkScanner(const BookmarkScanner &) = delete;
    BookmarkScanner &operator=(const BookmarkScanner &) = delete;

    // Copy-through: with an output set, every byte passed is written to it (at
    // the latest when the next block is read, a line inserted or the rest copied).
    void setOutput(BlockWriter *OutFile) { m_out = OutFile; }
    // Sees every block as it is read from the file, each byte once: for the
    // charset of the file, or to keep a window responsive during a long scan.
    void setBlockCallback(std::function<void(QByteArrayView block)> callback) { m_onBlock = std::move(callback); }
    // Sees the raw HREF of every bookmark ("<a" tag) passed, with its offset in
    // the file. The text stays valid during the call only. With `endings`, only
    // the addresses whose last byte, white space around them and '/' at their
    // end left out, is one of those ('\0' for none left), as lastByte() finds it.
    void setAddressCallback(std::function<void(QByteArrayView href, qint64 offset)> callback,
                            QByteArray endings = {})
    {
        m_onAddress = std::move(callback);
        m_addressEndings = std::move(endings);
    }
    static char lastByte(QByteArrayView href);

    // Moves forward to the next list marker, past it, and says what it was. After
    // an opening, the scan stands after its tag and a "<p>" directly after it.
    ListEvent ReadToNextList();

    // Writes `entry` as a line of its own where the list that just opened begins:
    // after the rest of the opening line when only white space follows the tag,
    // else splitting the line right after the tag. The new line ends with the
    // terminator of the opening line (the file's first one when that line has
    // none, CR LF when the file has none). Needs copy-through. Writes nothing, and
    // says false, when the list's marker stands inside a bookmark's tag (in its
    // address, say): it is a list to every reader alike, but a line written
    // there would split that bookmark's attributes. That is judged on what the
    // buffer still holds: the tag's start must be within the last block read.
    [[nodiscard]] bool insertLine(QByteArrayView entry);
    // The same for several lines (a folder with its list, say), each indented as
    // the list's own entries are, plus `depths[i]` steps. A list opened on a line
    // shared with more gets its lines unindented, as its entries are.
    [[nodiscard]] bool insertLines(const QList<QByteArray> &lines, const QList<int> &depths);
    // Copies everything not yet passed to the output.
    [[nodiscard]] bool copyRest();

    // How many bytes of the file the scan has passed.
    qint64 offset() const { return m_passedBase + m_pos; }

    bool hasReadError() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }

private:
    bool fill();
    bool ensure(qsizetype bytes);
    void passOn();
    bool endsTagName(qsizetype at) const;
    bool markerAt(qsizetype at) const;
    void skipTag();
    void readHeadingName();
    bool listInsideTag() const;
    void readAddress();
    void reportAddress(qsizetype start, qsizetype end);
    QByteArray terminatorAhead();
    qsizetype blanksAhead();
    QByteArray indentAhead(QByteArray &step);
    void noteFirstTerminator(qsizetype from);

    QIODevice *m_in;
    BlockWriter *m_out = nullptr;
    std::function<void(QByteArrayView)> m_onBlock;
    std::function<void(QByteArrayView, qint64)> m_onAddress;
    QByteArray m_addressEndings;
    QByteArray m_buffer;
    qsizetype m_pos = 0;    // what is before has been scanned
    qsizetype m_copied = 0; // what is before has been passed to the output
    qsizetype m_end = 0;
    qint64 m_passedBase = 0; // the file offset of the buffer's first byte
    bool m_eof = false;
    QString m_error;
    QByteArray m_heading; // the last heading's text, kept until a list opens or closes
    QByteArray m_firstTerminator;
    bool m_pendingCr = false; // the file's first terminator is a CR; is an LF next?
    qint64 m_listTagAt = -1; // the file offset of the last list opening's tag
};
