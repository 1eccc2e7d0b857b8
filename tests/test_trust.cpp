#include "TestSupport.h"

#include "bookmarks/BookmarkLock.h"
#include "bookmarks/BookmarkRecovery.h"
#include "platform/mdlFileRoutines.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRegularExpression>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace mdlFileRoutines;

class TestTrust : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { setTopFolderForTests({}); }
    void mountTrash_data();
    void mountTrash();
    void trashNamesAndPutBackNeverReplace();
    void lockPathInTheWay_data();
    void lockPathInTheWay();
    void lockOfAKilledWriterIsFree();
    void recoveryLeavesAPlantedLink();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_top, m_file, m_uid;
};

void TestTrust::init()
{
    // A shared mount: a top folder anyone may write in, sticky as /tmp is.
    m_dir = std::make_unique<QTemporaryDir>();
    m_top = m_dir->filePath(QStringLiteral("mount"));
    QVERIFY(QDir().mkdir(m_top) && ::chmod(QFile::encodeName(m_top).constData(), 01777) == 0);
    m_file = m_top + QStringLiteral("/my bookmarks.html");
    writeBytes(m_file, "precious");
    m_uid = QString::number(::geteuid());
    setTopFolderForTests(m_top);
}

void TestTrust::mountTrash_data()
{
    QTest::addColumn<QString>("plant");
    QTest::addColumn<QString>("trash"); // when refused, words of the reason
    QTest::newRow("none yet: .Trash-uid made private") << "" << ".Trash-%1";
    QTest::newRow("sticky .Trash: .Trash/uid") << "sticky" << ".Trash/%1";
    QTest::newRow(".Trash not sticky: ignored") << "unsticky" << ".Trash-%1";
    const QString unsafe = QStringLiteral("no trash that Linkcrate can use safely");
    QTest::newRow(".Trash-uid writable by all: refused") << "0777" << unsafe;
    QTest::newRow(".Trash-uid a link to another's folder: refused") << "link" << unsafe;
    QTest::newRow(".Trash-uid of another user: refused") << "chown" << unsafe;
    QTest::newRow("record cannot be written: file stays") << "full" << "record cannot be written";
    QTest::newRow("trash on another file system: never copied") << "xdev" << "another file system";
}

void TestTrust::mountTrash()
{
    QFETCH(QString, plant);
    QFETCH(QString, trash);
    const QString planted = m_top + QStringLiteral("/.Trash-") + m_uid;
    const QString theirs = m_dir->filePath(QStringLiteral("theirs"));
    QVERIFY(QDir().mkdir(theirs));
    if (plant == QLatin1String("sticky") || plant == QLatin1String("unsticky")) {
        QVERIFY(QDir().mkdir(m_top + QStringLiteral("/.Trash")));
        ::chmod(QFile::encodeName(m_top + QStringLiteral("/.Trash")).constData(), plant == QLatin1String("sticky") ? 01777 : 0777);
    } else if (plant == QLatin1String("link")) {
        QVERIFY(QFile::link(theirs, planted));
    } else if (plant == QLatin1String("0777") || plant == QLatin1String("chown")) {
        QVERIFY(QDir().mkdir(planted) && ::chmod(QFile::encodeName(planted).constData(), plant == QLatin1String("0777") ? 0777 : 0700) == 0);
        if (plant == QLatin1String("chown") && ::chown(QFile::encodeName(planted).constData(), 65534, 65534) != 0)
            QSKIP("planting a folder owned by another user needs root");
    }
    QTemporaryDir otherFileSystem(QStringLiteral("/dev/shm/linkcrate-XXXXXX"));
    if (plant == QLatin1String("xdev")) {
        struct stat here {}, there {};
        if (!otherFileSystem.isValid() || ::stat("/dev/shm", &there) != 0 || ::stat(QFile::encodeName(m_top).constData(), &here) != 0
            || here.st_dev == there.st_dev)
            QSKIP("needs /dev/shm on another file system than the temporary folder");
        m_file = otherFileSystem.filePath(QStringLiteral("my bookmarks.html"));
        writeBytes(m_file, "precious");
    }
    const struct rlimit unlimited {RLIM_INFINITY, RLIM_INFINITY}, tiny {8, RLIM_INFINITY};
    if (plant == QLatin1String("full")) { // the record cannot be written whole, as on a full disk
        std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &tiny);
    }
    RecycleDetails details;
    const qint32 code = RecycleFile(m_file, false, nullptr, &details);
    ::setrlimit(RLIMIT_FSIZE, &unlimited);

    QCOMPARE(entries(theirs), QStringList());
    if (!trash.startsWith(QLatin1String(".Trash"))) {
        QCOMPARE(code, qint32(RecycleFailed));
        QVERIFY2(details.error.contains(trash), qPrintable(details.error));
        QCOMPARE(readBytes(m_file), QByteArray("precious"));
        QCOMPARE(entries(planted + QStringLiteral("/info")), QStringList());
        return;
    }
    const QString folder = m_top + u'/' + trash.arg(m_uid);
    QVERIFY2(code == RecycleOk, qPrintable(details.error));
    QVERIFY(!QFileInfo::exists(m_file));
    QCOMPARE(details.pathInTrash, folder + QStringLiteral("/files/my bookmarks.html"));
    QCOMPARE(readBytes(details.pathInTrash), QByteArray("precious"));
    QCOMPARE(QFileInfo(folder).permissions() & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser
                                                 | QFile::WriteUser | QFile::ExeUser), QFile::Permissions());
    const QString record = QString::fromUtf8(readBytes(folder + QStringLiteral("/info/my bookmarks.html.trashinfo")));
    QCOMPARE(details.infoPath, folder + QStringLiteral("/info/my bookmarks.html.trashinfo"));
    QVERIFY2(QRegularExpression(QStringLiteral("^\\[Trash Info\\]\nPath=%1\nDeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n$")
                                    .arg(QRegularExpression::escape(QString::fromLatin1(QFile::encodeName(m_file).toPercentEncoding("/")))))
                 .match(record).hasMatch(), qPrintable(record));
}

void TestTrust::trashNamesAndPutBackNeverReplace()
{
    // A stray file without its record, and a record without its file, keep their names.
    const QString trash = m_top + QStringLiteral("/.Trash-") + m_uid;
    QVERIFY(QDir().mkpath(trash + QStringLiteral("/files")) && QDir().mkpath(trash + QStringLiteral("/info")));
    ::chmod(QFile::encodeName(trash).constData(), 0700);
    writeBytes(trash + QStringLiteral("/files/my bookmarks.html"), "stray");
    writeBytes(trash + QStringLiteral("/info/my bookmarks.html.2.trashinfo"), "orphan");
    RecycleDetails details;
    QCOMPARE(RecycleFile(m_file, false, nullptr, &details), qint32(RecycleOk));
    QCOMPARE(details.pathInTrash, trash + QStringLiteral("/files/my bookmarks.html.3"));
    QCOMPARE(readBytes(trash + QStringLiteral("/files/my bookmarks.html")), QByteArray("stray"));

    writeBytes(m_file, "newer");
    QString error;
    QVERIFY(!PutBack(details, m_file, error));
    QVERIFY2(error.contains(QStringLiteral("could not be put back")), qPrintable(error));
    QCOMPARE(readBytes(m_file), QByteArray("newer"));
    QVERIFY(QFile::remove(m_file));
    QVERIFY2(PutBack(details, m_file, error), qPrintable(error));
    QCOMPARE(readBytes(m_file), QByteArray("precious"));
    QVERIFY(!QFileInfo::exists(details.infoPath));
}

void TestTrust::lockPathInTheWay_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    QTest::newRow("dangling link") << "link";
    QTest::newRow("FIFO") << "fifo";
}

void TestTrust::lockPathInTheWay()
{
    QFETCH(QString, kind);
    const QString lockPath = BookmarkLock::lockFileName(m_file);
    const QByteArray name = QFile::encodeName(lockPath);
    QVERIFY(kind == QLatin1String("folder") ? QDir().mkdir(lockPath)
            : kind == QLatin1String("link") ? QFile::link(QStringLiteral("gone"), lockPath)
                                             : ::mkfifo(name.constData(), 0600) == 0);
    BookmarkLock lock(m_file);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!lock.tryLock(20000));
    QVERIFY(timer.elapsed() < 10000); // at once, not after the whole wait
    QVERIFY2(lock.errorString().contains(lockPath) && lock.errorString().contains(QStringLiteral("remove it")),
             qPrintable(lock.errorString()));
    struct stat st {};
    QCOMPARE(::lstat(name.constData(), &st), 0);
}

void TestTrust::lockOfAKilledWriterIsFree()
{
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        BookmarkLock held(m_file);
        const char byte = held.tryLock(0) ? 'y' : 'n';
        [[maybe_unused]] const ssize_t sent = ::write(ready[1], &byte, 1);
        for (;;)
            ::pause();
    }
    char byte = 0;
    QCOMPARE(::read(ready[0], &byte, 1), ssize_t(1));
    QCOMPARE(byte, 'y');
    BookmarkLock lock(m_file);
    QVERIFY(!lock.tryLock(50));
    QVERIFY2(lock.errorString().contains(QStringLiteral("another addition")), qPrintable(lock.errorString()));
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    QVERIFY(QFileInfo::exists(BookmarkLock::lockFileName(m_file))); // left behind, as by a killed writer
    QVERIFY2(lock.tryLock(0), qPrintable(lock.errorString()));
    lock.unlock();
    QVERIFY(!QFileInfo::exists(BookmarkLock::lockFileName(m_file)));
}

void TestTrust::recoveryLeavesAPlantedLink()
{
    // The bookmark file is missing, and a link to someone's complete file waits in its temporary's place.
    const QString theirs = m_dir->filePath(QStringLiteral("theirs.html"));
    writeBytes(theirs, "<DL><p>\n</DL>\n");
    QVERIFY(QFile::remove(m_file) && QFile::link(theirs, m_file + QStringLiteral(".tmp")));
    const BookmarkRecovery::Result result = BookmarkRecovery::recover(m_file);
    QCOMPARE(int(result.outcome), int(BookmarkRecovery::Outcome::Nothing));
    QVERIFY2(result.error.message().contains(QStringLiteral("symbolic link")), qPrintable(result.error.message()));
    QVERIFY(!QFileInfo::exists(m_file) && QFileInfo(m_file + QStringLiteral(".tmp")).isSymLink());
    QCOMPARE(readBytes(theirs), QByteArray("<DL><p>\n</DL>\n"));
}

LINKCRATE_TEST_MAIN(TestTrust, QCoreApplication)
#include "test_trust.moc"
