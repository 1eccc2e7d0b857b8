#include "TestSupport.h"

#include "bookmarks/FolderCatalogue.h"

#include <QCoreApplication>
#include <QTemporaryDir>

namespace {

// "index parent path" per folder: the catalogue as a table.
QStringList table(const FolderCatalogue &c)
{
    QStringList rows;
    for (qint32 i = 0; i < c.FolderCount; ++i)
        rows << QStringLiteral("%1 %2 %3").arg(i).arg(c.parent(i)).arg(QString::fromUtf8(c.FolderPaths[i]));
    return rows;
}

QStringList displayPaths(const FolderCatalogue &c)
{
    QStringList rows;
    for (qint32 i = 0; i < c.FolderCount; ++i)
        rows << c.displayPath(i, QLatin1Char('/'));
    return rows;
}

QByteArray wrap(const QByteArray &lists)
{
    return "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n" + lists
        + "</DL><p>\n";
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }
    void numbering_data();
    void numbering();
    void realWorldShapes_data();
    void realWorldShapes();
    void charset_data();
    void charset();
    void largeFile();
    void errors_data();
    void errors();
    void failedReadKeepsThePreviousCatalogue();

private:
    QString write(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("bookmarks-%1.html").arg(++m_files));
        writeBytes(path, bytes);
        return path;
    }
    QTemporaryDir m_dir;
    int m_files = 0;
};

void TestCatalogue::numbering_data()
{
    QTest::addColumn<QByteArray>("lists");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("no folders") << QByteArray("<DT><A HREF=\"x\">x</A>\n") << QStringList{};
    QTest::newRow("file order, not display order")
        << QByteArray("<DT><H3>A</H3>\n<DL><p>\n<DT><H3>C</H3>\n<DL><p>\n</DL><p>\n</DL><p>\n<DT><H3>B</H3>\n<DL><p>\n</DL><p>\n")
        << QStringList{"0 -1 A", "1 0 A\\C", "2 -1 B"};
    QTest::newRow("same names in different places")
        << QByteArray("<DT><H3>X</H3>\n<DL><p>\n<DT><H3>B</H3>\n<DL><p>\n</DL>\n</DL>\n<DT><H3>B</H3>\n<DL><p>\n</DL>\n"
                      "<DT><H3>S</H3>\n<DL><p>\n</DL>\n<DT><H3>S</H3>\n<DL><p>\n</DL>\n")
        << QStringList{"0 -1 X", "1 0 X\\B", "2 -1 B", "3 -1 S", "4 -1 S"};
    QTest::newRow("names differing in case are separate")
        << QByteArray("<DT><H3>news</H3>\n<DL><p>\n</DL>\n<DT><H3>News</H3>\n<DL><p>\n</DL>\n")
        << QStringList{"0 -1 news", "1 -1 News"};
    QTest::newRow("empty folders")
        << QByteArray("<DT><H3>E</H3>\n<DL><p>\n</DL><p>\n<DT><H3>F</H3>\n<DL><p>\n</DL><p>\n")
        << QStringList{"0 -1 E", "1 -1 F"};
    QTest::newRow("empty-named folder keeps the rest of its level")
        << QByteArray("<DT><H3></H3>\n<DL><p>\n<DT><H3>In</H3>\n<DL><p>\n</DL>\n</DL>\n<DT><H3>After</H3>\n<DL><p>\n</DL>\n")
        << QStringList{"0 -1 ", "1 0 \\In", "2 -1 After"};
    QTest::newRow("deep nesting")
        << QByteArray("<DT><H3>1</H3>\n<DL><p>\n<DT><H3>2</H3>\n<DL><p>\n<DT><H3>3</H3>\n<DL><p>\n</DL>\n</DL>\n</DL>\n")
        << QStringList{"0 -1 1", "1 0 1\\2", "2 1 1\\2\\3"};
}

void TestCatalogue::numbering()
{
    QFETCH(QByteArray, lists);
    QFETCH(QStringList, expected);
    FolderCatalogue catalogue;
    const FileError error = catalogue.read(write(wrap(lists)));
    QVERIFY2(!error.failed(), qPrintable(error.message()));
    QCOMPARE(table(catalogue), expected);
    QCOMPARE(catalogue.FolderCount, qint32(expected.size()));
}

void TestCatalogue::realWorldShapes_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QByteArray>("eol");

    QTest::newRow("Netscape: CRLF, descriptions, separators")
        << "netscape-crlf.html"
        << QStringList{"Personal Toolbar Folder", "Work", "Work/Projects", "Travel"} << QByteArray("\r\n");
    QTest::newRow("Firefox: LF, entities, two-line meta, last DL without P")
        << "firefox-lf.html"
        << QStringList{"Tools & Tips", "Tools & Tips/<Code> \"snippets\" 'n' été", "Bookmarks Toolbar",
                       "Other Bookmarks", "Other Bookmarks/Straße"}
        << QByteArray("\n");
    QTest::newRow("Chrome: toolbar folder, names differing in case")
        << "chrome.html"
        << QStringList{"Bookmarks bar", "Bookmarks bar/news", "Bookmarks bar/News", "Other bookmarks"}
        << QByteArray("\n");
    QTest::newRow("BOM, FOLDED, lists opened on the entry's line")
        << "bom-oneline.html" << QStringList{"Alpha", "Beta"} << QByteArray("\n");
    QTest::newRow("Windows-1252 without a declared charset")
        << "cp1252.html" << QStringList{QString::fromUtf8("Café €uro")} << QByteArray("\r\n");
    QTest::newRow("the shipped example") << LINKCRATE_EXAMPLES "/bookmarks.html"
                                         << QStringList{"Bookmarks Toolbar", "Cooking", "Cooking/Bread & Baking",
                                                        "Cooking/Crêpes et galettes", "Reading", "Reading/Articles",
                                                        "Reading/Papers"}
                                         << QByteArray("\n");
}

void TestCatalogue::realWorldShapes()
{
    QFETCH(QString, file);
    QFETCH(QStringList, expected);
    QFETCH(QByteArray, eol);
    FolderCatalogue catalogue;
    const FileError error = catalogue.read(file.startsWith(QLatin1Char('/')) ? file : fixture(file));
    QVERIFY2(!error.failed(), qPrintable(error.message()));
    QCOMPARE(displayPaths(catalogue), expected);
    QCOMPARE(catalogue.eol(), eol);
}

void TestCatalogue::charset_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("valid UTF-8, nothing declared") << QByteArray() << QByteArray("Caf\xc3\xa9") << "Café";
    QTest::newRow("invalid UTF-8, nothing declared") << QByteArray() << QByteArray("Caf\xe9 \x93q\x94") << "Café “q”";
    QTest::newRow("declared Windows-1252 wins over valid UTF-8")
        << QByteArray("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">\n")
        << QByteArray("Caf\xc3\xa9") << "CafÃ©";
    QTest::newRow("declared UTF-8") << QByteArray("<meta charset=\"utf-8\">\n") << QByteArray("\xe2\x82\xac") << "€";
    QTest::newRow("numeric references decoded for display")
        << QByteArray() << QByteArray("&#8364;&#x41;&amp;&bogus;&") << "€A&&bogus;&";
}

void TestCatalogue::charset()
{
    QFETCH(QByteArray, header);
    QFETCH(QByteArray, name);
    QFETCH(QString, shown);
    FolderCatalogue catalogue;
    const QByteArray file = header + "<DL><p>\n<DT><H3>" + name + "</H3>\n<DL><p>\n</DL>\n</DL>\n";
    QVERIFY(!catalogue.read(write(file)).failed());
    QCOMPARE(catalogue.FolderPaths.value(0), name);
    QCOMPARE(catalogue.displayName(0), shown);
}

void TestCatalogue::largeFile()
{
    // Thousands of folders, ten deep, with bookmarks between them.
    QByteArray lists;
    QStringList expected;
    int made = 0;
    for (int top = 0; top < 400; ++top) {
        QByteArray path;
        for (int depth = 0; depth < 10; ++depth) {
            const QByteArray name = "F" + QByteArray::number(top) + "." + QByteArray::number(depth);
            lists += QByteArray(size_t(depth) * 4, ' ') + "<DT><H3 ADD_DATE=\"1\">" + name + "</H3>\n";
            lists += QByteArray(size_t(depth) * 4, ' ') + "<DL><p>\n<DT><A HREF=\"https://e.x/\">b</A>\n";
            path = path.isEmpty() ? name : path + '\\' + name;
            expected << QString::fromUtf8(path);
            ++made;
        }
        for (int depth = 0; depth < 10; ++depth)
            lists += "</DL><p>\n";
    }
    FolderCatalogue catalogue;
    QVERIFY(!catalogue.read(write(wrap(lists))).failed());
    QCOMPARE(catalogue.FolderCount, made);
    QStringList paths;
    for (const QByteArray &p : catalogue.FolderPaths)
        paths << QString::fromUtf8(p);
    QCOMPARE(paths, expected);
    QCOMPARE(catalogue.parent(made - 1), made - 2);
}

void TestCatalogue::errors_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: use `kind` instead
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("errorKind");
    QTest::addColumn<QString>("words");

    const int incomplete = int(FileError::Kind::Incomplete);
    const int io = int(FileError::Kind::Io);
    QTest::newRow("truncated inside a folder")
        << QByteArray("<DL><p>\n<DT><H3>A</H3>\n<DL><p>\n<DT><A HREF=\"x\">x</A>\n") << "file" << incomplete
        << "not a complete bookmark file";
    QTest::newRow("root list never closed") << QByteArray("<DL><p>\n") << "file" << incomplete
                                            << "not a complete bookmark file";
    QTest::newRow("not a bookmark file") << QByteArray("just some text\n") << "file" << incomplete
                                         << "not a complete bookmark file";
    QTest::newRow("empty file") << QByteArray() << "file" << incomplete << "not a complete bookmark file";
    QTest::newRow("a folder") << QByteArray() << "folder" << io << "Could not open";
    QTest::newRow("missing") << QByteArray() << "missing" << io << "Could not open";
}

void TestCatalogue::errors()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, kind);
    QFETCH(int, errorKind);
    QFETCH(QString, words);
    QString path = m_dir.filePath(QStringLiteral("odd-%1").arg(++m_files));
    if (kind == QLatin1String("file"))
        writeBytes(path, content);
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));
    FolderCatalogue catalogue;
    const FileError error = catalogue.read(path);
    QCOMPARE(int(error.kind), errorKind);
    QVERIFY2(error.message().contains(words), qPrintable(error.message()));
    QVERIFY2(error.message().contains(path), qPrintable(error.message()));
}

void TestCatalogue::failedReadKeepsThePreviousCatalogue()
{
    FolderCatalogue catalogue;
    const QString good = write(wrap("<DT><H3>Kept</H3>\n<DL><p>\n</DL>\n"));
    QVERIFY(!catalogue.read(good).failed());
    QVERIFY(catalogue.read(write("<DL><p>\n<DT><H3>Half</H3>\n<DL><p>\n")).failed());
    QCOMPARE(catalogue.fileName(), good);
    QCOMPARE(table(catalogue), QStringList{"0 -1 Kept"});
}

LINKCRATE_TEST_MAIN(TestCatalogue, QCoreApplication)
#include "test_catalogue.moc"
