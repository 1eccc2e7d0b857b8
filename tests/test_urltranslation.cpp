#include "TestSupport.h"

#include "bookmarks/EntryCheck.h"
#include "platform/UrlTranslation.h"

#include <QCoreApplication>

class TestUrlTranslation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void translate_data();
    void translate();
    void trim0_data();
    void trim0();
    void entryCheck_data();
    void entryCheck();
};

void TestUrlTranslation::translate_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("result");

    const int translated = UrlTranslation::Translated;
    const int notNeeded = UrlTranslation::NotNeeded;
    const int failed = UrlTranslation::Failed;
    QTest::newRow("bare host gets http") << "example.com" << translated << "http://example.com";
    QTest::newRow("ftp host gets ftp") << "ftp.example.com" << translated << "ftp://ftp.example.com";
    QTest::newRow("absolute path becomes a file address") << "/home/ann/notes.txt" << translated
                                                          << "file:///home/ann/notes.txt";
    QTest::newRow("host and port") << "example.com:8080/x" << translated << "http://example.com:8080/x";
    QTest::newRow("spaces around are dropped") << "  example.com  " << translated << "http://example.com";
    QTest::newRow("scheme given: unchanged") << "https://Example.com/A?b=c" << notNeeded
                                             << "https://Example.com/A?b=c";
    QTest::newRow("mailto given: unchanged") << "mailto:ann@example.com" << notNeeded << "mailto:ann@example.com";
    const QString longPath = QStringLiteral("example.com/") + QString(400, u'p');
    QTest::newRow("over 260 characters is never cut") << longPath << translated << "http://" + longPath;
    QTest::newRow("cannot be translated: kept as typed") << "not a host at all" << failed << "not a host at all";
    QTest::newRow("blank cannot be translated") << "   " << failed << "   ";
}

void TestUrlTranslation::translate()
{
    QFETCH(QString, typed);
    QFETCH(int, code);
    QFETCH(QString, result);
    QCOMPARE(int(UrlTranslation::translate(typed).code), code);
    QCOMPARE(TranslateURL(typed), result);
}

void TestUrlTranslation::trim0_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("no NUL: trimmed of spaces") << "  http://e.x/  " << "http://e.x/";
    QTest::newRow("cut before the first NUL") << QStringLiteral("http://e.x/ ") + QChar(0) + QStringLiteral("junk")
                                              << "http://e.x/";
    QTest::newRow("first character NUL") << QString(QChar(0)) + QStringLiteral("abc") << "";
    QTest::newRow("tabs are not spaces") << "\thttp://e.x/\t" << "\thttp://e.x/\t";
}

void TestUrlTranslation::trim0()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(Trim0(in), out);
}

void TestUrlTranslation::entryCheck_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("verdict");
    const int ok = int(EntryCheck::Verdict::Ok);
    const int refused = int(EntryCheck::Verdict::RefusedCharacter);
    const int noName = int(EntryCheck::Verdict::EmptyName);
    const int noUrl = int(EntryCheck::Verdict::EmptyUrl);
    for (const QChar c : EntryCheck::RefusedCharacters)
        QTest::addRow("refused %c", c.toLatin1()) << QStringLiteral("a%1b").arg(c) << "u" << refused;
    QTest::newRow("refused character alone, before blank") << "&" << "" << refused;
    QTest::newRow("spaces only") << "   " << "u" << noName;
    QTest::newRow("both empty: only the name") << "" << "" << noName;
    QTest::newRow("address blank") << "Name" << "  " << noUrl;
    QTest::newRow("address not checked for characters") << "Name" << "http://e.x/?a=\"<>|" << ok;
    QTest::newRow("text kept as it stands") << " padded name " << "u" << ok;
}

void TestUrlTranslation::entryCheck()
{
    QFETCH(QString, text);
    QFETCH(QString, url);
    QFETCH(int, verdict);
    QCOMPARE(int(EntryCheck::check(text, url)), verdict);
}

LINKCRATE_TEST_MAIN(TestUrlTranslation, QCoreApplication)
#include "test_urltranslation.moc"
