#include "platform/UrlTranslation.h"

#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace {

bool isHex(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// `text` with what a browser's URL parser escapes written as UTF-8 escapes:
// controls, space, the characters of `alsoEscaped` and everything beyond ASCII.
// A '%' stays as typed, a stray one included, as browsers keep it.
QString escapeAsBrowsers(QStringView text, QStringView alsoEscaped)
{
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (c.unicode() > 0x20 && c.unicode() < 0x7F && !alsoEscaped.contains(c)) {
            out += c;
        } else {
            for (const char b : text.sliced(i, pair ? 2 : 1).toUtf8())
                out += QStringLiteral("%%1").arg(uint(uchar(b)), 2, 16, QLatin1Char('0')).toUpper();
        }
        i += pair ? 2 : 1;
    }
    return out;
}

// What follows the host: the path, the query and the fragment, each escaped with
// the characters a browser escapes in it.
QString escapeAfterHost(QStringView rest)
{
    const qsizetype hash = rest.indexOf(u'#');
    const QStringView beforeHash = hash < 0 ? rest : rest.first(hash);
    const qsizetype question = beforeHash.indexOf(u'?');
    const QStringView path = question < 0 ? beforeHash : beforeHash.first(question);
    QString out = escapeAsBrowsers(path, u"\"<>`{}^");
    if (question >= 0)
        out += QLatin1Char('?') + escapeAsBrowsers(beforeHash.sliced(question + 1), u"\"<>'");
    if (hash >= 0)
        out += QLatin1Char('#') + escapeAsBrowsers(rest.sliced(hash + 1), u"\"<>`");
    return out;
}

} // namespace

namespace UrlTranslation {

Result translate(const QString &url)
{
    const QString typed = url.trimmed();
    if (typed.isEmpty())
        return {Failed, {}};
    // "mailto:x", "https://x" name their scheme; "example.com:8080" is a host and
    // a port, whether a path, a query, a fragment or nothing follows.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:(?!\\d+([/?#]|$))"));
    if (scheme.match(typed).hasMatch())
        return {NotNeeded, {}};
    // Qt's guess, made on the address with its stray '%' escaped, tells whether it
    // is an address at all and gives the scheme and the host; the rest is kept as
    // typed, valid escapes included ("%7e" stays, where Qt writes "~").
    QString escaped;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const bool stray = typed[i] == u'%' && !(i + 2 < typed.size() && isHex(typed[i + 1]) && isHex(typed[i + 2]));
        escaped += stray ? QStringLiteral("%25") : QString(typed[i]);
    }
    const QUrl guessed = QUrl::fromUserInput(escaped);
    if (!guessed.isValid() || guessed.isEmpty() || guessed.host().contains(QLatin1Char(' ')))
        return {Failed, {}};
    if (guessed.isLocalFile())
        return {Translated, guessed.toString(QUrl::FullyEncoded)};
    const QString start = guessed.adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment)
                              .toString(QUrl::FullyEncoded);
    qsizetype hostEnd = 0;
    while (hostEnd < typed.size() && !QStringView(u"/?#").contains(typed[hostEnd]))
        ++hostEnd;
    return {Translated, start + escapeAfterHost(QStringView(typed).sliced(hostEnd))};
}

QString asciiForm(const QString &url)
{
    if (std::all_of(url.cbegin(), url.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        return url;
    // "scheme://host" names a host, which browsers store in its ASCII (punycode)
    // form; an address without one ("javascript:", "mailto:") has only escapes.
    static const QRegularExpression withHost(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*://)([^/?#@]*@)?([^/?#:]*)"));
    const QRegularExpressionMatch match = withHost.match(url);
    if (!match.hasMatch())
        return escapeAsBrowsers(url, u"");
    const QByteArray ace = QUrl::toAce(match.captured(3));
    const QString host = ace.isEmpty() ? escapeAsBrowsers(match.captured(3), u"") : QString::fromLatin1(ace);
    return match.captured(1) + escapeAsBrowsers(match.captured(2), u"") + host
        + escapeAsBrowsers(QStringView(url).sliced(match.capturedEnd(3)), u"");
}

} // namespace UrlTranslation

QString TranslateURL(const QString &url)
{
    const UrlTranslation::Result result = UrlTranslation::translate(url);
    switch (result.code) {
    case UrlTranslation::Translated:
        return Trim0(result.url);
    case UrlTranslation::NotNeeded:
        return url;
    case UrlTranslation::Failed:
        break;
    }
    // What the user typed is worth more than an empty address.
    return url;
}

QString Trim0(const QString &s)
{
    const qsizetype nul = s.indexOf(QChar(0));
    QStringView kept = QStringView(s).first(nul < 0 ? s.size() : nul);
    while (!kept.isEmpty() && kept.front() == QLatin1Char(' '))
        kept = kept.sliced(1);
    while (!kept.isEmpty() && kept.back() == QLatin1Char(' '))
        kept.chop(1);
    return kept.toString();
}
