#pragma once

#include <QString>

// Puts a typed address into canonical form, guessing the protocol as a browser's
// address bar does.
namespace UrlTranslation {

enum Code {
    Translated = 0,
    NotNeeded = 1, // the address already names its scheme
    Failed = 2,
};

struct Result
{
    Code code = Failed;
    QString url; // with Translated only
};

// The service: what the address would become.
Result translate(const QString &url);
// The address in ASCII, as browsers store it: the host in punycode, every other
// character beyond ASCII as UTF-8 escapes. For files whose charset cannot be
// trusted to carry an address's characters to a browser.
QString asciiForm(const QString &url);

} // namespace UrlTranslation

// The address in canonical form; as typed when it needs no translation or cannot
// be translated. Never shortened.
QString TranslateURL(const QString &url);
// `s` cut before its first NUL, without leading and trailing spaces.
QString Trim0(const QString &s);
