#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>

class QIODevice;
class LineWriter;

// Reads a bookmark file line by line, as bytes, and moves from one list marker to
// the next. It never parses HTML and never decodes a line: what it copies through
// to the output is the input's bytes, with only the line terminator rewritten.
class BookmarkScanner
{
public:
    enum class Terminator { None, CrLf, Cr, Lf };

    enum class Event {
        ListOpened,  // a "<dl>" line: a folder's list (or the root list) opened
        ListClosed,  // a "</dl>" line: the current list closed
        EndOfFile,   // no marker before the end: the file is incomplete
        ReadError,
    };

    struct ListEvent
    {
        Event kind = Event::EndOfFile;
        // The folder's raw heading text, which may be empty. It stays valid until the
        // scanner is next used.
        QByteArrayView name;
        bool hasHeading = false; // false for a list that no heading introduced
    };

    // Sees every line the scanner reads, before it is interpreted.
    using LineInspector = std::function<void(QByteArrayView line)>;

    // Bytes read from the file at a time.
    static constexpr qsizetype BlockSize = 1024 * 1024;

    explicit BookmarkScanner(QIODevice *InFile);
    BookmarkScanner(const BookmarkScanner &) = delete;
    BookmarkScanner &operator=(const BookmarkScanner &) = delete;

    // Copy-through: with an output set, every line read is written to it.
    void setOutput(LineWriter *OutFile) { m_out = OutFile; }
    void setLineInspector(LineInspector inspector) { m_inspector = std::move(inspector); }
    // Called each time a block is read from the file, so that a caller can keep
    // a window responsive during a long scan.
    void setBlockCallback(std::function<void()> callback) { m_onBlock = std::move(callback); }

    // Moves forward to the next line that opens or closes a list.
    ListEvent ReadToNextList();

    // Reads one line; false at the end of the file or on a read error.
    bool readLine(QByteArrayView &line, Terminator &terminator);
    // Copies every remaining line to the output.
    [[nodiscard]] bool copyRest();

    bool hasReadError() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    // The terminator of the file's first line, once it has been read.
    Terminator firstTerminator() const { return m_firstTerminator; }

    // Which markers a line holds, matched ignoring ASCII case, anywhere in it.
    struct LineMarks
    {
        bool heading = false; // "<h3"
        bool opens = false;   // "<dl>"
        bool closes = false;  // "</dl>"
    };
    static LineMarks lineMarks(QByteArrayView line);
    // The raw text of the heading on a line that holds "<h3", within the line.
    static QByteArrayView headingName(QByteArrayView line);

private:
    bool fill();
    template<bool WithEols>
    void scanAhead();
    void setFastMode(bool fast);
    qsizetype findEolFrom(qsizetype from) const;
    ListEvent nextListFast();
    void skipTo(qsizetype limit);
    qsizetype nextEol();
    LineMarks currentLineMarks(QByteArrayView line) const;
    // Applies a line's markers to the scan's result; true when the scan ends there.
    bool endsScan(const LineMarks &marks, QByteArrayView line, ListEvent &result);

    QIODevice *m_in;
    LineWriter *m_out = nullptr;
    LineInspector m_inspector;
    std::function<void()> m_onBlock;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    qsizetype m_end = 0;
    qsizetype m_lineStart = 0;
    // Scanning runs ahead of the lines: up to m_scanned, the buffer positions of
    // every CR and LF, and of every '<' that may start a marker, not yet consumed
    // from their heads.
    qsizetype m_scanned = 0;
    QList<qsizetype> m_eols;
    qsizetype m_eolHead = 0;
    QList<qsizetype> m_tags;
    qsizetype m_tagHead = 0;
    qsizetype m_lineTagBegin = 0;
    qsizetype m_lineTagEnd = 0;
    bool m_fast = false; // lines without a possible marker are skipped unseen
    qsizetype m_cleanFrom = 0; // [m_pos, m_cleanFrom) holds no CR or LF
    bool m_eof = false;
    bool m_firstLine = true;
    Terminator m_firstTerminator = Terminator::None;
    QString m_error;
    QByteArray m_heading; // the last heading's text, kept across the lines that follow it
};
