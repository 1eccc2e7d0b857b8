#include "TestSupport.h"

#include "bookmarks/BookmarkScanner.h"
#include "bookmarks/LineWriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QTemporaryFile>

namespace {

// What a scan sees, as a readable string: "open:Name", "open-nohead", "close", "eof".
// With `lineByLine`, every line is visited (as with copy-through); without, the
// scanner may skip lines that cannot hold a marker. Both must see the same.
QStringList events(const QByteArray &file, bool lineByLine = false)
{
    QBuffer in;
    in.setData(file);
    in.open(QIODevice::ReadOnly);
    BookmarkScanner scanner(&in);
    if (lineByLine)
        scanner.setLineInspector([](QByteArrayView) {});
    QStringList seen;
    for (;;) {
        const BookmarkScanner::ListEvent e = scanner.ReadToNextList();
        switch (e.kind) {
        case BookmarkScanner::Event::ListOpened:
            seen << (e.hasHeading ? QStringLiteral("open:") + QString::fromUtf8(e.name) : QStringLiteral("open-nohead"));
            break;
        case BookmarkScanner::Event::ListClosed:
            seen << QStringLiteral("close");
            break;
        case BookmarkScanner::Event::EndOfFile:
            seen << QStringLiteral("eof");
            return seen;
        case BookmarkScanner::Event::ReadError:
            seen << QStringLiteral("error");
            return seen;
        }
    }
}

// Copies a whole file through the scanner, as the rewrite does.
QByteArray copyThrough(const QByteArray &file, const QByteArray &eol)
{
    QBuffer in;
    in.setData(file);
    in.open(QIODevice::ReadOnly);
    QTemporaryFile out;
    if (!out.open())
        return {};
    {
        BookmarkScanner scanner(&in);
        LineWriter writer(&out, eol);
        scanner.setOutput(&writer);
        // Mix the two ways of reading, as the rewrite does.
        scanner.ReadToNextList();
        if (!scanner.copyRest() || !writer.flush())
            return {};
    }
    out.seek(0);
    return out.readAll();
}

// A device whose reads fail after the first block, like a disk that goes away.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(QByteArray first) : m_first(std::move(first)) { open(QIODevice::ReadOnly); }

protected:
    qint64 readData(char *data, qint64 max) override
    {
        if (m_first.isEmpty()) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        const qint64 n = std::min<qint64>(max, m_first.size());
        memcpy(data, m_first.constData(), size_t(n));
        m_first.remove(0, qsizetype(n));
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_first;
};

} // namespace

class TestScanner : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void markers_data();
    void markers();
    void copyThroughIsByteExact_data();
    void copyThroughIsByteExact();
    void crLfSplitAcrossBlocks();
    void failures_data();
    void failures();
};

void TestScanner::markers_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("header is consumed by the first call")
        << QByteArray("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n</DL><p>\n")
        << QStringList{"open-nohead", "close", "eof"};
    QTest::newRow("upper case with P tag, indented lower case, end tag with P")
        << QByteArray("<DL><p>\n<DT><H3>A</H3>\n      <dl><p>\n   </dl><p>   \n</DL><p>\n")
        << QStringList{"open-nohead", "open:A", "close", "close", "eof"};
    QTest::newRow("both markers on one line count as an opening")
        << QByteArray("<DL><p>\n<DT><H3>A</H3>\n<DL><p></DL><p>\n</DL>\n")
        << QStringList{"open-nohead", "open:A", "close", "eof"};
    QTest::newRow("heading with attributes yields only its text")
        << QByteArray("<DL><p>\n<DT><H3 FOLDED ADD_DATE=\"1\" LAST_MODIFIED=\"2\">News</H3>\n<DL><p>\n</DL>\n</DL>\n")
        << QStringList{"open-nohead", "open:News", "close", "close", "eof"};
    QTest::newRow("entity stays encoded")
        << QByteArray("<DL><p>\n<DT><H3>Tools &amp; Tips</H3>\n<DL><p>\n</DL>\n</DL>\n")
        << QStringList{"open-nohead", "open:Tools &amp; Tips", "close", "close", "eof"};
    QTest::newRow("description between heading and list")
        << QByteArray("<DL><p>\n<DT><H3>Work</H3>\n<DD>Things for work\n<DL><p>\n</DL>\n</DL>\n")
        << QStringList{"open-nohead", "open:Work", "close", "close", "eof"};
    QTest::newRow("heading followed by a closing line is forgotten")
        << QByteArray("<DL><p>\n<DT><H3>Lost</H3>\n</DL><p>\n") << QStringList{"open-nohead", "close", "eof"};
    QTest::newRow("empty heading is still a folder")
        << QByteArray("<DL><p>\n<DT><H3></H3>\n<DL><p>\n<DT><H3>Inner</H3>\n<DL><p>\n</DL>\n</DL>\n</DL>\n")
        << QStringList{"open-nohead", "open:", "open:Inner", "close", "close", "close", "eof"};
    QTest::newRow("heading without closing tag runs to the end of the line")
        << QByteArray("<DL><p>\n<DT><H3 FOLDED>Unclosed  \n<DL><p>\n</DL>\n</DL>\n")
        << QStringList{"open-nohead", "open:Unclosed", "close", "close", "eof"};
    QTest::newRow("heading tag never closed: empty name")
        << QByteArray("<DL><p>\n<DT><H3\n<DL><p>\n</DL>\n</DL>\n")
        << QStringList{"open-nohead", "open:", "close", "close", "eof"};
    QTest::newRow("closing tag before the name")
        << QByteArray("<DL><p>\n</H3><DT><H3>Odd\n<DL><p>\n</DL>\n</DL>\n")
        << QStringList{"open-nohead", "open:Odd", "close", "close", "eof"};
    QTest::newRow("bookmarks and separators are passed over")
        << QByteArray("<DL><p>\n<DT><A HREF=\"x\">dl h3 &lt;dl&gt;</A>\n<HR>\n\n</DL>\n")
        << QStringList{"open-nohead", "close", "eof"};
    QTest::newRow("lone CR terminators")
        << QByteArray("<DL><p>\r<DT><H3>Mac</H3>\r<DL><p>\r</DL>\r</DL>")
        << QStringList{"open-nohead", "open:Mac", "close", "close", "eof"};
    QTest::newRow("truncated inside a list") << QByteArray("<DL><p>\n<DT><H3>A</H3>\n<DL><p>\n")
                                             << QStringList{"open-nohead", "open:A", "eof"};
    QTest::newRow("not a bookmark file") << QByteArray("hello\nworld") << QStringList{"eof"};
    QTest::newRow("empty file") << QByteArray() << QStringList{"eof"};
    QTest::newRow("markers after a long run of bookmarks, CR LF")
        << QByteArray("<DL><p>\r\n") + QByteArray("<DT><A HREF=\"x\">y</A>\r\n").repeated(200000)
               + "<DT><H3>Z</H3>\r\n<DL><p>\r\n</DL><p>\r\n</DL><p>"
        << QStringList{"open-nohead", "open:Z", "close", "close", "eof"};
    QTest::newRow("marker split by the end of a block")
        << QByteArray("<DL><p>\n") + QByteArray(BookmarkScanner::BlockSize - 10, 'x') + "\n<DT><H3>Split</H3>\n<dL>\n</Dl>\n</DL>"
        << QStringList{"open-nohead", "open:Split", "close", "close", "eof"};
}

void TestScanner::markers()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    QCOMPARE(events(file), expected);
    QCOMPARE(events(file, true), expected);
}

void TestScanner::copyThroughIsByteExact_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("eol");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray body = "<DL><p>\r\n  <DT><A HREF=\"x\">  indented  </A>  \r\n</DL><p>\r\n";
    QTest::newRow("CRLF file is copied unchanged") << body << QByteArray("\r\n") << body;
    QTest::newRow("lone CR becomes CRLF") << QByteArray("<DL><p>\rA\r</DL>\r") << QByteArray("\r\n")
                                          << QByteArray("<DL><p>\r\nA\r\n</DL>\r\n");
    QTest::newRow("LF file stays LF") << QByteArray("<DL><p>\n\tA\n</DL>\n") << QByteArray("\n")
                                      << QByteArray("<DL><p>\n\tA\n</DL>\n");
    QTest::newRow("mixed terminators take the chosen one")
        << QByteArray("<DL><p>\nA\r\nB\rC\n</DL>") << QByteArray("\r\n")
        << QByteArray("<DL><p>\r\nA\r\nB\r\nC\r\n</DL>\r\n");
    QTest::newRow("last line gains a terminator") << QByteArray("<DL><p>\n</DL><p>") << QByteArray("\n")
                                                  << QByteArray("<DL><p>\n</DL><p>\n");
    QTest::newRow("blank lines are kept") << QByteArray("\n\n<DL><p>\n\n\n</DL>\n\n") << QByteArray("\n")
                                          << QByteArray("\n\n<DL><p>\n\n\n</DL>\n\n");
    const QByteArray binary = QByteArray("<DL><p>\n") + QByteArray("a\0b\xff\xfe\xc3(\x80", 9) + "\n</DL>\n";
    QTest::newRow("NUL and invalid UTF-8 bytes") << binary << QByteArray("\n") << binary;
    const QByteArray icon = QByteArray("<DL><p>\n<DT><A ICON=\"data:image/png;base64,")
        + QByteArray(3 * 1024 * 1024, 'Q') + "\">big</A>\n</DL>\n";
    QTest::newRow("line of several megabytes") << icon << QByteArray("\n") << icon;
}

void TestScanner::copyThroughIsByteExact()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, eol);
    QFETCH(QByteArray, expected);
    QCOMPARE(copyThrough(file, eol), expected);
}

void TestScanner::crLfSplitAcrossBlocks()
{
    // A CR LF whose CR ends one block of reading and whose LF starts the next is
    // one terminator, not a CR and an empty line.
    for (const qsizetype block : {BookmarkScanner::BlockSize, 2 * BookmarkScanner::BlockSize}) {
        QByteArray file = "<DL><p>\r\n";
        file += QByteArray(block - file.size() - 1, 'x');
        file += "\r\n</DL>\r\n";
        QCOMPARE(file.indexOf('\r', 10), block - 1);
        QCOMPARE(copyThrough(file, "\r\n"), file);
    }
}

void TestScanner::failures_data()
{
    QTest::addColumn<QByteArray>("firstBlock");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("read fails before the root list") << QByteArray("<TITLE>x</TITLE>\n") << QStringList{"error"};
    QTest::newRow("read fails inside a list") << QByteArray("<DL><p>\n<DT>") << QStringList{"open-nohead", "error"};
}

void TestScanner::failures()
{
    QFETCH(QByteArray, firstBlock);
    QFETCH(QStringList, expected);
    FailingDevice in(firstBlock);
    BookmarkScanner scanner(&in);
    QStringList seen;
    for (int i = 0; i < 5; ++i) {
        const auto e = scanner.ReadToNextList();
        if (e.kind == BookmarkScanner::Event::ReadError) {
            seen << QStringLiteral("error");
            break;
        }
        seen << (e.kind == BookmarkScanner::Event::ListOpened ? QStringLiteral("open-nohead") : QStringLiteral("other"));
    }
    QCOMPARE(seen, expected);
    QVERIFY(scanner.hasReadError());
    QVERIFY(!scanner.errorString().isEmpty());
}

LINKCRATE_TEST_MAIN(TestScanner, QCoreApplication)
#include "test_scanner.moc"
