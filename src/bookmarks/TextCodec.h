#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The character set of a bookmark file: used to show folder names and to write
// the one line we add. Existing lines are never decoded or re-encoded.
class TextCodec
{
public:
    // Other: any charset glibc's iconv knows that keeps ASCII as ASCII
    // (Shift_JIS, EUC-JP, GBK, Big5, KOI8-R, ISO-8859-x...), by its iconv name.
    // Shifting: a charset in which ASCII bytes can stand for other text (the
    // ISO-2022 family, UTF-7, HZ, the national ISO 646 sets): a "<DL>" in its
    // bytes may be part of a Japanese title. Its names are shown as iconv decodes
    // them (as Windows-1252 where iconv does not know it); nothing is written in it.
    enum class Kind { Utf8, Windows1252, Other, Shifting };

    TextCodec() = default;
    explicit TextCodec(Kind kind) : m_kind(kind) {}

    // The codec for a charset label from a META tag, read as browsers read it:
    // the labels they treat as Windows-1252 (ISO-8859-1, US-ASCII, latin1...) map
    // to it, Shift_JIS to its Windows form and so on. An unknown label, or one
    // whose charset would not keep the file's markup readable, gives Windows-1252,
    // since it keeps every byte readable.
    static TextCodec forLabel(QByteArrayView label);
    // The charset declared by "charset=" on a line, if any.
    static QByteArray declaredCharset(QByteArrayView line);

    Kind kind() const { return m_kind; }
    // The iconv name, for Other and Shifting.
    const QByteArray &name() const { return m_name; }
    QString decode(QByteArrayView bytes) const;
    // Characters this charset cannot hold become numeric character references.
    QByteArray encode(QStringView text) const;

    // Decodes character references as browsers do in text: numeric ones and
    // every named one of HTML, the legacy ones without a semicolon included.
    static QString decodeEntities(const QString &text);

    friend bool operator==(const TextCodec &, const TextCodec &) = default;

private:
    TextCodec(Kind kind, QByteArray name) : m_kind(kind), m_name(std::move(name)) {}

    Kind m_kind = Kind::Utf8;
    QByteArray m_name;
};
