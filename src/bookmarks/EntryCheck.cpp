#include "bookmarks/EntryCheck.h"

#include <algorithm>

#include <QCoreApplication>

namespace EntryCheck {

namespace {
// Nothing a browser would show: white space, control characters (which the
// line written turns into spaces) and invisible format characters such as a
// zero-width space. The address follows the same rule: an address of a tab or
// a line break alone is as blank as one of spaces.
bool blank(const QString &s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) {
        return c.isSpace() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
    });
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
        return QCoreApplication::translate("EntryCheck", "You can't use these characters:\r\n\\ / : * ? \" < > | &");
    case Verdict::EmptyName:
        return QCoreApplication::translate("EntryCheck", "Name can't be empty !");
    case Verdict::EmptyUrl:
        return QCoreApplication::translate("EntryCheck", "URL can't be empty !");
    }
    return {};
}

} // namespace EntryCheck
