#include "bookmarks/TextCodec.h"

#include <QList>

#include <array>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string_view>

#include <iconv.h>

namespace {

// Windows-1252's characters for bytes 0x80 to 0x9F; 0 where the byte is unassigned
// (browsers map those to the control character of the same number).
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

int cp1252Byte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    for (int i = 0; i < int(Cp1252High.size()); ++i) {
        if (Cp1252High[size_t(i)] != 0 && Cp1252High[size_t(i)] == c)
            return 0x80 + i;
        if (Cp1252High[size_t(i)] == 0 && c == char32_t(0x80 + i))
            return 0x80 + i;
    }
    return -1;
}

void appendReference(QByteArray &out, char32_t c)
{
    out += "&#";
    out += QByteArray::number(uint(c));
    out += ';';
}

// One conversion through glibc's iconv; the descriptor is closed with the object.
class Conversion
{
public:
    Conversion(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Conversion()
    {
        if (valid())
            iconv_close(m_cd);
    }
    Conversion(const Conversion &) = delete;
    Conversion &operator=(const Conversion &) = delete;

    bool valid() const { return m_cd != iconv_t(-1); }

    // `bytes` converted, each byte that cannot be replaced by `bad`; `clean` says
    // whether none was. The shift state starts afresh and is ended, so that each
    // piece stands on its own.
    QByteArray run(QByteArrayView bytes, QByteArrayView bad, bool *clean = nullptr)
    {
        QByteArray out(bytes.size() * 4 + 16, Qt::Uninitialized);
        qsizetype used = 0;
        char *in = const_cast<char *>(bytes.data());
        size_t inLeft = size_t(bytes.size());
        bool ok = true;
        bool ending = false;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        for (;;) {
            char *o = out.data() + used;
            size_t outLeft = size_t(out.size() - used);
            // With the input done, one more call writes what ends a shift state.
            const size_t r = ending ? iconv(m_cd, nullptr, nullptr, &o, &outLeft) : iconv(m_cd, &in, &inLeft, &o, &outLeft);
            const int error = errno;
            used = o - out.data();
            if (r != size_t(-1) || (ending && error != E2BIG)) {
                if (ending)
                    break;
                ending = true;
            } else if (error == E2BIG) {
                out.resize(out.size() * 2);
            } else {
                // EILSEQ, or EINVAL for a sequence cut short by the end.
                ok = false;
                out.resize(std::max(out.size(), used + bad.size() + 16));
                if (!bad.isEmpty()) // an empty view may have no data at all
                    std::memcpy(out.data() + used, bad.data(), size_t(bad.size()));
                used += bad.size();
                ++in;
                --inLeft;
            }
        }
        if (clean)
            *clean = ok;
        out.truncate(used);
        return out;
    }

private:
    iconv_t m_cd;
};


// Labels that browsers read as a wider charset than the one they name, or as
// one glibc spells differently; the first entry of each row is iconv's name.
// (glibc's plain SHIFT_JIS reads 0x5C as a yen sign, browsers as a backslash.)
const std::array<std::initializer_list<const char *>, 9> Aliases = {{
    {"utf-8", "utf8", "unicode-1-1-utf-8", "unicode11utf8", "unicode20utf8", "x-unicode20utf8",
     // The file was read as ASCII to find its label, so it is not UTF-16.
     "utf-16", "utf-16le", "utf-16be", "unicode", "unicodefffe", "ucs-2", "iso-10646-ucs-2", "csunicode"},
    {"windows-1252", "ansi_x3.4-1968", "ascii", "cp1252", "cp819", "csisolatin1", "ibm819", "iso-8859-1",
     "iso-ir-100", "iso8859-1", "iso88591", "iso_8859-1", "iso_8859-1:1987", "l1", "latin1", "us-ascii",
     "x-cp1252"},
    {"CP932", "shift_jis", "csshiftjis", "ms932", "ms_kanji", "shift-jis", "sjis", "windows-31j", "x-sjis"},
    {"GBK", "chinese", "csgb2312", "csiso58gb231280", "gb2312", "gb_2312", "gb_2312-80", "iso-ir-58", "x-gbk"},
    {"BIG5-HKSCS", "big5", "big5-hkscs", "cn-big5", "csbig5", "x-x-big5"},
    {"CP949", "euc-kr", "cseuckr", "csksc56011987", "iso-ir-149", "korean", "ks_c_5601-1987", "ks_c_5601-1989",
     "ksc5601", "ksc_5601", "windows-949"},
    {"WINDOWS-1254", "iso-8859-9", "csisolatin5", "iso-ir-148", "iso8859-9", "iso88599", "iso_8859-9", "l5",
     "latin5", "x-cp1254"},
    {"WINDOWS-874", "dos-874", "iso-8859-11", "iso8859-11", "iso885911", "tis-620"},
    {"UTF-7", "unicode-1-1-utf-7", "csunicode11utf7"},
}};

QByteArray iconvName(const QByteArray &label)
{
    for (const auto &row : Aliases) {
        for (const char *alias : row) {
            if (label == alias)
                return *row.begin();
        }
    }
    return label;
}

// Whether the charset writes tabs, line breaks and printable ASCII as ASCII: the
// file's markup was found that way, and our line's markup is written that way.
bool writesAsItself(const QByteArray &name, const QByteArray &ascii)
{
    Conversion toCharset(name.constData(), "UTF-8");
    if (!toCharset.valid())
        return false;
    bool clean = false;
    return toCharset.run(ascii, "?", &clean) == ascii && clean;
}

bool keepsAscii(const QByteArray &name)
{
    QByteArray ascii = "\t\r\n";
    for (char c = 0x20; c < 0x7F; ++c)
        ascii += c;
    return writesAsItself(name, ascii);
}

// Whether some text other than ASCII is written in this charset with ASCII
// bytes alone: by escapes that shift what follows (ISO-2022-JP, -KR, -CN), by a
// base64 run (UTF-7), or by giving ASCII's places to letters (ISO 646 sets).
bool shiftsAscii(const QByteArray &name)
{
    Conversion toCharset(name.constData(), "UTF-8");
    if (!toCharset.valid())
        return false;
    for (const char *sample : {"\u00E9", "\u00C4", "\u3042", "\u4E2D", "\uD55C", "\u042F", "\u20AC"}) {
        bool clean = false;
        const QByteArray bytes = toCharset.run(sample, {}, &clean);
        if (clean && !bytes.isEmpty() && std::all_of(bytes.begin(), bytes.end(), [](char b) { return uchar(b) < 0x80; }))
            return true;
    }
    return false;
}

// Such charsets that glibc's iconv does not know (browsers know HZ by these).
constexpr std::array<QByteArrayView, 2> ShiftingUnknownToIconv = {"hz-gb-2312", "hz"};

// The one character as the charset writes it, or nothing if the charset cannot
// hold it, or holds it only in bytes that could be read as markup or a line
// break (the escapes of ISO-2022-JP, say).
QByteArray encodeOne(Conversion &toCharset, Conversion &back, char32_t c)
{
    const QByteArray utf8 = QString::fromUcs4(&c, 1).toUtf8();
    bool clean = false;
    const QByteArray bytes = toCharset.run(utf8, {}, &clean);
    if (!clean || bytes.isEmpty())
        return {};
    for (const char b : bytes) {
        if (uchar(b) < 0x20 || b == 0x7F || b == '<' || b == '>' || b == '"' || b == '&')
            return {};
    }
    if (back.run(bytes, {}, &clean) != utf8 || !clean)
        return {};
    return bytes;
}

struct NamedReference
{
    const char *name;
    char32_t first;
    char32_t second;
};

// Every named reference of HTML, as browsers know them.
constexpr NamedReference NamedReferences[] = {
#include "bookmarks/HtmlEntities.inc"
};

void appendCodePoint(QString &out, char32_t c)
{
    const char32_t one[1] = {c};
    out += QString::fromUcs4(one, 1);
}

// The reference after an '&' at the start of `rest`, appended to `out` decoded;
// returns how many characters it took, 0 if none is there. A named reference is
// the longest name of the table that `rest` starts with, as a browser reads text:
// the legacy ones ("&eacute", "&amp") need no semicolon. A numeric one needs its
// semicolon, as it always did here.
qsizetype decodeReference(QStringView rest, QString &out)
{
    if (rest.startsWith(u'#')) {
        const qsizetype semi = rest.indexOf(u';');
        if (semi < 2 || semi > 10)
            return 0;
        bool ok = false;
        const bool hex = rest[1] == u'x' || rest[1] == u'X';
        const uint n = rest.sliced(hex ? 2 : 1, semi - (hex ? 2 : 1)).toUInt(&ok, hex ? 16 : 10);
        if (!ok || n == 0 || n > 0x10FFFF || (n >= 0xD800 && n <= 0xDFFF))
            return 0;
        appendCodePoint(out, char32_t(n));
        return semi + 1;
    }
    char name[34];
    qsizetype length = 0;
    while (length < rest.size() && length < 32 && rest[length].unicode() < 0x80 && rest[length].isLetterOrNumber()) {
        name[length] = char(rest[length].unicode());
        ++length;
    }
    if (length < rest.size() && rest[length] == u';')
        name[length++] = ';';
    const auto byName = [](const NamedReference &r, std::string_view n) { return std::string_view(r.name) < n; };
    for (; length > 1; --length) {
        const std::string_view wanted(name, size_t(length));
        const auto *found = std::lower_bound(std::begin(NamedReferences), std::end(NamedReferences), wanted, byName);
        if (found != std::end(NamedReferences) && found->name == wanted) {
            appendCodePoint(out, found->first);
            if (found->second)
                appendCodePoint(out, found->second);
            return length;
        }
    }
    return 0;
}

} // namespace

TextCodec TextCodec::forLabel(QByteArrayView label)
{
    const QByteArray l = label.trimmed().toByteArray().toLower();
    // Only a plain name reaches iconv: an empty one would mean the locale's
    // charset, and "//" suffixes change how it converts.
    const bool plain = !l.isEmpty() && l.size() <= 40 && std::all_of(l.begin(), l.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == ':';
    });
    const QByteArray name = plain ? iconvName(l) : QByteArray();
    if (name == "utf-8")
        return TextCodec(Kind::Utf8);
    if (std::find(ShiftingUnknownToIconv.begin(), ShiftingUnknownToIconv.end(), name) != ShiftingUnknownToIconv.end())
        return TextCodec(Kind::Shifting, name);
    if (name.isEmpty() || name == "windows-1252")
        return TextCodec(Kind::Windows1252);
    // Only where ASCII's letters are themselves: EBCDIC writes é as an ASCII
    // byte too, but no markup can be read in it at all.
    if (writesAsItself(name, "HREFhref0123456789") && shiftsAscii(name))
        return TextCodec(Kind::Shifting, name);
    if (!keepsAscii(name))
        return TextCodec(Kind::Windows1252);
    return TextCodec(Kind::Other, name);
}

QByteArray TextCodec::declaredCharset(QByteArrayView line)
{
    const QByteArray lower = line.toByteArray().toLower();
    qsizetype at = lower.indexOf("charset=");
    if (at < 0)
        return {};
    at += 8;
    while (at < lower.size() && (lower[at] == '"' || lower[at] == '\'' || lower[at] == ' '))
        ++at;
    qsizetype end = at;
    while (end < lower.size() && !QByteArrayView("\"'; >/").contains(lower[end]))
        ++end;
    return lower.mid(at, end - at);
}

QString TextCodec::decode(QByteArrayView bytes) const
{
    if (m_kind == Kind::Utf8)
        return QString::fromUtf8(bytes);
    if (m_kind == Kind::Other || m_kind == Kind::Shifting) {
        Conversion fromCharset("UTF-8", m_name.constData());
        if (fromCharset.valid())
            return QString::fromUtf8(fromCharset.run(bytes, "\xEF\xBF\xBD"));
    }
    QString out;
    out.reserve(bytes.size());
    for (const char b : bytes) {
        const auto u = uchar(b);
        if (u >= 0x80 && u <= 0x9F && Cp1252High[u - 0x80] != 0)
            out += QChar(Cp1252High[u - 0x80]);
        else
            out += QChar(char16_t(u));
    }
    return out;
}

QByteArray TextCodec::encode(QStringView text) const
{
    QByteArray out;
    out.reserve(text.size());
    std::optional<Conversion> toCharset;
    std::optional<Conversion> back;
    if (m_kind == Kind::Other) {
        toCharset.emplace(m_name.constData(), "UTF-8");
        back.emplace("UTF-8", m_name.constData());
    }
    for (const char32_t c : text.toUcs4()) {
        if (m_kind == Kind::Other) {
            const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
            const QByteArray bytes = c < 0x80 ? QByteArray(1, char(c))
                : surrogate || !toCharset->valid() ? QByteArray() : encodeOne(*toCharset, *back, c);
            if (bytes.isEmpty())
                appendReference(out, surrogate ? 0xFFFD : c);
            out += bytes;
            continue;
        }
        if (m_kind == Kind::Utf8) {
            // A lone surrogate cannot be stored in UTF-8 either.
            if (c >= 0xD800 && c <= 0xDFFF) {
                appendReference(out, 0xFFFD);
                continue;
            }
            const char32_t one[1] = {c};
            out += QString::fromUcs4(one, 1).toUtf8();
            continue;
        }
        const int b = cp1252Byte(c);
        if (b < 0)
            appendReference(out, c);
        else
            out += char(b);
    }
    return out;
}

QString TextCodec::decodeEntities(const QString &text)
{
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString out;
    out.reserve(text.size());
    const QStringView all(text);
    qsizetype i = 0;
    while (i < all.size()) {
        // The text up to the next reference goes in one piece.
        qsizetype amp = all.indexOf(u'&', i);
        if (amp < 0)
            amp = all.size();
        out += all.sliced(i, amp - i);
        if (amp == all.size())
            break;
        const qsizetype used = decodeReference(all.sliced(amp + 1), out);
        if (used == 0)
            out += QLatin1Char('&');
        i = amp + 1 + used;
    }
    return out;
}
