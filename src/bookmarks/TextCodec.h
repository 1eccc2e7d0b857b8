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
    enum class Kind { Utf8, Windows1252 };

    TextCodec() = default;
    explicit TextCodec(Kind kind) : m_kind(kind) {}

    // The codec for a charset label from a META tag. Labels browsers treat as
    // Windows-1252 (ISO-8859-1, US-ASCII...) map to it; an unknown label too,
    // since it keeps every byte readable.
    static TextCodec forLabel(QByteArrayView label);
    // The charset declared by "charset=" on a line, if any.
    static QByteArray declaredCharset(QByteArrayView line);

    Kind kind() const { return m_kind; }
    QString decode(QByteArrayView bytes) const;
    // Characters this charset cannot hold become numeric character references.
    QByteArray encode(QStringView text) const;

    // Decodes the character references that browsers write in names.
    static QString decodeEntities(const QString &text);

    friend bool operator==(const TextCodec &, const TextCodec &) = default;

private:
    Kind m_kind = Kind::Utf8;
};
