#include "TestSupport.h"

#include "bookmarks/BookmarkLock.h"
#include "platform/Settings.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <optional>
#include <sys/stat.h>

class TestCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void runs_data();
    void runs();
};

void TestCli::runs_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("words"); // in what it prints
    QTest::addColumn<QByteArray>("added"); // in a file afterwards; none: every file unchanged

    QTest::newRow("usage") << QStringList{"--file", "F", "https://e.x/"} << 64 << "--text" << QByteArray();
    QTest::newRow("usage: an index that is no number") << QStringList{"--folder-index", "x", "--text", "t", "u"} << 64
                                                       << "--folder-index takes a number." << QByteArray();
    QTest::newRow("usage: a folder both ways") << QStringList{"--folder", "A", "--folder-index", "0", "--text", "t", "u"} << 64
                                               << "give --folder or --folder-index, not both." << QByteArray();
    QTest::newRow("--list after a second reading, once") << QStringList{"--file", "LATIN", "--list"} << 0 << "^0\tA\n" << QByteArray();
    // "WINDOW": the window's program, with no display to reach.
    QTest::newRow("window: --help") << QStringList{"WINDOW", "--help"} << 0 << " [ADDRESS [TITLE]]\n" << QByteArray();
    QTest::newRow("window: --help in German") << QStringList{"WINDOW", "GERMAN", "--help"} << 0 << " [ADRESSE [TITEL]]\n" << QByteArray();
    QTest::newRow("refused in German") << QStringList{"GERMAN", "--file", "F", "--text", "t", "hello world"} << 1
                                       << "linkcrate-add: „hello world“ ist keine Adresse: Geben Sie" << QByteArray();
    QTest::newRow("window: unknown option") << QStringList{"WINDOW", "--bogus"} << 64
                                            << "Unknown option 'bogus'.\nUsage: " << QByteArray();
    QTest::newRow("control character alone, before the file is looked at") << QStringList{"--file", "/nowhere.html", "--text", "\n", "u"} << 1
                                             << "Name can't be empty !" << QByteArray();
    QTest::newRow("not an address") << QStringList{"--file", "F", "--text", "t", " hello world"} << 1
                                    << "\"hello world\" is not an address" << QByteArray();
    QTest::newRow("--create: a blank name on the way") << QStringList{"--file", "F", "--create", "--folder", "A/ /B", "--text", "t", "u"}
        << 1 << "The folder \" \" cannot be made" << QByteArray();
    QTest::newRow("ambiguous folder, under which --create would make") << QStringList{"--file", "TWINS", "--folder", "S/new", "--create", "--text", "t", "u"} << 2
                                      << "2 folders in \"TWINS\" are called \"S\"; choose one with --folder-index:\n"
                                         "  1\tS\n  2\tS" << QByteArray();
    QTest::newRow("a named pipe, refused before its lock") << QStringList{"--file", "PIPE", "--text", "t", "u"} << 2
                                                           << "is a named pipe, not a bookmark file." << QByteArray();
    QTest::newRow("failed addition: one sentence a line") << QStringList{"--file", "F", "--text", "t", "u"} << 2
                                                          << "\nThe bookmark file was left unchanged." << QByteArray();
    QTest::newRow("index reaches the second of two") << QStringList{"--file", "TWINS", "--folder-index", "2", "--verbose",
                                                                    "--text", "one", "one.example"}
        << 0 << "Added to \"S\":\n<DT><A HREF=\"http://one.example\">one</A>\n"
        << QByteArray("<DT><H3>S</H3>\n<DL><p>\n<DT><A HREF=\"http://one.example\">one</A>\n</DL>\n<DT><H3>a/b");
    QTest::newRow("no line into a list inside an address") << QStringList{"--file", "TWINS", "--folder-index", "0", "--text", "t", "u"} << 2
                                                           << "has that folder's list inside a bookmark's tag" << QByteArray();
    QTest::newRow("index -1 is no folder") << QStringList{"--file", "F", "--folder-index", "-1", "--text", "t", "u"} << 2
                                           << "there is no folder number -1" << QByteArray();
    QTest::newRow("dry run into a nested folder")
        << QStringList{"--file", "F", "--folder", "/Other Bookmarks/Straße/", "--dry-run", "--text", "News", "news.example"}
        << 0 << "Would add to \"Other Bookmarks/Straße\" of \"F\":\n<DT><A HREF=\"http://news.example\">News</A>\n"
        << QByteArray();
    QTest::newRow("--create: the missing folders of a path, inside the deepest there")
        << QStringList{"--file", "F", "--folder", "Other Bookmarks/Straße/New/Deeper", "--create", "--verbose", "--text", "n", "n.example"}
        << 0 << "Made the folder \"Other Bookmarks/Straße/New\".\nMade the folder \"Other Bookmarks/Straße/New/Deeper\".\n"
                "Added to \"Other Bookmarks/Straße/New/Deeper\":\n"
        << QByteArray("Straße</H3>\n        <DL><p>\n            <DT><H3>New</H3>\n            <DL><p>\n                <DT><H3>Deeper</H3>\n"
                      "                <DL><p>\n                    <DT><A HREF=\"http://n.example\">n</A>\n                </DL><p>\n");
    QTest::newRow("--create, dry run") << QStringList{"--file", "F", "--folder", "New", "--create", "--dry-run", "--text", "n", "n.example"}
        << 0 << "Would make the folder \"New\".\nWould add to \"New\" of \"F\":" << QByteArray();
    QTest::newRow("one pass: refused beyond the check's reach") << QStringList{"--file", "F", "--text", "t", "https://e.x/" + QString(70000, u'a')}
        << 1 << "Linkcrate adds addresses of up to" << QByteArray();
    QTest::newRow("dry run refused as the addition is") << QStringList{"--file", "F", "--dry-run", "--text", "t", "https://e.x/" + QString(70000, u'a')}
        << 1 << "Linkcrate adds addresses of up to" << QByteArray();
    // "NOCONF": the settings can be neither read nor written.
    QTest::newRow("undo record unsaved: added, with a warning") << QStringList{"NOCONF", "--file", "F", "--text", "t", "https://w.example/"}
        << 0 << "warning: The bookmark was added, but it cannot be undone" << QByteArray("\"https://w.example/\">t<");
    QTest::newRow("one pass: nested path") << QStringList{"--file", "F", "--folder", "Other Bookmarks/Straße", "--text", "s", "s.example"}
        << 0 << "" << QByteArray("Straße</H3>\n        <DL><p>\n<DT><A HREF=\"http://s.example\">s</A>\n");
    QTest::newRow("undeclared, not UTF-8 after the folder: ASCII address, tab kept")
        << QStringList{"--file", "LATIN", "--folder", "A", "--text", "é\tx", "https://münchen.example/ä"} << 0 << ""
        << QByteArray("<DL><p>\n<DT><A HREF=\"https://xn--mnchen-3ya.example/%C3%A4\">\xE9\tx</A>\n</DL>\n");
    QTest::newRow("--list decodes every named reference") << QStringList{"--file", "TWINS", "--list"} << 0
                                                         << "^0\t\n1\tS\n2\tS\n3\ta/b café…€ ∉¬it; &x & y\n" << QByteArray();
    QTest::newRow("already there, spaced and without the path's slash") << QStringList{"--file", "TWINS", "--no-duplicate", "--text", "t", "https://ns.example/"}
        << 3 << "Nothing was added." << QByteArray();
    QTest::newRow("--list to a full disk") << QStringList{"FULL", "--file", "TWINS", "--list"} << 2 << "could not write the list of folders" << QByteArray();
    QTest::newRow("already there, with its port") << QStringList{"--file", "TWINS", "--no-duplicate", "--text", "t", "https://o.example"}
        << 3 << "Nothing was added." << QByteArray();
    QTest::newRow("already there, in capitals") << QStringList{"--file", "TWINS", "--no-duplicate", "--text", "t", "http://c.example/"}
        << 3 << "Nothing was added." << QByteArray();
    QTest::newRow("already there, its last character a reference") << QStringList{"--file", "TWINS", "--no-duplicate", "--text", "t", "https://r.example/&"}
        << 3 << "Nothing was added." << QByteArray();
    QTest::newRow("file from the setting") << QStringList{"--text", "Root", "https://r.example/"} << 0 << ""
        << QByteArray("<DL><p>\n<DT><A HREF=\"https://r.example/\">Root</A>\n    <DT><A HREF=\"https://www.mozilla.org/\"");
    QTest::newRow("already there, twice in a folder: added, with a warning naming it once")
        << QStringList{"--file", "F", "--folder", "Bookmarks Toolbar", "--text", "t", "https://news.example/", "THEN",
                       "--file", "F", "--text", "t", "https://NEWS.example"}
        << 0 << "warning: the address was already in: \"Bookmarks Toolbar\"." << QByteArray("\"https://NEWS.example\">t<");
    QTest::newRow("already there, --no-duplicate") << QStringList{"--file", "F", "--no-duplicate", "--text", "t", "https://news.example:443"}
        << 3 << "the address is already in: \"Bookmarks Toolbar\". Nothing was added." << QByteArray();
    QTest::newRow("already there, --no-duplicate, after a second reading")
        << QStringList{"--file", "LATIN", "--folder", "A", "--no-duplicate", "--text", "é", "dup.example"} << 3
        << "Nothing was added." << QByteArray();
    QTest::newRow("already there, --no-duplicate, --dry-run")
        << QStringList{"--file", "F", "--dry-run", "--no-duplicate", "--text", "t", "https://news.example/"} << 3
        << "Nothing was added." << QByteArray();
    // Before "THEN", a run that succeeds ("CHANGE": then the file is changed).
    const QStringList addition{"--file", "F", "--text", "t", "https://u.example/"};
    QTest::newRow("undo") << addition + QStringList{"THEN", "--undo"} << 0 << "" << QByteArray();
    QTest::newRow("undo takes the new folders too") << addition + QStringList{"--create", "--folder", "X/Y", "THEN", "--undo"}
                                                   << 0 << "" << QByteArray();
    QTest::newRow("undo of another file refused") << addition + QStringList{"THEN", "--undo", "--file", "TWINS"} << 2
                                                  << "not to \"TWINS\". Nothing was undone." << QByteArray("u.example/\">t</A>\n");
    QTest::newRow("undo refused after a change") << addition + QStringList{"CHANGE", "THEN", "--undo"} << 2
                                                 << "has changed since the last addition" << QByteArray("u.example/\">t</A>\n");
}

// Each run is a child process with this process's private HOME and XDG folders,
// without test mode: it sees exactly what a user's shell would.
void TestCli::runs()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, words);
    QFETCH(QByteArray, added);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bookmarks.html"));
    const QString twins = dir.filePath(QStringLiteral("twins.html"));
    const QString latin = dir.filePath(QStringLiteral("latin.html"));
    QVERIFY(writeFile(file, readBytes(fixture(QStringLiteral("firefox-lf.html")))));
    // A list in an address is one for every reader; a heading without a list names none.
    QVERIFY(writeFile(twins, "<DL><p>\n<DT><A ADD_DATE=\"1>2\" HREF=https://p.example/<dl></dl>>p</A><A HREF=\" https://ns.example \">n</A>"
                             "<A HREF=\"https://r.example/&amp;\">r</A><A HREF=\"HTTPS://O.EXAMPLE:443\">o</A><A HREF=\"HTTP://C.EXAMPLE\">c</A>\n<DT><H3>lost</H3>\n<DT><H3>S</H3>\n<DL><p>\n</DL>\n<DT><H3>S</H3>\n<DL><p>\n</DL>\n"
                             "<DT><H3>a/b caf&eacute&hellip;&euro; &notin;&notit; &ampx & y</H3>\n<DL><p>\n</DL>\n</DL>\n"));
    // Not UTF-8, as a block read well after the folder shows.
    QVERIFY(writeFile(latin, "<DL><p>\n<DT><H3>A</H3>\n<DL><p>\n</DL>\n" + QByteArray(1 << 20, ' ') + "<DT><A HREF=\"http://dup.example\">Caf\xE9</A>\n</DL>\n"));
    const QString conf = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Linkcrate/Linkcrate.conf");
    Settings(conf).setBookmarks(file);
    // The trash cannot be made under a regular file.
    const QString trash = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Trash");
    QDir(trash).removeRecursively();
    QFile::remove(trash);
    // Another addition holds the pipe's lock: waiting for it would show.
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    std::optional<BookmarkLock> held;
    if (QTest::currentDataTag() == QLatin1String("a named pipe, refused before its lock")) {
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(held.emplace(pipe).tryLock(0));
    }
    if (QTest::currentDataTag() == QLatin1String("failed addition: one sentence a line"))
        QVERIFY(writeFile(trash, "not a folder"));
    const auto substitute = [&](QString s) {
        s.replace(QStringLiteral("TWINS"), twins);
        s.replace(QStringLiteral("LATIN"), latin);
        s.replace(QStringLiteral("PIPE"), pipe);
        s.replace(QLatin1String("\"F\""), QLatin1Char('"') + file + QLatin1Char('"'));
        return s == QLatin1String("F") ? file : s;
    };
    for (QString &a : arguments)
        a = substitute(a);
    const QByteArray before = readBytes(file) + readBytes(twins) + readBytes(latin);
    if (const qsizetype then = arguments.indexOf(QStringLiteral("THEN")); then >= 0) {
        QStringList first = arguments.first(then);
        arguments.remove(0, then + 1);
        const bool change = first.removeAll(QStringLiteral("CHANGE")) > 0;
        QCOMPARE(QProcess::execute(QStringLiteral(LINKCRATE_ADD), first), 0);
        if (change)
            QVERIFY(writeFile(file, readBytes(file) + "<!-- changed -->"));
    }

    QProcess process;
    const bool window = arguments.value(0) == QLatin1String("WINDOW");
    if (window) {
        arguments.removeFirst();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        process.setProcessEnvironment(environment);
    }
    if (arguments.removeAll(QStringLiteral("FULL")) > 0)
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
    if (arguments.removeAll(QStringLiteral("NOCONF")) > 0) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), file + QStringLiteral("/config"));
        process.setProcessEnvironment(environment);
    }
    if (arguments.removeAll(QStringLiteral("GERMAN")) > 0) {
        QProcessEnvironment environment = process.processEnvironment();
        if (environment.isEmpty())
            environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
        process.setProcessEnvironment(environment);
    }
    process.start(QString::fromUtf8(window ? LINKCRATE : LINKCRATE_ADD), arguments);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), code);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    const QString err = QString::fromUtf8(process.readAllStandardError());
    // "^": the whole output, exactly.
    QVERIFY2(words.startsWith(u'^') ? out == words.mid(1) : (out + err).contains(substitute(words)), qPrintable(out + err));
    QVERIFY2(err.startsWith(window ? "linkcrate: " : "linkcrate-add: ") || (code == 0 && err.isEmpty()), qPrintable(err));
    const QByteArray after = readBytes(file) + readBytes(twins) + readBytes(latin);
    if (added.isEmpty())
        QCOMPARE(after, before);
    else
        QVERIFY2(after.contains(added), after.constData());
    held.reset();
    QFile::remove(pipe);
    QCOMPARE(entries(dir.path()), (QStringList{"bookmarks.html", "latin.html", "twins.html"}));
    QCOMPARE(Settings(conf).bookmarks(), file);
}

LINKCRATE_TEST_MAIN(TestCli, QCoreApplication)
#include "test_cli.moc"
