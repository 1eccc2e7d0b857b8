#include "TestSupport.h"

#include "bookmarks/BlockWriter.h"
#include "bookmarks/BookmarkInserter.h"
#include "bookmarks/BookmarkScanner.h"
#include "bookmarks/FolderCatalogue.h"
#include "platform/mdlFileRoutines.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

// Every fsync of the process, noted by the name of the file it reached.
static QStringList synced;
extern "C" int fsync(int fd)
{
    synced << QFileInfo(QStringLiteral("/proc/self/fd/%1").arg(fd)).symLinkTarget();
    return int(::syscall(SYS_fsync, fd));
}

class TestEngine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void folders_data();
    void folders();
    void blockEdges_data();
    void blockEdges();
    void golden_data();
    void golden();
    void entryLine_data();
    void entryLine();
    void refused_data();
    void refused();
    void failuresLeaveTheFileAlone_data();
    void failuresLeaveTheFileAlone();
    void whatSurroundsTheFileIsKept_data();
    void whatSurroundsTheFileIsKept();
    void alreadyBookmarked_data();
    void alreadyBookmarked();
    void alreadyBookmarkedAcrossTheWindow();
    void shortWrites_data();
    void shortWrites();

private:
    QString copyIn(const QString &fixtureName);
    QString write(const QByteArray &bytes);
    QTemporaryDir *m_dir = nullptr;
};

void TestEngine::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    QDir(trashDir()).removeRecursively();
}

void TestEngine::cleanup()
{
    delete m_dir;
    m_dir = nullptr;
    mdlFileRoutines::setNoLinksForTests(false);
}

// An empty path, which no read takes, when the file cannot be written.
QString TestEngine::write(const QByteArray &bytes)
{
    const QString path = m_dir->filePath(QStringLiteral("bookmarks.html"));
    return writeFile(path, bytes) ? path : QString();
}

QString TestEngine::copyIn(const QString &fixtureName)
{
    return write(readBytes(fixtureName.startsWith(u'/') ? fixtureName : fixture(fixtureName)));
}

void TestEngine::folders_data()
{
    QTest::addColumn<QByteArray>("file"); // a fixture's name, or the file itself
    QTest::addColumn<QString>("expected"); // "parent:path" per folder, numbered in file order

    QTest::newRow("file order, not display order")
        << QByteArray("<DL><p>\n<DT><H3>A</H3>\n<DL><p>\n<DT><H3>C</H3>\n<DL><p>\n</DL><p>\n</DL><p>\n"
                      "<DT><H3>B</H3>\n<DL><p>\n</DL><p>\n</DL><p>\n")
        << "-1:A 0:A/C -1:B";
    QTest::newRow("whole file on one line, empty folder, attributes on the list tag")
        << QByteArray("oneline.html") << "-1:Empty -1:Compact";
    QTest::newRow("heading forgotten at a closing; list without heading; empty name")
        << QByteArray("<DL><p><DT><H3>A</H3><DL><p><DT><H3>lost</H3></DL><DL><p></DL><DT><H3></H3><DL></DL></DL>")
        << "-1:A -1: -1:";
    QTest::newRow("heading rules: no closing tag, description, not-quite markers")
        << QByteArray("<DL><p>\n<DT><H3 FOLDED>Open name  \n<DD>about <dlx> <h30>\n<DL><p>\n</DL>\n</DL>")
        << "-1:Open name";
    QTest::newRow("Netscape: CR LF, descriptions") << QByteArray("netscape-crlf.html")
                                                    << "-1:Personal Toolbar Folder -1:Work 1:Work/Projects -1:Travel";
    QTest::newRow("Firefox: entities decoded for display")
        << QByteArray("firefox-lf.html")
        << "-1:Tools & Tips 0:Tools & Tips/<Code> \"snippets\" 'n' été -1:Bookmarks Toolbar -1:Other Bookmarks "
           "3:Other Bookmarks/Straße";
    QTest::newRow("Chrome: names differing in case")
        << QByteArray("chrome.html") << "-1:Bookmarks bar 0:Bookmarks bar/news 0:Bookmarks bar/News -1:Other bookmarks";
    QTest::newRow("Windows-1252, undeclared") << QByteArray("cp1252.html") << "-1:Café €uro";
    QTest::newRow("declared Windows-1252 wins over valid UTF-8")
        << QByteArray("<meta charset=windows-1252><DL><p><DT><H3>Caf\xc3\xa9</H3><DL></DL></DL>") << "-1:CafÃ©";
    // A limit on nesting that counted folders instead of depth would refuse this.
    QByteArray scale = "<DL><p>\n" + QByteArray("<DT><H3>w</H3><DL><p></DL>\n").repeated(3000);
    QStringList rows(3000, QStringLiteral("-1:w"));
    for (QString path = QStringLiteral("d"); rows.size() < 4000; path += QStringLiteral("/d"))
        rows << QStringLiteral("%1:%2").arg(rows.size() == 3000 ? -1 : rows.size() - 1).arg(path);
    scale += QByteArray("<DT><H3>d</H3><DL><p>").repeated(1000) + QByteArray("</DL>").repeated(1001);
    QTest::newRow("3000 folders beside, 1000 deep") << scale << rows.join(u' ');
}

static QString folderRows(const FolderCatalogue &catalogue)
{
    QStringList rows;
    for (qint32 i = 0; i < catalogue.FolderCount; ++i)
        rows << QStringLiteral("%1:%2").arg(catalogue.parent(i)).arg(catalogue.displayPath(i, u'/'));
    return rows.join(u' ');
}

void TestEngine::folders()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    const QString path = file.endsWith(".html") ? fixture(QString::fromUtf8(file)) : write(file);
    FolderCatalogue catalogue;
    const FileError error = catalogue.read(path);
    QVERIFY2(!error.failed(), qPrintable(error.message()));
    QCOMPARE(folderRows(catalogue), expected);
}

void TestEngine::blockEdges_data()
{
    QTest::addColumn<QByteArray>("piece");
    QTest::addColumn<int>("shift");
    QTest::addColumn<QString>("expected"); // folders as above, then "|" and the folders holding edge.example
    // Each piece's '@' lands at every offset from where a vector loop leaves the
    // end of the first read to the byte loop, to past that end. The padding goes in
    // at '|' (else at '@'); '^' is where a bookmark added to the first folder goes.
    const char *const pieces[][3] = {
        {"list opening", "<DL><p><DT><H3>A</H3>\n|@<dL><p>\n^</DL>\n</DL>\n", "-1:A|"},
        {"<p> after a list opening", "<DL><p><DT><H3>A</H3>\n|<DL>@<p>\n^</DL>\n</DL>\n", "-1:A|"},
        {"list closing", "<DL><p><DT><H3>A</H3><DL><p>\n|@</dL>\n<DT><H3>B</H3><DL><p></DL>\n</DL>\n", "-1:A -1:B|"},
        {"the file's last closing", "<DL><p><DT><H3>A</H3><DL><p>\n^</DL>\n|@</DL>", "-1:A|"},
        {"heading", "<DL><p>\n|@<h3>Across</H3>\n<DL><p>\n^</DL>\n</DL>\n", "-1:Across|"},
        {"heading's name", "<DL><p>\n|<h3>Acr@oss</H3>\n<DL><p>\n</DL>\n</DL>\n", "-1:Across|"},
        {"heading's end", "<DL><p>\n|<h3>Across@</h3>\n<DL><p>\n</DL>\n</DL>\n", "-1:Across|"},
        {"bookmark", "<DL><p><DT><H3>A</H3><DL><p>\n|<DT>@<A HREF=\"http://edge.example/\">e</A>\n</DL>\n</DL>\n", "-1:A|0"},
        {"bookmark's address", "<DL><p><DT><H3>A</H3><DL><p>\n|<DT><A HREF=\"http://edge.@example/\">e</A>\n</DL>\n</DL>\n",
         "-1:A|0"},
        {"UTF-8 character", "<DL><p><DT><H3>\xc3\xa9</H3><DL><p></DL>\n|@\xe2\x82\xac \n</DL>\n", "-1:é|"},
        {"4-byte UTF-8 character at the file's end", "<DL><p><DT><H3>\xc3\xa9</H3><DL><p></DL></DL>\n|@\xf0\x9f\x98\x80",
         "-1:é|"},
        {"UTF-8 character cut by the file's end", "<DL><p><DT><H3>\xc3\xa9</H3><DL><p></DL></DL>\n|@\xe2\x82", "-1:Ã©|"},
    };
    for (const auto &piece : pieces) {
        for (int shift = -34; shift <= 3; ++shift)
            QTest::addRow("%s at %+d", piece[0], shift) << QByteArray(piece[1]) << shift << QString::fromUtf8(piece[2]);
    }
}

void TestEngine::blockEdges()
{
    QFETCH(QByteArray, piece);
    QFETCH(int, shift);
    QFETCH(QString, expected);
    const auto take = [&piece](char mark) {
        const qsizetype at = piece.indexOf(mark);
        if (at >= 0)
            piece.remove(at, 1);
        return at;
    };
    qsizetype padAt = take('|');
    qsizetype at = take('@');
    padAt = padAt < 0 ? at : padAt;
    const qsizetype added = take('^');
    if (added >= 0 && added < padAt)
        --padAt, --at;
    const qsizetype pad = BookmarkScanner::BlockSize + shift - at;
    piece.insert(padAt, QByteArray(pad, ' '));
    const QString path = write(piece);
    FolderCatalogue catalogue;
    const FileError error = catalogue.read(path);
    QVERIFY2(!error.failed(), qPrintable(error.message()));
    QStringList holders;
    for (const qint32 folder : catalogue.foldersHolding(QStringLiteral("http://edge.example/")))
        holders << QString::number(folder);
    QCOMPARE(folderRows(catalogue) + u'|' + holders.join(u' '), expected);
    if (added >= 0) {
        QVERIFY(!BookmarkInserter::insert(catalogue, 0, QStringLiteral("u"), QStringLiteral("t")).failed());
        QCOMPARE(readBytes(path), piece.insert(added > padAt ? added + pad : added, "<DT><A HREF=\"u\">t</A>\n"));
    }
}

void TestEngine::golden_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("folder");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("text"); // new folders on the way, then the link text, joined by "/"
    QTest::addColumn<QString>("expected");

    QTest::newRow("root list, CRLF") << "netscape-crlf.html" << -1 << "https://linkcrate.example/" << "New link"
                                     << "netscape-crlf.root.expected.html";
    QTest::newRow("deep folder, CRLF") << "netscape-crlf.html" << 2 << "https://linkcrate.example/deep"
                                       << "Deep link" << "netscape-crlf.projects.expected.html";
    QTest::newRow("empty deep folder, LF") << "firefox-lf.html" << 1 << "https://linkcrate.example/empty"
                                           << "Into the empty folder" << "firefox-lf.code.expected.html";
    QTest::newRow("last folder, UTF-8, no final line break")
        << "firefox-lf.html" << 4 << "https://linkcrate.example/last" << "Letzter Ordner – Straße"
        << "firefox-lf.last.expected.html";
    QTest::newRow("empty top-level folder at the end") << "chrome.html" << 3 << "https://linkcrate.example/other"
                                                       << "Other" << "chrome.other.expected.html";
    QTest::newRow("the one of two names differing in case")
        << "chrome.html" << 2 << "https://linkcrate.example/News" << "Capital News" << "chrome.News.expected.html";
    QTest::newRow("Windows-1252, with a character it cannot hold")
        << "cp1252.html" << 0 << "http://cafe.example/menu" << "Crème brûlée € 漢" << "cp1252.cafe.expected.html";
    QTest::newRow("root list opened on a bookmark's line: split") << "bom-oneline.html" << -1
                                                                  << "https://linkcrate.example/" << "New link"
                                                                  << "bom-oneline.root.expected.html";
    QTest::newRow("folder list opened on a bookmark's line: split") << "bom-oneline.html" << 0
                                                                    << "https://linkcrate.example/alpha"
                                                                    << "Alpha first" << "bom-oneline.alpha.expected.html";
    QTest::newRow("whole file on one line, root") << "oneline.html" << -1 << "https://linkcrate.example/"
                                                  << "New link" << "oneline.root.expected.html";
    QTest::newRow("whole file on one line, empty folder") << "oneline.html" << 0 << "https://linkcrate.example/empty"
                                                          << "Into empty" << "oneline.empty.expected.html";
    QTest::newRow("whole file on one line, <DL COMPACT>") << "oneline.html" << 1
                                                          << "https://linkcrate.example/compact" << "Compact"
                                                          << "oneline.compact.expected.html";
    QTest::newRow("mixed terminators, CR line") << "mixed-eol.html" << -1 << "https://linkcrate.example/" << "Root"
                                                << "mixed-eol.root.expected.html";
    QTest::newRow("mixed terminators, LF line") << "mixed-eol.html" << 0 << "https://linkcrate.example/mac"
                                                << "Mac" << "mixed-eol.mac.expected.html";
    QTest::newRow("Shift_JIS declared, references for what it cannot hold")
        << "shift_jis.html" << 0 << "https://linkcrate.example/jp" << "表と漢字 한 ¥" << "shift_jis.nihon.expected.html";
    QTest::newRow("CR only") << "cr-only.html" << 0 << "https://linkcrate.example/classic" << "Classic"
                             << "cr-only.classic.expected.html";
    QTest::newRow("new folder in an empty folder, markup in its name, LF") << "firefox-lf.html" << 1 << "https://r.example/"
        << "R&D <\"x\"> &amp;/A long read" << "firefox-lf.new-in-code.expected.html";
    QTest::newRow("new folders in new folders at the top, CRLF, indented as the neighbours")
        << "netscape-crlf.html" << -1 << "https://r.example/" << "Reading/Articles/A long read"
        << "netscape-crlf.new-chain.expected.html";
    QTest::newRow("new folder in Windows-1252, with a character it cannot hold")
        << "cp1252.html" << 0 << "https://r.example/" << "Crème 漢/Lu" << "cp1252.new-folder.expected.html";
    QTest::newRow("new folder in a list opened on a shared line: split, unindented")
        << "oneline.html" << 0 << "https://r.example/" << "A/B/Flat" << "oneline.new-chain.expected.html";
}

void TestEngine::golden()
{
    QFETCH(QString, input);
    QFETCH(int, folder);
    QFETCH(QString, url);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QStringList names = text.split(u'/');
    text = names.takeLast();
    const QString path = copyIn(input);
    const QByteArray before = readBytes(path);
    FolderCatalogue catalogue;
    QVERIFY(!catalogue.read(path).failed());
    synced.clear();
    const FileError error = BookmarkInserter::insert(catalogue, folder, url, text, {}, nullptr, nullptr, names);
    QVERIFY2(!error.failed(), qPrintable(error.message()));
    QCOMPARE(readBytes(path), readBytes(fixture(expected)));
    // New folders read back as named, and numbered as a new read numbers them.
    FolderCatalogue again;
    QVERIFY(!again.read(path).failed());
    const auto folders = [](const FolderCatalogue &c) {
        QStringList rows;
        for (qint32 i = 0; i < c.FolderCount; ++i)
            rows << QStringLiteral("%1:%2").arg(c.parent(i)).arg(c.displayPath(i, u'/'));
        return rows;
    };
    QCOMPARE(folders(catalogue), folders(again));
    if (!names.isEmpty())
        QCOMPARE(again.displayName(folder + qint32(names.size())), names.constLast());
    QCOMPARE(entries(m_dir->path()), QStringList{"bookmarks.html"});
    // The new version reached the disk before it took the file's place, and the
    // old one is in the trash, whole, with a record a file manager can restore.
    QCOMPARE(synced.value(0), path + QStringLiteral(".tmp"));
    const QStringList trashed = entries(trashDir() + QStringLiteral("/files"));
    QCOMPARE(trashed.size(), 1);
    QCOMPARE(readBytes(trashDir() + QStringLiteral("/files/") + trashed.first()), before);
    const QString record = trashDir() + QStringLiteral("/info/") + trashed.first() + QStringLiteral(".trashinfo");
    QVERIFY2(readBytes(record).contains("\nPath=" + QUrl::toPercentEncoding(path, "/") + "\n"), readBytes(record).constData());
    // A second addition follows the first without a new read. Where the trash
    // cannot take a link, the old version leaves its name: its record and the
    // record's name reach the disk first.
    mdlFileRoutines::setNoLinksForTests(true);
    synced.clear();
    QVERIFY(!BookmarkInserter::insert(catalogue, folder, url, text).failed());
    const QString info = trashDir() + QStringLiteral("/info");
    QVERIFY2(synced.filter(info + QStringLiteral("/")).size() == 1 && synced.contains(info), qPrintable(synced.join(u' ')));
}

void TestEngine::entryLine_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("quote, angle brackets, line breaks in the address")
        << "http://e.x/\"><script>\r\n\t" << "t" << QByteArray("<DT><A HREF=\"http://e.x/%22%3E%3Cscript%3E%0D%0A%09\">t</A>");
    QTest::newRow("references in the address survive a browser's import")
        << "http://e.x/?a=1&b=2&amp;&copy" << "t"
        << QByteArray("<DT><A HREF=\"http://e.x/?a=1&amp;b=2&amp;amp;&amp;copy\">t</A>");
}

void TestEngine::entryLine()
{
    QFETCH(QString, url);
    QFETCH(QString, text);
    QFETCH(QByteArray, line);
    QCOMPARE(BookmarkInserter::bookmarkLine(TextCodec(TextCodec::Kind::Utf8), url, text), line);
}

void TestEngine::refused_data()
{
    QTest::addColumn<QByteArray>("content"); // the file, or a special path after "@"
    QTest::addColumn<QString>("words");
    const QByteArray deep = "<DL><p>" + QByteArray("<DT><H3>d</H3><DL><p>").repeated(1001);
    QTest::newRow("truncated inside a folder") << QByteArray("<DL><p>\n<DT><H3>A</H3>\n<DL><p>\n</DL>\n")
                                               << "not a complete bookmark file: it ends inside a list";
    QTest::newRow("empty file") << QByteArray() << "is not a bookmark file (it has no list of bookmarks).";
    QTest::newRow("1001 nested lists") << deep << "nests folders more than 1000 deep";
    QTest::newRow("50 MB without a line break") << "<DL><p>" + QByteArray(50 << 20, 'a') << "not a complete";
    QTest::newRow("a named pipe") << QByteArray("@fifo") << "is a named pipe, not a bookmark file.";
    QTest::newRow("a device") << QByteArray("@/dev/zero") << "is a device, not a bookmark file.";
    QTest::newRow("a folder") << QByteArray("@folder") << "is a folder, not a bookmark file.";
}

void TestEngine::refused()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, words);
    QString path = m_dir->filePath(QStringLiteral("bookmarks.html"));
    if (content == "@fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (content == "@folder")
        QVERIFY(QDir().mkdir(path));
    else if (content.startsWith('@'))
        path = QString::fromUtf8(content.mid(1));
    else
        write(content);
    FolderCatalogue catalogue;
    const FileError error = catalogue.read(path);
    QVERIFY2(error.message().contains(words), qPrintable(error.message()));
    QVERIFY2(error.message().contains(path), qPrintable(error.message()));
    QCOMPARE(catalogue.FolderCount, 0);
    QVERIFY(entries(m_dir->path()).size() <= 1);
}

void TestEngine::failuresLeaveTheFileAlone_data()
{
    QTest::addColumn<QString>("injection");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("words");
    QTest::newRow("disk full during the copy") << "full" << int(FileError::Kind::Io) << "Could not write";
    QTest::newRow("file rewritten by another program") << "changed" << int(FileError::Kind::Changed)
                                                        << "changed since it was read";
    QTest::newRow("rewritten within the same second") << "nanoseconds" << int(FileError::Kind::Changed)
                                                      << "modification time";
    QTest::newRow("replaced while it was copied") << "during" << int(FileError::Kind::Changed)
                                                  << "written while the bookmark was added";
    QTest::newRow("file truncated, same size and time") << "truncated" << int(FileError::Kind::Incomplete)
                                                        << "not a complete bookmark file";
    QTest::newRow("folders renamed, same size and time") << "renamed" << int(FileError::Kind::Changed)
                                                         << "changed since it was read";
    QTest::newRow("file deleted") << "deleted" << int(FileError::Kind::Io) << "Could not open";
    QTest::newRow("folder number out of range") << "bad-index" << int(FileError::Kind::Changed) << "no folder";
    QTest::newRow("made read-only by its owner") << "read-only" << int(FileError::Kind::ReadOnly) << "is read-only";
    QTest::newRow("ISO-2022-JP declared") << "iso-2022-jp" << int(FileError::Kind::Unusable) << "set ISO-2022-JP, in";
    QTest::newRow("address beyond the check's reach") << "long" << int(FileError::Kind::Refused) << "takes 70000 bytes";
    QTest::newRow("new folders 1000 deep") << "deep" << int(FileError::Kind::Unusable) << "more than 1000 deep";
}

void TestEngine::failuresLeaveTheFileAlone()
{
    QFETCH(QString, injection);
    QFETCH(int, kind);
    QFETCH(QString, words);
    // Large enough to be copied in several blocks.
    QByteArray content = readBytes(fixture(QStringLiteral("netscape-crlf.html")));
    content.insert(content.indexOf("</DL>"), QByteArray(3 << 20, ' '));
    if (injection == QLatin1String("iso-2022-jp"))
        content.prepend("<META CHARSET=\"ISO-2022-JP\">\n");
    const QString path = write(content);
    FolderCatalogue catalogue;
    QVERIFY(!catalogue.read(path).failed());
    qint32 folder = 2;
    std::function<void()> keepAlive;
    QByteArray theirs;
    QStringList names = injection == QLatin1String("deep") ? QStringList(999, QStringLiteral("d")) : QStringList();
    if (injection.startsWith(QLatin1String("name:")))
        names = QStringList{QStringLiteral("ok"), injection.mid(5)};

    // Rewrites the file in place keeping its size and modification time (or only
    // its second), so that only the content tells.
    const auto sameSizeAndTime = [&](QByteArray changed, long nanoseconds) -> bool {
        struct stat st {};
        HELPER_COMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        HELPER_VERIFY(writeFile(path, changed));
        struct timespec times[2] = {st.st_atim, st.st_mtim};
        times[1].tv_nsec = nanoseconds < 0 ? times[1].tv_nsec : (times[1].tv_nsec + nanoseconds) % 1000000000;
        HELPER_COMPARE(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
        return true;
    };
    struct rlimit oldLimit {};
    ::getrlimit(RLIMIT_FSIZE, &oldLimit);
    if (injection == QLatin1String("full")) {
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = oldLimit;
        limit.rlim_cur = rlim_t(content.size() / 2);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    } else if (injection == QLatin1String("changed")) {
        QVERIFY(writeFile(path, readBytes(path) + "<!-- another program was here -->\r\n"));
    } else if (injection == QLatin1String("nanoseconds")) {
        QVERIFY(sameSizeAndTime(readBytes(path).replace("Netscape</A>", "Mozilla!</A>"), 1));
    } else if (injection == QLatin1String("during")) {
        theirs = content + "<!-- theirs -->";
        keepAlive = [&] {
            if (!QFileInfo::exists(path + QStringLiteral(".theirs"))) {
                QVERIFY(writeFile(path + QStringLiteral(".theirs"), theirs));
                QCOMPARE(::rename(QFile::encodeName(path + QStringLiteral(".theirs")).constData(),
                                  QFile::encodeName(path).constData()),
                         0);
            }
        };
    } else if (injection == QLatin1String("truncated")) {
        QByteArray cut = readBytes(path);
        cut = cut.left(cut.indexOf("<DT><H3 ADD_DATE=\"939000011\">"));
        QVERIFY(sameSizeAndTime(cut.leftJustified(readBytes(path).size(), ' '), -1));
    } else if (injection == QLatin1String("renamed")) {
        QVERIFY(sameSizeAndTime(readBytes(path).replace("Projects", "Projekte"), -1));
    } else if (injection == QLatin1String("deleted")) {
        QVERIFY(QFile::remove(path));
    } else if (injection == QLatin1String("bad-index")) {
        folder = 99;
    } else if (injection == QLatin1String("read-only")) {
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    }
    const QByteArray before = theirs.isEmpty() ? readBytes(path) : theirs;
    const QStringList filesBefore = entries(m_dir->path());

    const QString url = injection == QLatin1String("long") ? QString(70000, u'a') : QStringLiteral("u");
    const FileError error = BookmarkInserter::insert(catalogue, folder, url, QStringLiteral("t"), keepAlive, nullptr,
                                                     nullptr, names);
    ::setrlimit(RLIMIT_FSIZE, &oldLimit);

    QCOMPARE(int(error.kind), kind);
    QVERIFY2(error.message().contains(words), qPrintable(error.message()));
    QVERIFY2(error.message().contains(QStringLiteral("bookmarks.html")), qPrintable(error.message()));
    QCOMPARE(readBytes(path), before);
    QCOMPARE(entries(m_dir->path()), filesBefore);
}

void TestEngine::whatSurroundsTheFileIsKept_data()
{
    QTest::addColumn<QString>("setting");
    QTest::newRow("mode 0664 under umask 022") << "0664";
    QTest::newRow("a symbolic link stays a link") << "link";
    QTest::newRow("a link in the temporary file's place is not written through") << "tmp-link";
}

void TestEngine::whatSurroundsTheFileIsKept()
{
    QFETCH(QString, setting);
    const QString path = copyIn(QStringLiteral("chrome.html"));
    QString target = path;
    const QString elsewhere = m_dir->filePath(QStringLiteral("elsewhere.txt"));
    const mode_t oldMask = ::umask(022);
    if (setting == QLatin1String("link")) {
        target = m_dir->filePath(QStringLiteral("real.html"));
        QVERIFY(QFile::rename(path, target));
        QVERIFY(QFile::link(QStringLiteral("real.html"), path));
    } else if (setting == QLatin1String("tmp-link")) {
        QVERIFY(writeFile(elsewhere, "precious"));
        QVERIFY(QFile::link(elsewhere, path + QStringLiteral(".tmp")));
    } else {
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(setting.toUInt(nullptr, 8))), 0);
    }
    const QStringList before = entries(m_dir->path());
    FolderCatalogue catalogue;
    QVERIFY(!catalogue.read(path).failed());
    const FileError error = BookmarkInserter::insert(catalogue, 3, QStringLiteral("https://linkcrate.example/other"),
                                                     QStringLiteral("Other"));
    ::umask(oldMask);
    QVERIFY2(!error.failed(), qPrintable(error.message()));
    QCOMPARE(readBytes(target), readBytes(fixture(QStringLiteral("chrome.other.expected.html"))));
    struct stat st {};
    QCOMPARE(::lstat(QFile::encodeName(path).constData(), &st), 0);
    if (setting.startsWith(u'0'))
        QCOMPARE(st.st_mode & 07777, mode_t(setting.toUInt(nullptr, 8)));
    if (setting == QLatin1String("link"))
        QVERIFY(S_ISLNK(st.st_mode));
    if (setting == QLatin1String("tmp-link")) {
        QCOMPARE(readBytes(elsewhere), QByteArray("precious"));
        QVERIFY(!QFileInfo::exists(path + QStringLiteral(".tmp")));
    } else {
        QCOMPARE(entries(m_dir->path()), before);
    }
}

void TestEngine::alreadyBookmarked_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QList<qint32>>("folders");
    QTest::newRow("references in the file") << "https://example.org/?a=1&b=2" << QList<qint32>{0};
    QTest::newRow("a path differing in case") << "https://news.example/NEWS" << QList<qint32>{};
}

void TestEngine::alreadyBookmarked()
{
    QFETCH(QString, address);
    QFETCH(QList<qint32>, folders);
    FolderCatalogue catalogue;
    QVERIFY(!catalogue.read(copyIn(QStringLiteral("firefox-lf.html"))).failed());
    QCOMPARE(catalogue.foldersHolding(address), folders);
    // An addition moves the addresses after it: they are still found, the new one too.
    QVERIFY(!BookmarkInserter::insert(catalogue, 1, address, QStringLiteral("again")).failed());
    QVERIFY(catalogue.foldersHolding(address).contains(1));
    QCOMPARE(catalogue.foldersHolding(address).size(), folders.size() + 1);
}

// Two copies of an address, the second across the end of the window of the file
// that the check reads for the first; one folder holding it twice is named once.
void TestEngine::alreadyBookmarkedAcrossTheWindow()
{
    const QByteArray entry = "<DT><A HREF=\"https://far.example/\">x</A>\n";
    QByteArray file = "<DL><p>\n<DT><H3>A</H3>\n<DL><p>\n" + entry + entry + "</DL><p>\n<DT><H3>B</H3>\n<DL><p>\n";
    const qsizetype first = file.indexOf("https://far");
    file += QByteArray(first + 256 * 1024 - 5 - file.size() - 13, ' ') + entry + "</DL><p>\n</DL><p>\n";
    QCOMPARE(file.indexOf("https://far", file.size() - 100), first + 256 * 1024 - 5);
    FolderCatalogue catalogue;
    QVERIFY(!catalogue.read(write(file)).failed());
    QCOMPARE(catalogue.foldersHolding(QStringLiteral("https://far.example/")), (QList<qint32>{0, 1}));
}

// A device that takes only part of a write, as a pipe or a network file system may.
class ShortWrites : public QBuffer
{
public:
    QList<qint64> limits; // the most each write takes, in turn; the last one stays
protected:
    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 most = limits.size() > 1 ? limits.takeFirst() : limits.value(0, size);
        return most <= 0 ? most : QBuffer::writeData(data, std::min(size, most));
    }
};

void TestEngine::shortWrites_data()
{
    QTest::addColumn<QList<qint64>>("limits");
    QTest::addColumn<bool>("written");
    QTest::newRow("half, then all") << QList<qint64>{300000, 1 << 30} << true;
    QTest::newRow("never anything") << QList<qint64>{0} << false;
    QTest::newRow("an error after a part") << QList<qint64>{1000, -1} << false;
}

void TestEngine::shortWrites()
{
    QFETCH(QList<qint64>, limits);
    QFETCH(bool, written);
    ShortWrites device;
    device.limits = limits;
    QVERIFY(device.open(QIODevice::WriteOnly));
    QByteArray bytes(3 << 20, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7 / 5);
    BlockWriter writer(&device);
    writer.write(QByteArrayView(bytes).first(600000));
    writer.write(QByteArrayView(bytes).sliced(600000, 2 << 20)); // more than the buffer: straight out
    writer.write(QByteArrayView(bytes).sliced(600000 + (2 << 20)));
    QCOMPARE(writer.flush(), written);
    QCOMPARE(writer.failed() ? QByteArray() : device.data(), written ? bytes : QByteArray());
}

LINKCRATE_TEST_MAIN(TestEngine, QCoreApplication)
#include "test_engine.moc"
