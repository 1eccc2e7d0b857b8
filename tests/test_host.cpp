#include "TestSupport.h"

#include "platform/Settings.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

const QStringList Chromium{"chrome-extension://" LINKCRATE_CHROMIUM_ID "/"};

QByteArray frame(const QByteArray &body, qint64 length = -1)
{
    const quint32 n = quint32(length < 0 ? body.size() : length);
    return QByteArray(reinterpret_cast<const char *>(&n), 4) + body;
}

// The real host, spoken to frame by frame as a browser does.
struct Host
{
    QProcess process;
    QByteArray out;
    qsizetype lastSize = 0;

    explicit Host(const QStringList &arguments = Chromium) { process.start(LINKCRATE_HOST, arguments); }
    QJsonObject ask(const QByteArray &raw, bool last = false)
    {
        process.write(raw);
        if (last)
            process.closeWriteChannel();
        quint32 n = 0;
        for (bool more = true;; more = process.waitForReadyRead(20000)) {
            out += process.readAllStandardOutput();
            if (out.size() >= 4)
                memcpy(&n, out.constData(), 4);
            if (out.size() >= 4 && out.size() >= 4 + qsizetype(n))
                break;
            if (!more)
                return {};
        }
        lastSize = 4 + n;
        const QJsonObject reply = QJsonDocument::fromJson(out.mid(4, n)).object();
        out.remove(0, lastSize);
        return reply;
    }
    QJsonObject request(const QJsonObject &r) { return ask(frame(QJsonDocument(r).toJson(QJsonDocument::Compact))); }
    int finish()
    {
        process.closeWriteChannel();
        return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
};

} // namespace

class TestHost : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void badInput_data();
    void badInput();
    void addCheckUndo();
    void largeTree();

private:
    QString m_file;
    QTemporaryDir m_dir;
};

void TestHost::init()
{
    m_file = m_dir.filePath("bookmarks.html");
    QVERIFY(writeFile(m_file, readBytes(fixture("firefox-lf.html"))));
    Settings(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Linkcrate/Linkcrate.conf").setBookmarks(m_file);
}

void TestHost::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("message"); // in the reply
    QTest::addColumn<int>("code");

    const QByteArray ping = R"({"request":"ping"})";
    QTest::newRow("another extension") << QStringList{"/m.json", "other@example.org"} << frame(ping) << "only Linkcrate's" << 1;
    QTest::newRow("length over the limit") << Chromium << frame(ping, 1 << 30) << "longer than the 65536 bytes" << 1;
    QTest::newRow("truncated") << Chromium << frame(ping, 40) << "ended before its 40 bytes" << 1;
    QTest::newRow("length cut short") << Chromium << QByteArray("\x10\0", 2) << "ended inside its length" << 1;
    QTest::newRow("length shorter than the JSON") << Chromium << frame(ping, 5) << "not a JSON object" << 1;
    QTest::newRow("invalid JSON") << Chromium << frame("{\"request\":") << "not a JSON object" << 0;
    QTest::newRow("invalid UTF-8") << Chromium << frame("{\"request\":\"p\xff\"}") << "not UTF-8" << 0;
    QTest::newRow("not an object") << Chromium << frame("[1]") << "not a JSON object" << 0;
    QTest::newRow("unknown request") << Chromium << frame(R"({"request":"format"})") << "Unknown request \"format\"" << 0;
    QTest::newRow("missing field") << Chromium << frame(R"({"request":"add","address":"a.example","path":""})")
                                   << "has no \"title\"" << 0;
    QTest::newRow("wrong type") << Chromium << frame(R"({"request":"add","title":1,"address":"a","path":""})")
                                << "\"title\" must be text" << 0;
    QTest::newRow("folder not a number") << Chromium
        << frame(R"({"request":"add","title":"t","address":"a","folder":1.5,"identity":"1:2:3:4"})") << "\"folder\" must be a whole" << 0;
    QTest::newRow("no such path") << Chromium << frame(R"({"request":"add","title":"t","address":"a","path":"Nope"})")
                                  << "no folder \"Nope\"" << 0;
    QTest::newRow("identity not the tree's") << Chromium
        << frame(R"({"request":"add","title":"t","address":"a","folder":1,"identity":"x"})") << "not one the tree gave" << 0;
    QTest::newRow("index into another version") << Chromium
        << frame(R"({"request":"add","title":"t","address":"a","folder":1,"identity":"1:2:3:4"})") << "changed" << 0;
}

// Nothing is written, the reply says why, and a broken stream ends the host.
void TestHost::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QString, message);
    QFETCH(int, code);
    Host host(arguments);
    const QJsonObject reply = host.ask(input, true);
    const QString text = reply.value("message").toString() + reply.value("kind").toString();
    QVERIFY2(text.contains(message), qPrintable(text));
    QCOMPARE(reply.value("ok").toBool(), false);
    QCOMPARE(host.finish(), code);
    QCOMPARE(readBytes(m_file), readBytes(fixture("firefox-lf.html")));
    QCOMPARE(entries(m_dir.path()), QStringList{"bookmarks.html"});
}

// A page's title as the page has it, into a nested folder chosen from the tree;
// then undone, so the file is as it was. One host for every request.
void TestHost::addCheckUndo()
{
    const QByteArray before = readBytes(m_file);
    Host host;
    QCOMPARE(host.request({{"request", "ping"}, {"id", 7}}).value("id").toInt(), 7);
    const QJsonObject tree = host.request({{"request", "tree"}});
    QCOMPARE(tree.value("folders").toArray().at(4), (QJsonArray{3, "Straße"}));
    QCOMPARE(tree.value("file").toString(), m_file);
    const QJsonObject added = host.request({{"request", "add"}, {"title", "<img src=x onerror=\"f()\"> & Co: a/b?"},
                                            {"address", "de.example/k"}, {"folder", 4}, {"identity", tree.value("identity")}});
    QVERIFY2(added.value("ok").toBool(), qPrintable(added.value("message").toString()));
    QByteArray expected = before;
    expected.replace("Straße</H3>\n        <DL><p>\n",
                     "Straße</H3>\n        <DL><p>\n<DT><A HREF=\"http://de.example/k\">&lt;img src=x onerror=&quot;f()&quot;&gt; &amp; Co: a/b?</A>\n");
    QCOMPARE(readBytes(m_file), expected);
    const QJsonObject again = host.request({{"request", "check"}, {"address", "HTTP://DE.example/k"}});
    QCOMPARE(again.value("folders").toArray(), QJsonArray{4});
    const QJsonObject blank = host.request({{"request", "add"}, {"title", " "}, {"address", "x.example"}, {"folder", -1},
                                            {"identity", host.request({{"request", "tree"}}).value("identity")}});
    QVERIFY(blank.value("ok").toBool());
    QVERIFY(readBytes(m_file).contains("<DL><p>\n<DT><A HREF=\"http://x.example\">http://x.example</A>\n"));
    QCOMPARE(host.request({{"request", "tree"}}).value("last").toInt(), -1);
    QVERIFY(host.request({{"request", "undo"}}).value("ok").toBool());
    QCOMPARE(readBytes(m_file), expected);
    QCOMPARE(host.finish(), 0);
    Settings(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Linkcrate/Linkcrate.conf").setBookmarks("");
    QCOMPARE(Host().request({{"request", "tree"}}).value("kind").toString(), "noFile");
}

// Twenty thousand folders, ten deep, with long names: the reply fits the browsers' 1 MB.
void TestHost::largeTree()
{
    QByteArray file = "<DL><p>\n";
    for (int i = 0; i < 20000; ++i) {
        file += "<DT><H3>Folder " + QByteArray::number(i) + " Bibliothèque &amp; Übersicht</H3>\n<DL><p>\n";
        if (i % 10 == 9)
            file += QByteArray("</DL>\n").repeated(10);
    }
    QVERIFY(writeFile(m_file, file + "</DL>\n"));
    Host host;
    const QJsonObject tree = host.request({{"request", "tree"}});
    QCOMPARE(tree.value("folders").toArray().size(), 20000);
    QCOMPARE(tree.value("folders").toArray().at(19999), (QJsonArray{19998, "Folder 19999 Bibliothèque & Übersicht"}));
    QVERIFY2(host.lastSize < 1024 * 1024, qPrintable(QString::number(host.lastSize)));
}

LINKCRATE_TEST_MAIN(TestHost, QCoreApplication)
#include "test_host.moc"
