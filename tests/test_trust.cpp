#include "TestSupport.h"

#include "bookmarks/BookmarkLock.h"
#include "bookmarks/BookmarkRecovery.h"
#include "bookmarks/FileError.h"
#include "bookmarks/FileReplacement.h"
#include "bookmarks/LastAddition.h"
#include "platform/mdlFileRoutines.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRegularExpression>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace mdlFileRoutines;

namespace {

bool makeFolder(const QString &path, mode_t mode)
{
    return QDir().mkpath(path) && ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

} // namespace

class TestTrust : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup()
    {
        setTopFolderForTests({});
        setNoLinksForTests(false);
    }
    void mountTrash_data();
    void mountTrash();
    void trashNamesAndPutBackNeverReplace();
    void lockPathInTheWay_data();
    void lockPathInTheWay();
    void lockOfAKilledWriterIsFree();
    void recoveryLeavesWhatIsNotOurs_data();
    void recoveryLeavesWhatIsNotOurs();
    void tamperedUndoRecord_data();
    void tamperedUndoRecord();
    void trashKeepsVersions_data();
    void trashKeepsVersions();
    void withoutHardLinks();

private:
    // Replaces the file's content as an addition does; what undoing it needs.
    // With `lost`, the temporary file is gone before it can take the file's name.
    LastAddition replaceWith(const QByteArray &bytes, bool lost = false)
    {
        FileIdentity before, written;
        QString reason;
        FileReplacement replacement(m_file);
        if (!FileIdentity::read(m_file, before, reason) || replacement.begin(before).failed()
            || replacement.device()->write(bytes) != bytes.size() || (lost && !QFile::remove(m_file + ".tmp"))
            || replacement.commit(before, written).failed())
            return {};
        return {m_file, written, replacement.trashed().pathInTrash, replacement.trashed().infoPath, before, {}, {}};
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_top, m_file, m_trash;
};

void TestTrust::init()
{
    // A shared mount: a top folder anyone may write in, sticky as /tmp is.
    m_dir = std::make_unique<QTemporaryDir>();
    m_top = m_dir->filePath(QStringLiteral("mount"));
    QVERIFY(makeFolder(m_top, 01777));
    m_file = m_top + QStringLiteral("/my bookmarks.html");
    QVERIFY(writeFile(m_file, "precious"));
    m_trash = m_top + QStringLiteral("/.Trash-") + QString::number(::geteuid());
    setTopFolderForTests(m_top);
}

void TestTrust::mountTrash_data()
{
    QTest::addColumn<QString>("plant");
    QTest::addColumn<QString>("trash"); // when refused, words of the reason
    QTest::newRow("none yet: .Trash-uid made private") << "" << ".Trash-%1";
    QTest::newRow("sticky .Trash: .Trash/uid") << "sticky" << ".Trash/%1";
    QTest::newRow(".Trash not sticky: ignored") << "unsticky" << ".Trash-%1";
    QTest::newRow(".Trash a link to a sticky folder: ignored") << "sticky link" << ".Trash-%1";
    const QString unsafe = QStringLiteral("no trash that Linkcrate can use safely");
    QTest::newRow(".Trash-uid writable by its group: refused") << "0720" << unsafe;
    QTest::newRow(".Trash-uid writable by all: refused") << "0702" << unsafe;
    QTest::newRow(".Trash-uid a link to another's folder: refused") << "link" << unsafe;
    QTest::newRow(".Trash-uid a file: refused") << "file" << unsafe;
    QTest::newRow(".Trash-uid/info writable by its group: refused") << "info" << "sub-folder that can be written";
    QTest::newRow(".Trash-uid of another user: refused") << "chown" << unsafe;
    QTest::newRow("record cannot be written: file stays") << "full" << "record cannot be written";
    QTest::newRow("trash on another file system: never copied") << "xdev" << "another file system";
}

void TestTrust::mountTrash()
{
    QFETCH(QString, plant);
    QFETCH(QString, trash);
    const QString theirs = m_dir->filePath(QStringLiteral("theirs"));
    QVERIFY(QDir().mkdir(theirs));
    if (plant.endsWith(QLatin1String("sticky")))
        QVERIFY(makeFolder(m_top + QStringLiteral("/.Trash"), plant == QLatin1String("sticky") ? 01777 : 0777));
    else if (plant == QLatin1String("link"))
        QVERIFY(QFile::link(theirs, m_trash));
    else if (plant == QLatin1String("sticky link"))
        QVERIFY(makeFolder(theirs, 01777) && QFile::link(theirs, m_top + QStringLiteral("/.Trash")));
    else if (plant == QLatin1String("file"))
        QVERIFY(writeFile(m_trash, ""));
    else if (plant.startsWith(u'0') || plant == QLatin1String("info"))
        QVERIFY(makeFolder(m_trash, plant == QLatin1String("info") ? 0700 : mode_t(plant.toUInt(nullptr, 8)))
                && (plant != QLatin1String("info") || makeFolder(m_trash + QStringLiteral("/info"), 0720)));
    else if (plant == QLatin1String("chown") && !(makeFolder(m_trash, 0700) && ::chown(QFile::encodeName(m_trash).constData(), 65534, 65534) == 0))
        QSKIP("planting a folder owned by another user needs root");
    QTemporaryDir otherFileSystem(QStringLiteral("/dev/shm/linkcrate-XXXXXX"));
    if (plant == QLatin1String("xdev")) {
        struct stat here {}, there {};
        if (!otherFileSystem.isValid() || ::stat("/dev/shm", &there) != 0 || ::stat(QFile::encodeName(m_top).constData(), &here) != 0
            || here.st_dev == there.st_dev)
            QSKIP("needs /dev/shm on another file system than the temporary folder");
        m_file = otherFileSystem.filePath(QStringLiteral("my bookmarks.html"));
        QVERIFY(writeFile(m_file, "precious"));
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
        QCOMPARE(entries(m_trash + QStringLiteral("/info")), QStringList());
        return;
    }
    const QString folder = m_top + u'/' + trash.arg(::geteuid());
    QVERIFY2(code == RecycleOk, qPrintable(details.error));
    QCOMPARE(details.pathInTrash, folder + QStringLiteral("/files/my bookmarks.html"));
    QCOMPARE(readBytes(details.pathInTrash), QByteArray("precious"));
    QVERIFY(!QFileInfo::exists(m_file));
    struct stat st {};
    QVERIFY(::stat(QFile::encodeName(folder).constData(), &st) == 0 && (st.st_mode & 077) == 0);
    QCOMPARE(details.infoPath, folder + QStringLiteral("/info/my bookmarks.html.trashinfo"));
    const QString record = QString::fromUtf8(readBytes(details.infoPath));
    const QString form = QStringLiteral("^\\[Trash Info\\]\nPath=%1\nDeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n$");
    QVERIFY2(QRegularExpression(form.arg(QRegularExpression::escape(QUrl::toPercentEncoding(m_file, "/")))).match(record).hasMatch(),
             qPrintable(record));
}

void TestTrust::trashNamesAndPutBackNeverReplace()
{
    // A stray file without its record, and a record without its file, keep their names.
    QVERIFY(makeFolder(m_trash, 0700) && QDir().mkpath(m_trash + QStringLiteral("/files")) && QDir().mkpath(m_trash + QStringLiteral("/info")));
    QVERIFY(writeFile(m_trash + QStringLiteral("/files/my bookmarks.html"), "stray"));
    QVERIFY(writeFile(m_trash + QStringLiteral("/info/my bookmarks.html.2.trashinfo"), "orphan"));
    RecycleDetails details;
    QCOMPARE(RecycleFile(m_file, false, nullptr, &details), qint32(RecycleOk));
    QCOMPARE(details.pathInTrash, m_trash + QStringLiteral("/files/my bookmarks.html.3"));
    QCOMPARE(readBytes(m_trash + QStringLiteral("/files/my bookmarks.html")), QByteArray("stray"));
    // The record made for the name that was taken went with it.
    QCOMPARE(entries(m_trash + QStringLiteral("/info")),
             (QStringList{"my bookmarks.html.2.trashinfo", "my bookmarks.html.3.trashinfo"}));

    QVERIFY(writeFile(m_file, "newer"));
    QString error;
    QVERIFY(!PutBack(details, m_file, error) && error.contains(QStringLiteral("could not be put back")));
    QCOMPARE(readBytes(m_file), QByteArray("newer"));
    QVERIFY(QFile::remove(m_file));
    QVERIFY2(PutBack(details, m_file, error), qPrintable(error));
    QCOMPARE(readBytes(m_file), QByteArray("precious"));
    QVERIFY(!QFileInfo::exists(details.infoPath));
}

void TestTrust::lockPathInTheWay_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("dangling link") << "link";
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("another user's file") << "foreign";
}

void TestTrust::lockPathInTheWay()
{
    QFETCH(QString, kind);
    const QString lockPath = BookmarkLock::lockFileName(m_file);
    const QByteArray name = QFile::encodeName(lockPath);
    if (kind == QLatin1String("foreign")) {
        QVERIFY(writeFile(lockPath, ""));
        if (::chown(name.constData(), 65534, 65534) != 0)
            QSKIP("planting a file owned by another user needs root");
    } else {
        QVERIFY(kind == QLatin1String("folder") ? QDir().mkdir(lockPath)
                : kind == QLatin1String("link") ? QFile::link(QStringLiteral("gone"), lockPath)
                                                 : ::mkfifo(name.constData(), 0600) == 0);
    }
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
    // Another writer's lock is waited for, and said to be under way...
    const QString lockPath = BookmarkLock::lockFileName(m_file);
    auto other = std::make_unique<BookmarkLock>(m_file);
    QVERIFY(other->tryLock(0));
    BookmarkLock lock(m_file);
    QVERIFY(!lock.tryLock(50));
    QVERIFY2(lock.errorString().contains(QStringLiteral("another addition")), qPrintable(lock.errorString()));
    // ...but the file a killed writer leaves behind holds no lock, and is taken and removed.
    other.reset();
    QVERIFY(writeFile(lockPath, ""));
    QVERIFY2(lock.tryLock(0), qPrintable(lock.errorString()));
    lock.unlock();
    QVERIFY(!QFileInfo::exists(lockPath));
    // A lock file that took its place meanwhile is another writer's: it stays.
    QVERIFY(lock.tryLock(0) && writeFile(lockPath + ".new", "")
            && ::rename(QFile::encodeName(lockPath + ".new").constData(), QFile::encodeName(lockPath).constData()) == 0);
    lock.unlock();
    QVERIFY(QFileInfo::exists(lockPath));
}

void TestTrust::recoveryLeavesWhatIsNotOurs_data()
{
    QTest::addColumn<QString>("plant");
    QTest::addColumn<QString>("why");
    QTest::newRow("a link to someone's file") << "link" << "symbolic link";
    QTest::newRow("another user's file") << "foreign" << "belongs to another user";
    QTest::newRow("a file with a second name") << "hard link" << "other names";
}

void TestTrust::recoveryLeavesWhatIsNotOurs()
{
    QFETCH(QString, plant);
    QFETCH(QString, why);
    // The bookmark file is missing, and a complete file waits in its temporary's place.
    const QString theirs = m_dir->filePath(QStringLiteral("theirs.html")), tmp = m_file + QStringLiteral(".tmp");
    QVERIFY(writeFile(plant == QLatin1String("foreign") ? tmp : theirs, "<DL><p>\n</DL>\n") && QFile::remove(m_file));
    if (plant == QLatin1String("foreign") && ::chown(QFile::encodeName(tmp).constData(), 65534, 65534) != 0)
        QSKIP("planting a file owned by another user needs root");
    if (plant != QLatin1String("foreign"))
        QVERIFY(plant == QLatin1String("link") ? QFile::link(theirs, tmp) : ::link(QFile::encodeName(theirs).constData(),
                                                                             QFile::encodeName(tmp).constData()) == 0);
    const BookmarkRecovery::Result result = BookmarkRecovery::recover(m_file);
    QCOMPARE(int(result.outcome), int(BookmarkRecovery::Outcome::Nothing));
    QVERIFY2(result.error.message().contains(why), qPrintable(result.error.message()));
    QVERIFY(!QFileInfo::exists(m_file) && QFileInfo(tmp).isSymLink() == (plant == QLatin1String("link")));
    QCOMPARE(readBytes(tmp), QByteArray("<DL><p>\n</DL>\n"));
}

void TestTrust::tamperedUndoRecord_data()
{
    // Each row changes one fact of a true record, as a hand-edited settings file can.
    QTest::addColumn<QString>("fact");
    QTest::newRow("none: the undo goes ahead") << "";
    QTest::newRow("the file's path through ..") << "dotdot";
    QTest::newRow("the entry outside the trash, its identity copied") << "entry";
    QTest::newRow("the record outside the trash") << "record";
    QTest::newRow("a record that names another file") << "names";
    QTest::newRow("a record of another entry") << "other";
    QTest::newRow("the entry's inode alone") << "inode";
    QTest::newRow("the entry's size alone") << "size";
    QTest::newRow("the entry's time alone") << "time";
    QTest::newRow("the entry gone from the trash") << "gone";
}

void TestTrust::tamperedUndoRecord()
{
    QFETCH(QString, fact);
    // Named as the trash's entry and its record are, in a folder that is no trash.
    const QString victim = m_dir->filePath(QStringLiteral("my bookmarks.html"));
    QVERIFY(writeFile(victim, "victim"));
    QVERIFY(QDir().mkpath(m_top + QStringLiteral("/sub")));
    LastAddition record = replaceWith("newer");
    QVERIFY(record.isValid());
    const QString otherInfo = m_trash + QStringLiteral("/info/other.trashinfo");
    QVERIFY(writeFile(otherInfo, readBytes(record.infoPath)));
    struct stat st {};
    ::stat(QFile::encodeName(victim).constData(), &st);
    if (fact == QLatin1String("dotdot"))
        record.file = m_top + QStringLiteral("/sub/../my bookmarks.html");
    else if (fact == QLatin1String("entry"))
        record.pathInTrash = victim, record.previous = FileIdentity::of(st);
    else if (fact == QLatin1String("record") && QFile::copy(record.infoPath, victim + QStringLiteral(".trashinfo")))
        record.infoPath = victim + QStringLiteral(".trashinfo");
    else if (fact == QLatin1String("names"))
        QVERIFY(writeFile(record.infoPath, readBytes(record.infoPath).replace("my%20bookmarks", "victim")));
    else if (fact == QLatin1String("other"))
        record.infoPath = otherInfo;
    if (fact == QLatin1String("gone"))
        QVERIFY(QFile::remove(record.pathInTrash));
    record.previous.inode += fact == QLatin1String("inode");
    record.previous.size += fact == QLatin1String("size");
    record.previous.mtimeNs += fact == QLatin1String("time");
    const QStringList trashed = entries(m_trash + QStringLiteral("/files")) + entries(m_trash + QStringLiteral("/info"));

    const FileError error = LastAddition::fromMap(record.toMap()).undo();
    QCOMPARE(readBytes(victim), QByteArray("victim"));
    QVERIFY(fact.isEmpty() || QFileInfo::exists(record.infoPath));
    QVERIFY2(error.kind == (fact.isEmpty() ? FileError::Kind::None : FileError::Kind::Unusable), qPrintable(error.message()));
    QCOMPARE(readBytes(m_file), QByteArray(fact.isEmpty() ? "precious" : "newer"));
    if (!fact.isEmpty())
        QCOMPARE(entries(m_trash + QStringLiteral("/files")) + entries(m_trash + QStringLiteral("/info")), trashed);
}

void TestTrust::trashKeepsVersions_data()
{
    QTest::addColumn<int>("keep");
    QTest::addColumn<int>("kept");
    QTest::newRow("the default") << -1 << 5;
    QTest::newRow("two") << 2 << 2;
    QTest::newRow("0 keeps all") << 0 << 5;
}

void TestTrust::trashKeepsVersions()
{
    QFETCH(int, keep);
    QFETCH(int, kept);
    QSettings settings(QStringLiteral("Linkcrate"), QStringLiteral("Linkcrate"));
    if (keep >= 0)
        settings.setValue(QStringLiteral("Trash/KeepVersions"), keep);
    else
        settings.remove(QStringLiteral("Trash/KeepVersions"));
    settings.sync();
    // What others put in the trash, one of them under a name that was ours.
    QVERIFY(makeFolder(m_trash, 0700) && QDir().mkpath(m_trash + QStringLiteral("/files")) && QDir().mkpath(m_trash + QStringLiteral("/info")));
    QVERIFY(writeFile(m_trash + QStringLiteral("/files/theirs"), "theirs"));
    LastAddition record;
    for (int n = 0; n < 4; ++n)
        QVERIFY((record = replaceWith("version " + QByteArray::number(n))).isValid());
    // Their file in its place, of the same size and time as ours was.
    const QByteArray reused = QFile::encodeName(m_trash + QStringLiteral("/files/my bookmarks.html.3"));
    struct stat st {};
    QVERIFY(::stat(reused.constData(), &st) == 0 && writeFile(reused + ".new", QByteArray("theirs too").left(st.st_size)));
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    QVERIFY(::utimensat(AT_FDCWD, QByteArray(reused + ".new").constData(), times, 0) == 0 && ::rename(QByteArray(reused + ".new").constData(), reused.constData()) == 0);
    QVERIFY((record = replaceWith("version 4")).isValid());
    QVERIFY((record = replaceWith("version 5")).isValid());

    QStringList files = entries(m_trash + QStringLiteral("/files"));
    QVERIFY(files.removeAll(QStringLiteral("theirs")) && files.removeAll(QStringLiteral("my bookmarks.html.3")));
    QCOMPARE(files.size(), kept);
    QCOMPARE(readBytes(reused), QByteArray("theirs too").left(st.st_size));
    QVERIFY(!record.undo().failed());
    QCOMPARE(readBytes(m_file), QByteArray("version 4"));
}

void TestTrust::withoutHardLinks()
{
    // With links the file keeps its name throughout: gone, it was removed by its user, and stays gone.
    QVERIFY(replaceWith("newer").isValid() && QFile::remove(m_file));
    QCOMPARE(int(BookmarkRecovery::recover(m_file).outcome), int(BookmarkRecovery::Outcome::Nothing));
    QVERIFY(!QFileInfo::exists(m_file) && writeFile(m_file, "precious"));
    const QStringList trashed = entries(m_trash + QStringLiteral("/files")) + entries(m_trash + QStringLiteral("/info"));
    // The new version cannot take the name: the old one stays, and the trash is as it was.
    for (const bool noLinks : {false, true}) {
        setNoLinksForTests(noLinks);
        QVERIFY(!replaceWith("lost", true).isValid());
        QCOMPARE(readBytes(m_file), QByteArray("precious"));
        QCOMPARE(entries(m_trash + QStringLiteral("/files")) + entries(m_trash + QStringLiteral("/info")), trashed);
    }
    const LastAddition record = replaceWith("newer");
    QVERIFY(!record.undo().failed());
    QCOMPARE(readBytes(m_file), QByteArray("precious"));
    // Killed between an undo's two moves: the file in the trash, its name free.
    QVERIFY(replaceWith("newer").isValid());
    RecycleDetails details;
    QCOMPARE(RecycleFile(m_file, false, nullptr, &details), qint32(RecycleOk));
    const BookmarkRecovery::Result result = BookmarkRecovery::recover(m_file);
    QCOMPARE(int(result.outcome), int(BookmarkRecovery::Outcome::Restored));
    QCOMPARE(readBytes(m_file), QByteArray("newer"));
    QVERIFY(!QFileInfo::exists(details.infoPath));
}

LINKCRATE_TEST_MAIN(TestTrust, QCoreApplication)
#include "test_trust.moc"
