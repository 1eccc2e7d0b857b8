#include "bookmarks/TextCodec.h"

#include <QList>


#include <array>

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

} // namespace

TextCodec TextCodec::forLabel(QByteArrayView label)
{
    const QByteArray l = label.trimmed().toByteArray().toLower();
    if (l == "utf-8" || l == "utf8" || l == "unicode-1-1-utf-8")
        return TextCodec(Kind::Utf8);
    return TextCodec(Kind::Windows1252);
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
    for (const char32_t c : text.toUcs4()) {
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
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        const qsizetype semi = c == QLatin1Char('&') ? text.indexOf(QLatin1Char(';'), i + 1) : -1;
        if (semi < 0 || semi - i > 12) {
            out += c;
            ++i;
            continue;
        }
        const QStringView ref = QStringView(text).sliced(i + 1, semi - i - 1);
        char32_t decoded = 0;
        if (ref == u"amp")
            decoded = '&';
        else if (ref == u"lt")
            decoded = '<';
        else if (ref == u"gt")
            decoded = '>';
        else if (ref == u"quot")
            decoded = '"';
        else if (ref == u"apos")
            decoded = '\'';
        else if (ref == u"nbsp")
            decoded = 0xA0;
        else if (ref.startsWith(u'#') && ref.size() > 1) {
            bool ok = false;
            const bool hex = ref[1] == u'x' || ref[1] == u'X';
            const uint n = (hex ? ref.sliced(2) : ref.sliced(1)).toUInt(&ok, hex ? 16 : 10);
            if (ok && n > 0 && n <= 0x10FFFF && !(n >= 0xD800 && n <= 0xDFFF))
                decoded = char32_t(n);
        }
        if (decoded == 0) {
            out += c;
            ++i;
            continue;
        }
        const char32_t one[1] = {decoded};
        out += QString::fromUcs4(one, 1);
        i = semi + 1;
    }
    return out;
}
