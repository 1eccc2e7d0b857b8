#include "TestSupport.h"

#include "platform/Settings.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Run
{
    int code = -1;
    QString out;
    QString err;
};

// The child gets this process's private HOME and XDG folders, without test mode:
// it sees exactly what a user's shell would.
Run linkcrateAdd(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(LINKCRATE_ADD), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QString userTrash()
{
    return qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Trash");
}

const QByteArray Twins = "<DL><p>\n<DT><H3>S</H3>\n<DL><p>\n</DL>\n<DT><H3>S</H3>\n<DL><p>\n</DL>\n"
                         "<DT><H3>a/b</H3>\n<DL><p>\n</DL>\n</DL>\n";

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void exitStatuses_data();
    void exitStatuses();
    void listsTheFolders();
    void addsIntoANestedFolder();
    void indexReachesWhatPathsCannot();
    void dryRunWritesNothing();
    void defaultFileFromTheSetting();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;
};

void TestCli::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_file = m_dir->filePath(QStringLiteral("bookmarks.html"));
    writeBytes(m_file, readBytes(fixture(QStringLiteral("firefox-lf.html"))));
    QFile::remove(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Linkcrate/Linkcrate.conf"));
    QDir(userTrash()).removeRecursively();
}

void TestCli::exitStatuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("words");

    QTest::newRow("unknown option") << QStringList{"--bogus"} << 64 << "Unknown option 'bogus'";
    QTest::newRow("no text") << QStringList{"--file", "F", "https://e.x/"} << 64 << "--text";
    QTest::newRow("no address") << QStringList{"--file", "F", "--text", "t"} << 64 << "exactly one address";
    QTest::newRow("two addresses") << QStringList{"--file", "F", "--text", "t", "a", "b"} << 64 << "exactly one address";
    QTest::newRow("folder and index") << QStringList{"--file", "F", "--folder", "x", "--folder-index", "1", "--text", "t", "u"}
                                      << 64 << "not both";
    QTest::newRow("list with an address") << QStringList{"--file", "F", "--list", "u"} << 64 << "--list takes";
    QTest::newRow("refused character") << QStringList{"--file", "F", "--text", "Tom & Jerry", "u"} << 1
                                       << "You can't use these characters:\n\\ / : * ? \" < > | &";
    QTest::newRow("blank name") << QStringList{"--file", "F", "--text", "  ", "u"} << 1 << "Name can't be empty !";
    QTest::newRow("blank address") << QStringList{"--file", "F", "--text", "t", " "} << 1 << "URL can't be empty !";
    QTest::newRow("missing file") << QStringList{"--file", "MISSING", "--text", "t", "u"} << 2 << "MISSING";
    QTest::newRow("not a bookmark file") << QStringList{"--file", "NOTBOOKMARKS", "--text", "t", "u"} << 2
                                         << "not a complete bookmark file";
    QTest::newRow("no such folder") << QStringList{"--file", "F", "--folder", "Nowhere", "--text", "t", "u"} << 2
                                    << "there is no folder \"Nowhere\" in \"F\"";
    QTest::newRow("near miss is suggested") << QStringList{"--file", "F", "--folder", "tools & tips", "--text", "t", "u"}
                                            << 2 << "did you mean:\n  0\tTools & Tips";
    QTest::newRow("ambiguous folder") << QStringList{"--file", "TWINS", "--folder", "S", "--text", "t", "u"} << 2
                                      << "2 folders in \"TWINS\" are called \"S\"; choose one with --folder-index:\n"
                                         "  0\tS\n  1\tS";
    QTest::newRow("index out of range") << QStringList{"--file", "F", "--folder-index", "5", "--text", "t", "u"} << 2
                                        << "no folder number 5";
    QTest::newRow("no file at all") << QStringList{"--text", "t", "u"} << 2 << "--file FILE";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "";
}

void TestCli::exitStatuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, words);
    const QString notBookmarks = m_dir->filePath(QStringLiteral("notes.txt"));
    writeBytes(notBookmarks, "just notes\n");
    const QString twins = m_dir->filePath(QStringLiteral("twins.html"));
    writeBytes(twins, Twins);
    const QString missing = m_dir->filePath(QStringLiteral("missing.html"));
    const auto substitute = [&](QString s) {
        s.replace(QStringLiteral("NOTBOOKMARKS"), notBookmarks);
        s.replace(QStringLiteral("TWINS"), twins);
        s.replace(QStringLiteral("MISSING"), missing);
        if (s == QLatin1String("F") || s.contains(QLatin1String("\"F\"")))
            s.replace(QLatin1Char('F'), m_file);
        return s;
    };
    for (QString &a : arguments)
        a = substitute(a);
    const QByteArray before = readBytes(m_file);
    const Run run = linkcrateAdd(arguments);
    QCOMPARE(run.code, code);
    QVERIFY2(run.err.contains(substitute(words)), qPrintable(run.err));
    if (code != 0)
        QVERIFY2(run.err.startsWith(QStringLiteral("linkcrate-add: ")), qPrintable(run.err));
    QCOMPARE(readBytes(m_file), before);
    QCOMPARE(readBytes(twins), Twins);
}

void TestCli::listsTheFolders()
{
    const Run run = linkcrateAdd({QStringLiteral("--file"), m_file, QStringLiteral("--list")});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out, QStringLiteral("0\tTools & Tips\n1\tTools & Tips/<Code> \"snippets\" 'n' été\n"
                                     "2\tBookmarks Toolbar\n3\tOther Bookmarks\n4\tOther Bookmarks/Straße\n"));
    QCOMPARE(run.err, QString());
}

void TestCli::addsIntoANestedFolder()
{
    const Run run = linkcrateAdd({QStringLiteral("--file"), m_file, QStringLiteral("--folder"),
                                  QStringLiteral("Other Bookmarks/Straße"), QStringLiteral("--text"),
                                  QStringLiteral("Letzter Ordner – Straße"), QStringLiteral("https://linkcrate.example/last")});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out + run.err, QString());
    QCOMPARE(readBytes(m_file), readBytes(fixture(QStringLiteral("firefox-lf.last.expected.html"))));
    const QStringList trashed = entries(userTrash() + QStringLiteral("/files"));
    QCOMPARE(trashed.size(), 1);
    QCOMPARE(readBytes(userTrash() + QStringLiteral("/files/") + trashed.first()),
             readBytes(fixture(QStringLiteral("firefox-lf.html"))));
}

void TestCli::indexReachesWhatPathsCannot()
{
    const QString twins = m_dir->filePath(QStringLiteral("twins.html"));
    writeBytes(twins, Twins);
    // The second "S", and a name with a slash in it.
    for (const auto &[index, marker] : {std::pair{1, "<DT><H3>S</H3>\n<DL><p>\n<DT><A HREF=\"http://one.example\">one</A>\n</DL>\n<DT><H3>a/b"},
                                        std::pair{2, "<DT><H3>a/b</H3>\n<DL><p>\n<DT><A HREF=\"http://two.example\">two</A>\n"}}) {
        const Run run = linkcrateAdd({QStringLiteral("--file"), twins, QStringLiteral("--folder-index"), QString::number(index),
                                      QStringLiteral("--verbose"), QStringLiteral("--text"),
                                      index == 1 ? QStringLiteral("one") : QStringLiteral("two"),
                                      index == 1 ? QStringLiteral("one.example") : QStringLiteral("two.example")});
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.startsWith(QStringLiteral("Added to \"")), qPrintable(run.out));
        QVERIFY2(readBytes(twins).contains(marker), readBytes(twins).constData());
    }
}

void TestCli::dryRunWritesNothing()
{
    const QByteArray before = readBytes(m_file);
    const Run run = linkcrateAdd({QStringLiteral("--file"), m_file, QStringLiteral("--folder"), QStringLiteral("Bookmarks Toolbar"),
                                  QStringLiteral("--dry-run"), QStringLiteral("--text"), QStringLiteral("News"),
                                  QStringLiteral("news.example")});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out, QStringLiteral("Would add to \"Bookmarks Toolbar\" of \"%1\":\n"
                                     "<DT><A HREF=\"http://news.example\">News</A>\n")
                          .arg(m_file));
    QCOMPARE(readBytes(m_file), before);
    QCOMPARE(entries(m_dir->path()), QStringList{"bookmarks.html"});
    QVERIFY(!QFileInfo::exists(userTrash() + QStringLiteral("/files")));
}

void TestCli::defaultFileFromTheSetting()
{
    const QString conf = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Linkcrate/Linkcrate.conf");
    {
        Settings settings(conf);
        settings.setBookmarks(m_file);
        QVERIFY(settings.sync());
    }
    const QByteArray confBefore = readBytes(conf);
    const Run run = linkcrateAdd({QStringLiteral("--text"), QStringLiteral("Root"), QStringLiteral("https://r.example/")});
    QCOMPARE(run.code, 0);
    QVERIFY(readBytes(m_file).contains("<DL><p>\n<DT><A HREF=\"https://r.example/\">Root</A>\n    <DT><A HREF=\"https://www.mozilla.org/\""));
    QCOMPARE(readBytes(conf), confBefore);
}

LINKCRATE_TEST_MAIN(TestCli, QCoreApplication)
#include "test_cli.moc"
