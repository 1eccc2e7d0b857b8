#include "bookmarks/EntryCheck.h"

namespace EntryCheck {

namespace {
bool blank(const QString &s)
{
    for (const QChar c : s) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}
} // namespace

Verdict check(const QString &text, const QString &url)
{
    for (const QChar c : text) {
        if (RefusedCharacters.contains(c))
            return Verdict::RefusedCharacter;
    }
    if (blank(text))
        return Verdict::EmptyName;
    if (blank(url))
        return Verdict::EmptyUrl;
    return Verdict::Ok;
}

QString message(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Ok:
        return {};
    case Verdict::RefusedCharacter:
        // The ampersand is refused too, so it is listed with the others.
        return QStringLiteral("You can't use these characters:\r\n\\ / : * ? \" < > | &");
    case Verdict::EmptyName:
        return QStringLiteral("Name can't be empty !");
    case Verdict::EmptyUrl:
        return QStringLiteral("URL can't be empty !");
    }
    return {};
}

} // namespace EntryCheck
