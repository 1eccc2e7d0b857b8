#include "TestSupport.h"

#include "bookmarks/BookmarkInserter.h"
#include "bookmarks/BookmarkLock.h"
#include "bookmarks/BookmarkRecovery.h"
#include "bookmarks/FolderCatalogue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <thread>

namespace {

const QByteArray Complete = "<DL><p>\n<DT><H3>A</H3>\n<DL><p>\n</DL>\n</DL>\n";

// The file with `line` added at the top of the root list.
QByteArray withRootLine(const QByteArray &file, const QByteArray &line)
{
    const qsizetype at = file.indexOf('\n') + 1;
    return file.left(at) + line + '\n' + file.mid(at);
}

} // namespace

class TestRobustness : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void recoveryThroughALink();
    void killedAtAnyInstant();
    void parallelWriters();

private:
    std::unique_ptr<QTemporaryDir> m_dir, m_config;
    QString m_file;
};

void TestRobustness::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_file = m_dir->filePath(QStringLiteral("bookmarks.html"));
    // Settings of their own for each test's programs: a program killed while Qt
    // wrote its settings leaves their lock file half-written, and Qt waits 30 s
    // before it takes such a file for stale.
    m_config = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->path()));
}

void TestRobustness::recoveryThroughALink()
{
    // The link's target went to the trash; its complete new version waits beside it.
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("synced"))));
    const QString real = m_dir->filePath(QStringLiteral("synced/real.html"));
    QVERIFY(writeFile(real + QStringLiteral(".tmp"), Complete));
    QVERIFY(QFile::link(QStringLiteral("synced/real.html"), m_file));
    const BookmarkRecovery::Result result = BookmarkRecovery::recover(m_file);
    QCOMPARE(int(result.outcome), int(BookmarkRecovery::Outcome::Restored));
    QCOMPARE(readBytes(real), Complete);
    QVERIFY(QFileInfo(m_file).isSymLink());
    QCOMPARE(entries(m_dir->filePath(QStringLiteral("synced"))), QStringList{"real.html"});
}

void TestRobustness::killedAtAnyInstant()
{
    // A file large enough that the copy, the trash and the rename take a while.
    QByteArray file = "<DL><p>\n";
    for (int i = 0; i < 20000; ++i)
        file += "    <DT><A HREF=\"https://example.com/" + QByteArray::number(i) + "\" ADD_DATE=\"1\">Entry</A>\n";
    file += "</DL><p>\n";
    QVERIFY(writeFile(m_file, file));

    const auto run = [&](const QStringList &arguments, int killAfterUs) {
        QProcess process;
        process.start(QStringLiteral(LINKCRATE_ADD), arguments);
        if (!process.waitForStarted())
            return -1;
        // The wait ends with the program: a start measured slow on a busy
        // machine costs nothing in the runs that are quick.
        if (killAfterUs >= 0 && !process.waitForFinished(killAfterUs / 1000)) {
            QThread::usleep(quint64(killAfterUs % 1000));
            process.kill();
        }
        process.waitForFinished();
        return process.exitCode();
    };
    const auto addition = [&](int n) {
        return QStringList{QStringLiteral("--file"), m_file, QStringLiteral("--text"), QStringLiteral("k%1").arg(n),
                           QStringLiteral("https://k.example/")};
    };
    // Kills land between the end of the program's start and the end of its work.
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(run({QStringLiteral("--version")}, -1), 0);
    const qint64 started = timer.restart();
    QCOMPARE(run(addition(-1), -1), 0);
    const qint64 whole = std::max<qint64>(timer.elapsed(), started + 5);
    QByteArray expected = withRootLine(file, "<DT><A HREF=\"https://k.example/\">k-1</A>");
    QCOMPARE(readBytes(m_file), expected);

    int unchanged = 0;
    int added = 0;
    QByteArray before; // what an undo would bring back; empty when there is nothing to undo
    for (int n = 0; n < 60; ++n) {
        // Every third kill lands in an undo.
        const bool undo = n % 3 == 2 && !before.isEmpty();
        run(undo ? QStringList{QStringLiteral("--file"), m_file, QStringLiteral("--undo")} : addition(n),
            int(started * 1000 + QRandomGenerator::global()->bounded((whole - started) * 1000 + 1)));
        const BookmarkRecovery::Result recovery = BookmarkRecovery::recover(m_file);
        QVERIFY2(!recovery.error.failed(), qPrintable(recovery.error.message()));
        QVERIFY2(QFileInfo::exists(m_file), "the bookmark file went missing");
        const QByteArray now = readBytes(m_file);
        const QByteArray next = undo ? before
                                     : withRootLine(expected, "<DT><A HREF=\"https://k.example/\">k" + QByteArray::number(n) + "</A>");
        if (now == expected) {
            ++unchanged;
        } else {
            QVERIFY2(now == next, qPrintable(QStringLiteral("kill %1 left a file of %2 bytes").arg(n).arg(now.size())));
            ++added;
            before = undo ? QByteArray() : expected;
            expected = next;
        }
        QVERIFY(!QFileInfo::exists(m_file + QStringLiteral(".tmp")));
        for (const QString &record : entries(trashDir() + QStringLiteral("/info")))
            QVERIFY2(QFileInfo::exists(trashDir() + QStringLiteral("/files/") + record.chopped(10)), qPrintable(record));
    }
    qInfo("60 kills: %d left the old version, %d the new one", unchanged, added);
}

void TestRobustness::parallelWriters()
{
    const QByteArray original = readBytes(fixture(QStringLiteral("firefox-lf.html")));
    QVERIFY(writeFile(m_file, original));
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int n = 0; n < 20; ++n) {
        auto process = std::make_unique<QProcess>();
        process->start(QStringLiteral(LINKCRATE_ADD),
                       {QStringLiteral("--file"), m_file, QStringLiteral("--folder"), QStringLiteral("Other Bookmarks/Straße"),
                        QStringLiteral("--text"), QStringLiteral("parallel %1").arg(n), QStringLiteral("https://p.example/%1").arg(n)});
        writers.push_back(std::move(process));
    }
    // The window's way meanwhile, ten additions and some undos: its own lock, and
    // the folders read again after a refusal (a busy lock is refused too).
    // And readers without the lock all along, as a browser or a sync tool opens
    // the file: each finds a whole version.
    const QByteArray end = original.right(16);
    std::atomic<int> reads = 0, broken = 0;
    std::jthread reader([&](const std::stop_token &stop) {
        for (; !stop.stop_requested(); ++reads) {
            QFile file(m_file);
            broken += file.open(QIODevice::ReadOnly) && file.readAll().endsWith(end) ? 0 : 1;
        }
    });
    int n = 20;
    for (int attempt = 0; n < 30 && attempt < 500; ++attempt) {
        FolderCatalogue catalogue;
        QVERIFY(!catalogue.read(m_file).failed());
        // The lock is waited for briefly, as the window does, so that twenty writers
        // ahead cannot stretch the test.
        BookmarkLock lock(m_file);
        LastAddition record;
        const FileError error = lock.tryLock(200)
            ? BookmarkInserter::insert(catalogue, 4, QStringLiteral("https://p.example/%1").arg(n),
                                       QStringLiteral("parallel %1").arg(n), {}, &lock, &record)
            : FileError::changed(m_file, lock.errorString());
        QVERIFY2(!error.failed() || error.kind == FileError::Kind::Changed, qPrintable(error.message()));
        // Now and then undone at once, unless another writer came first; added again next time.
        n += error.failed() || (attempt % 4 == 0 && !record.undo(&lock).failed()) ? 0 : 1;
        QThread::msleep(10); // room for the others between two additions
        QCoreApplication::processEvents();
    }
    for (auto &process : writers) {
        QVERIFY(process->state() == QProcess::NotRunning || process->waitForFinished(120000));
        QVERIFY2(process->exitCode() == 0, process->readAllStandardError().constData());
    }
    reader.request_stop();
    reader.join();
    QVERIFY(reads > 0);
    QCOMPARE(int(broken), 0);
    QByteArray result = readBytes(m_file);
    for (int i = 0; i < n; ++i) {
        const QByteArray line = "<DT><A HREF=\"https://p.example/" + QByteArray::number(i) + "\">parallel "
            + QByteArray::number(i) + "</A>\n";
        QCOMPARE(result.count(line), 1);
        result.replace(line, "");
    }
    QCOMPARE(result, original);
    QCOMPARE(entries(m_dir->path()), QStringList{"bookmarks.html"});
}

LINKCRATE_TEST_MAIN(TestRobustness, QCoreApplication)
#include "test_robustness.moc"
