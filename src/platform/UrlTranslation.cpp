#include "platform/UrlTranslation.h"

#include <QRegularExpression>
#include <QUrl>

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
    const QUrl guessed = QUrl::fromUserInput(typed);
    if (!guessed.isValid() || guessed.isEmpty() || guessed.host().contains(QLatin1Char(' ')))
        return {Failed, {}};
    return {Translated, guessed.toString(QUrl::FullyEncoded)};
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
