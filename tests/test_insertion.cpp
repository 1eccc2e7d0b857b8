#include "TestSupport.h"

#include "bookmarks/BookmarkInserter.h"
#include "bookmarks/FolderCatalogue.h"
#include "platform/mdlFileRoutines.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class TestInsertion : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void golden_data();
    void golden();
    void sameNamedFoldersGetTheSelectedOne_data();
    void sameNamedFoldersGetTheSelectedOne();
    void lineIsAlwaysOneWellFormedLine_data();
    void lineIsAlwaysOneWellFormedLine();
    void lastLineGainsTerminator();
    void oldVersionGoesToTheTrash();
    void secondAdditionIsNotRefused();
    void failuresLeaveTheFileAlone_data();
    void failuresLeaveTheFileAlone();
    void symbolicLinkStaysALink();
    void permissionsAreKept();
    void temporaryLinkIsNotWrittenThrough();
    void keepAliveIsCalledOnLongFiles();

private:
    QString copyIn(const QString &fixtureName);
    QTemporaryDir *m_dir = nullptr;
};

QString TestInsertion::copyIn(const QString &fixtureName)
{
    const QString path = m_dir->filePath(QStringLiteral("bookmarks.html"));
    writeBytes(path, readBytes(fixture(fixtureName)));
    return path;
}

void TestInsertion::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    QDir(trashDir()).removeRecursively();
}

void TestInsertion::cleanup()
{
    delete m_dir;
    m_dir = nullptr;
}

void TestInsertion::golden_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("folder");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("root list, CRLF") << "netscape-crlf.html" << -1 << "https://linkcrate.example/" << "New link"
                                     << "netscape-crlf.root.expected.html";
    QTest::newRow("deep folder, CRLF") << "netscape-crlf.html" << 2 << "https://linkcrate.example/deep"
                                       << "Deep link" << "netscape-crlf.projects.expected.html";
    QTest::newRow("empty deep folder, LF") << "firefox-lf.html" << 1 << "https://linkcrate.example/empty"
                                           << "Into the empty folder" << "firefox-lf.code.expected.html";
    QTest::newRow("last folder of the file, UTF-8")
        << "firefox-lf.html" << 4 << "https://linkcrate.example/last" << "Letzter Ordner – Straße"
        << "firefox-lf.last.expected.html";
    QTest::newRow("empty top-level folder at the end") << "chrome.html" << 3 << "https://linkcrate.example/other"
                                                       << "Other" << "chrome.other.expected.html";
    QTest::newRow("the one of two names differing in case")
        << "chrome.html" << 2 << "https://linkcrate.example/News" << "Capital News" << "chrome.News.expected.html";
    QTest::newRow("Windows-1252, with a character it cannot hold")
        << "cp1252.html" << 0 << "http://cafe.example/menu" << "Crème brûlée € 漢" << "cp1252.cafe.expected.html";
    QTest::newRow("root list opened on a bookmark's line") << "bom-oneline.html" << -1
                                                           << "https://linkcrate.example/root" << "Root"
                                                           << "bom-oneline.root.expected.html";
    QTest::newRow("folder list opened on a bookmark's line") << "bom-oneline.html" << 0
                                                             << "https://linkcrate.example/alpha" << "Alpha link"
                                                             << "bom-oneline.alpha.expected.html";
}

void TestInsertion::golden()
{
    QFETCH(QString, input);
    QFETCH(int, folder);
    QFETCH(QString, url);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QString path = copyIn(input);
    FolderCatalogue catalogue;
    QVERIFY(!catalogue.read(path).failed());
    const FileError error = BookmarkInserter::insert(catalogue, folder, url, text);
    QVERIFY2(!error.failed(), qPrintable(error.message()));
    QCOMPARE(readBytes(path), readBytes(fixture(expected)));
    QCOMPARE(entries(m_dir->path()), QStringList{"bookmarks.html"});
}

void TestInsertion::sameNamedFoldersGetTheSelectedOne_data()
{
    QTest::addColumn<QByteArray>("lists");
    QTest::addColumn<int>("folder");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("top-level B after X\\B")
        << QByteArray("<DT><H3>X</H3>\n<DL><p>\n<DT><H3>B</H3>\n<DL><p>\n</DL>\n</DL>\n<DT><H3>B</H3>\n<DL><p>\n</DL>\n")
        << 2
        << QByteArray("<DT><H3>X</H3>\n<DL><p>\n<DT><H3>B</H3>\n<DL><p>\n</DL>\n</DL>\n<DT><H3>B</H3>\n<DL><p>\nNEW\n</DL>\n");
    QTest::newRow("second of two siblings S")
        << QByteArray("<DT><H3>S</H3>\n<DL><p>\n</DL>\n<DT><H3>S</H3>\n<DL><p>\n</DL>\n") << 1
        << QByteArray("<DT><H3>S</H3>\n<DL><p>\n</DL>\n<DT><H3>S</H3>\n<DL><p>\nNEW\n</DL>\n");
    QTest::newRow("A's own C after A\\B\\C")
        << QByteArray("<DT><H3>A</H3>\n<DL><p>\n<DT><H3>B</H3>\n<DL><p>\n<DT><H3>C</H3>\n<DL><p>\n</DL>\n</DL>\n"
                      "<DT><H3>C</H3>\n<DL><p>\n</DL>\n</DL>\n")
        << 3
        << QByteArray("<DT><H3>A</H3>\n<DL><p>\n<DT><H3>B</H3>\n<DL><p>\n<DT><H3>C</H3>\n<DL><p>\n</DL>\n</DL>\n"
                      "<DT><H3>C</H3>\n<DL><p>\nNEW\n</DL>\n</DL>\n");
    QTest::newRow("after an empty-named folder")
        << QByteArray("<DT><H3></H3>\n<DL><p>\n</DL>\n<DT><H3>Z</H3>\n<DL><p>\n</DL>\n") << 1
        << QByteArray("<DT><H3></H3>\n<DL><p>\n</DL>\n<DT><H3>Z</H3>\n<DL><p>\nNEW\n</DL>\n");
}

void TestInsertion::sameNamedFoldersGetTheSelectedOne()
{
    QFETCH(QByteArray, lists);
    QFETCH(int, folder);
    QFETCH(QByteArray, expected);
    const QByteArray head = "<TITLE>t</TITLE>\n<DL><p>\n";
    const QString path = m_dir->filePath(QStringLiteral("same.html"));
    writeBytes(path, head + lists + "</DL>\n");
    FolderCatalogue catalogue;
    QVERIFY(!catalogue.read(path).failed());
    QVERIFY(!BookmarkInserter::insert(catalogue, folder, QStringLiteral("u"), QStringLiteral("t")).failed());
    QByteArray want = head + expected + "</DL>\n";
    want.replace("NEW", "<DT><A HREF=\"u\">t</A>");
    QCOMPARE(readBytes(path), want);
}

void TestInsertion::lineIsAlwaysOneWellFormedLine_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("quote and angle brackets in the address")
        << "http://e.x/?q=\"a\"<b>" << "t" << QByteArray("<DT><A HREF=\"http://e.x/?q=%22a%22%3Cb%3E\">t</A>");
    QTest::newRow("line breaks and tab in the address")
        << "http://e.x/a\r\nb\tc" << "t" << QByteArray("<DT><A HREF=\"http://e.x/a%0D%0Ab%09c\">t</A>");
    QTest::newRow("control characters in the text become spaces")
        << "u" << "one\ntwo\rthree\tfour" << QByteArray("<DT><A HREF=\"u\">one two three four</A>");
    QTest::newRow("markup in the text from a caller that did not check it")
        << "u" << "<dl> & </A>" << QByteArray("<DT><A HREF=\"u\">&lt;dl&gt; &amp; &lt;/A&gt;</A>");
    QTest::newRow("ampersand in the address is kept") << "http://e.x/?a=1&b=2" << "t"
                                                      << QByteArray("<DT><A HREF=\"http://e.x/?a=1&b=2\">t</A>");
    QTest::newRow("long address is never cut")
        << "http://e.x/" + QString(5000, u'a') << "t"
        << "<DT><A HREF=\"http://e.x/" + QByteArray(5000, 'a') + "\">t</A>";
}

void TestInsertion::lineIsAlwaysOneWellFormedLine()
{
    QFETCH(QString, url);
    QFETCH(QString, text);
    QFETCH(QByteArray, line);
    const QString path = m_dir->filePath(QStringLiteral("b.html"));
    writeBytes(path, "<DL><p>\n<DT><H3>F</H3>\n<DL><p>\n</DL>\n</DL>\n");
    FolderCatalogue catalogue;
    QVERIFY(!catalogue.read(path).failed());
    QVERIFY(!BookmarkInserter::insert(catalogue, 0, url, text).failed());
    QCOMPARE(readBytes(path), "<DL><p>\n<DT><H3>F</H3>\n<DL><p>\n" + line + "\n</DL>\n</DL>\n");
    // The result still reads as the same folders.
    QVERIFY(!catalogue.read(path).failed());
    QCOMPARE(catalogue.FolderCount, 1);
}

void TestInsertion::lastLineGainsTerminator()
{
    const QString path = m_dir->filePath(QStringLiteral("b.html"));
    writeBytes(path, "<DL><p>\r\n</DL><p>");
    FolderCatalogue catalogue;
    QVERIFY(!catalogue.read(path).failed());
    QVERIFY(!BookmarkInserter::insert(catalogue, -1, QStringLiteral("u"), QStringLiteral("t")).failed());
    QCOMPARE(readBytes(path), QByteArray("<DL><p>\r\n<DT><A HREF=\"u\">t</A>\r\n</DL><p>\r\n"));
}

void TestInsertion::oldVersionGoesToTheTrash()
{
    const QString path = copyIn(QStringLiteral("netscape-crlf.html"));
    const QByteArray before = readBytes(path);
    FolderCatalogue catalogue;
    QVERIFY(!catalogue.read(path).failed());
    QVERIFY(!BookmarkInserter::insert(catalogue, -1, QStringLiteral("u"), QStringLiteral("t")).failed());

    const QStringList trashed = entries(trashDir() + QStringLiteral("/files"));
    QCOMPARE(trashed.size(), 1);
    QCOMPARE(readBytes(trashDir() + QStringLiteral("/files/") + trashed.first()), before);
    const QByteArray info = readBytes(trashDir() + QStringLiteral("/info/") + trashed.first() + QStringLiteral(".trashinfo"));
    QVERIFY2(info.startsWith("[Trash Info]\n"), info.constData());
    QVERIFY2(info.contains("\nPath=" + QUrl::toPercentEncoding(path, "/") + "\n"), info.constData());
    QVERIFY(info.contains("\nDeletionDate="));
}

void TestInsertion::secondAdditionIsNotRefused()
{
    const QString path = copyIn(QStringLiteral("firefox-lf.html"));
    FolderCatalogue catalogue;
    QVERIFY(!catalogue.read(path).failed());
    QVERIFY(!BookmarkInserter::insert(catalogue, 4, QStringLiteral("u1"), QStringLiteral("one")).failed());
    const FileError second = BookmarkInserter::insert(catalogue, 4, QStringLiteral("u2"), QStringLiteral("two"));
    QVERIFY2(!second.failed(), qPrintable(second.message()));
    const QByteArray result = readBytes(path);
    QVERIFY(result.contains("<DL><p>\n<DT><A HREF=\"u2\">two</A>\n<DT><A HREF=\"u1\">one</A>\n"));
    QCOMPARE(entries(trashDir() + QStringLiteral("/files")).size(), 2);
}

void TestInsertion::failuresLeaveTheFileAlone_data()
{
    QTest::addColumn<QString>("injection");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("words");
    QTest::newRow("temporary name taken by a folder") << "tmp-folder" << int(FileError::Kind::Io) << "folder";
    QTest::newRow("trash unreachable") << "no-trash" << int(FileError::Kind::Trash) << "trash";
    QTest::newRow("file rewritten by another program") << "changed" << int(FileError::Kind::Changed)
                                                        << "changed since it was read";
    QTest::newRow("file truncated, same size and time") << "truncated" << int(FileError::Kind::Incomplete)
                                                        << "not a complete bookmark file";
    QTest::newRow("folders renamed, same size and time") << "renamed" << int(FileError::Kind::Changed)
                                                         << "changed since it was read";
    QTest::newRow("file deleted") << "deleted" << int(FileError::Kind::Io) << "Could not open";
    QTest::newRow("folder number out of range") << "bad-index" << int(FileError::Kind::Changed) << "no folder";
    if (::geteuid() != 0)
        QTest::newRow("read-only folder") << "read-only" << int(FileError::Kind::Io) << "ermission denied";
}

void TestInsertion::failuresLeaveTheFileAlone()
{
    QFETCH(QString, injection);
    QFETCH(int, kind);
    QFETCH(QString, words);
    const QString path = copyIn(QStringLiteral("netscape-crlf.html"));
    FolderCatalogue catalogue;
    QVERIFY(!catalogue.read(path).failed());
    qint32 folder = 2;

    // Rewrites the file in place keeping its size and modification time, so that
    // only the content tells.
    const auto sameSizeAndTime = [&](QByteArray content) {
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        writeBytes(path, content);
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    };
    if (injection == QLatin1String("tmp-folder")) {
        QVERIFY(QDir().mkdir(path + QStringLiteral(".tmp")));
    } else if (injection == QLatin1String("no-trash")) {
        // The trash lives under a regular file: it can be neither found nor made.
        QDir(trashDir()).removeRecursively();
        const QString dataFolder = QFileInfo(trashDir()).path();
        QDir(dataFolder).removeRecursively();
        QVERIFY(QDir().mkpath(QFileInfo(dataFolder).path()));
        writeBytes(dataFolder, "not a folder");
    } else if (injection == QLatin1String("changed")) {
        writeBytes(path, readBytes(path) + "<!-- another program was here -->\r\n");
    } else if (injection == QLatin1String("truncated")) {
        QByteArray cut = readBytes(path);
        cut = cut.left(cut.indexOf("<DT><H3 ADD_DATE=\"939000011\">"));
        sameSizeAndTime(cut.leftJustified(readBytes(path).size(), ' '));
    } else if (injection == QLatin1String("renamed")) {
        sameSizeAndTime(readBytes(path).replace("Projects", "Projekte"));
    } else if (injection == QLatin1String("deleted")) {
        QVERIFY(QFile::remove(path));
    } else if (injection == QLatin1String("bad-index")) {
        folder = 99;
    } else if (injection == QLatin1String("read-only")) {
        QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    const QByteArray before = readBytes(path);
    const QStringList filesBefore = entries(m_dir->path());

    const FileError error = BookmarkInserter::insert(catalogue, folder, QStringLiteral("u"), QStringLiteral("t"));
    QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (injection == QLatin1String("no-trash"))
        QFile::remove(QFileInfo(trashDir()).path());

    QCOMPARE(int(error.kind), kind);
    QVERIFY2(error.message().contains(words), qPrintable(error.message()));
    QVERIFY2(error.message().contains(QStringLiteral("bookmarks.html")), qPrintable(error.message()));
    QCOMPARE(readBytes(path), before);
    QCOMPARE(entries(m_dir->path()), filesBefore);
    // Nothing strayed into the current folder either.
    QVERIFY(!QFileInfo::exists(QStringLiteral("files")));
    QVERIFY(!QFileInfo::exists(QStringLiteral("info")));
}

void TestInsertion::symbolicLinkStaysALink()
{
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("synced"))));
    const QString real = m_dir->filePath(QStringLiteral("synced/real.html"));
    writeBytes(real, readBytes(fixture(QStringLiteral("chrome.html"))));
    const QString link = m_dir->filePath(QStringLiteral("bookmarks.html"));
    QVERIFY(QFile::link(QStringLiteral("synced/real.html"), link));

    FolderCatalogue catalogue;
    QVERIFY(!catalogue.read(link).failed());
    QVERIFY(!BookmarkInserter::insert(catalogue, 3, QStringLiteral("https://linkcrate.example/other"),
                                      QStringLiteral("Other"))
                 .failed());
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QFileInfo(link).symLinkTarget(), QFileInfo(real).absoluteFilePath());
    QCOMPARE(readBytes(real), readBytes(fixture(QStringLiteral("chrome.other.expected.html"))));
    QCOMPARE(entries(m_dir->filePath(QStringLiteral("synced"))), QStringList{"real.html"});
}

void TestInsertion::permissionsAreKept()
{
    const QString path = copyIn(QStringLiteral("chrome.html"));
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0600), 0);
    const mode_t oldMask = ::umask(0);
    FolderCatalogue catalogue;
    QVERIFY(!catalogue.read(path).failed());
    const FileError error = BookmarkInserter::insert(catalogue, -1, QStringLiteral("u"), QStringLiteral("t"));
    ::umask(oldMask);
    QVERIFY(!error.failed());
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0600));
}

void TestInsertion::temporaryLinkIsNotWrittenThrough()
{
    const QString path = copyIn(QStringLiteral("chrome.html"));
    const QString elsewhere = m_dir->filePath(QStringLiteral("elsewhere.txt"));
    writeBytes(elsewhere, "precious");
    QVERIFY(QFile::link(elsewhere, path + QStringLiteral(".tmp")));
    FolderCatalogue catalogue;
    QVERIFY(!catalogue.read(path).failed());
    QVERIFY(!BookmarkInserter::insert(catalogue, 3, QStringLiteral("https://linkcrate.example/other"),
                                      QStringLiteral("Other"))
                 .failed());
    QCOMPARE(readBytes(elsewhere), QByteArray("precious"));
    QCOMPARE(readBytes(path), readBytes(fixture(QStringLiteral("chrome.other.expected.html"))));
    QCOMPARE(entries(m_dir->path()), (QStringList{"bookmarks.html", "elsewhere.txt"}));
}

void TestInsertion::keepAliveIsCalledOnLongFiles()
{
    // Enough bookmarks before the target folder that the search takes a while.
    QByteArray file = "<DL><p>\n";
    const QByteArray bookmark = "<DT><A HREF=\"https://example.com/some/long/path\" ADD_DATE=\"1\">A bookmark</A>\n";
    for (int i = 0; i < 400000; ++i)
        file += bookmark;
    file += "<DT><H3>Last</H3>\n<DL><p>\n</DL>\n</DL>\n";
    const QString path = m_dir->filePath(QStringLiteral("big.html"));
    writeBytes(path, file);
    FolderCatalogue catalogue;
    QVERIFY(!catalogue.read(path).failed());
    int calls = 0;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!BookmarkInserter::insert(catalogue, 0, QStringLiteral("u"), QStringLiteral("t"), [&] { ++calls; })
                 .failed());
    // Never more often than every few milliseconds.
    QVERIFY(calls <= timer.elapsed() / 5 + 1);
    QVERIFY(readBytes(path).endsWith("<DL><p>\n<DT><A HREF=\"u\">t</A>\n</DL>\n</DL>\n"));
}

LINKCRATE_TEST_MAIN(TestInsertion, QCoreApplication)
#include "test_insertion.moc"
