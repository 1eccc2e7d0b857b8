#include "TestSupport.h"

#include "bookmarks/EntryCheck.h"
#include "bookmarks/TextCodec.h"
#include "platform/UrlTranslation.h"

#include <QCoreApplication>

class TestUrlTranslation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void translate_data();
    void translate();
    void entryCheck_data();
    void entryCheck();
    void declaredCharset_data();
    void declaredCharset();
};

void TestUrlTranslation::translate_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::newRow("bare host gets http") << "example.com" << "http://example.com";
    QTest::newRow("host and port") << "example.com:8080/x" << "http://example.com:8080/x";
    QTest::newRow("host and port, query") << "example.com:8080?x=1" << "http://example.com:8080?x=1";
    QTest::newRow("host and port, fragment") << "example.com:8080#top" << "http://example.com:8080#top";
    QTest::newRow("escapes and a stray % kept as typed") << "example.com/50%-off/caf%C3%A9/%7e"
                                                         << "http://example.com/50%-off/caf%C3%A9/%7e";
    QTest::newRow("what browsers escape, by part") << "München.example/ä {b}?q=ü'{#ö`{"
        << "http://xn--mnchen-3ya.example/%C3%A4%20%7Bb%7D?q=%C3%BC%27{#%C3%B6%60{";
    QTest::newRow("scheme given: unchanged") << "https://Example.com/A?b=c" << "https://Example.com/A?b=c";
    const QString longPath = QStringLiteral("example.com/") + QString(400, u'p');
    QTest::newRow("over 260 characters is never cut") << longPath << "http://" + longPath;
    QTest::newRow("cannot be translated: kept as typed") << "not a host at all" << "not a host at all";
}

void TestUrlTranslation::translate()
{
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QCOMPARE(TranslateURL(typed), result);
}

void TestUrlTranslation::entryCheck_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("verdict");
    const int refused = int(EntryCheck::Verdict::RefusedCharacter);
    const int noName = int(EntryCheck::Verdict::EmptyName);
    for (const char c : QByteArrayView("\\/?\"&<:>*|"))
        QTest::addRow("refused %c", c) << QStringLiteral("a%1b").arg(QLatin1Char(c)) << "u" << refused;
    QTest::newRow("refused character alone, before blank") << "&" << "" << refused;
    const QString invisible = QStringLiteral(" \t\n\u007F\u0085\u00A0\u200B\u3000");
    QTest::newRow("spaces, controls and format characters only") << invisible << "u" << noName;
    QTest::newRow("address blank") << "Name" << invisible << int(EntryCheck::Verdict::EmptyUrl);
    QTest::newRow("address not checked for characters") << "Name" << "http://e.x/?a=\"<>|" << int(EntryCheck::Verdict::Ok);
}

void TestUrlTranslation::entryCheck()
{
    QFETCH(QString, text);
    QFETCH(QString, url);
    QFETCH(int, verdict);
    QCOMPARE(int(EntryCheck::check(text, url)), verdict);
}

// A name in a file's declared charset, shown and written as a browser reads it.
void TestUrlTranslation::declaredCharset_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::newRow("Shift_JIS, 0x5C a backslash") << "Shift_JIS" << QByteArray("\x93\xfa\x96{\\\x95\\") << "日本\\表";
    QTest::newRow("Shift_JIS lacks Hangul and ¥") << "sjis" << QByteArray("\x93\xfa&#54620;&#165;") << "日한¥";
    QTest::newRow("Shift_JIS cut short") << "sjis" << QByteArray("a\x93") << "a\uFFFD";
    QTest::newRow("KOI8-R") << "koi8-r" << QByteArray("\xf0\xd2\xc9\xd7\xc5\xd4") << "Привет";
    QTest::newRow("GB2312 read as GBK") << "GB2312" << QByteArray("\x81@\xd6\xd0") << "丂中";
    QTest::newRow("ISO-2022-JP escapes are never written") << "iso-2022-jp" << QByteArray("&#26085;") << "日";
    QTest::newRow("ISO-8859-1 is Windows-1252") << "ISO-8859-1" << QByteArray("\x80\xe9") << "€é";
    QTest::newRow("EBCDIC would break the markup") << "IBM037" << QByteArray("\xe9") << "é";
    QTest::newRow("UTF-16 read as ASCII is UTF-8") << "utf-16" << QByteArray("\xc3\xa9") << "é";
}

void TestUrlTranslation::declaredCharset()
{
    QFETCH(QString, label);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    const TextCodec codec = TextCodec::forLabel(label.toLatin1());
    QCOMPARE(TextCodec::decodeEntities(codec.decode(bytes)), name);
    if (!name.contains(QChar::ReplacementCharacter))
        QCOMPARE(codec.encode(name), bytes);
}

LINKCRATE_TEST_MAIN(TestUrlTranslation, QCoreApplication)
#include "test_urltranslation.moc"
