#include "bookmarks/CharsetProbe.h"

#include <algorithm>

namespace {

// The charset is declared in the header, near the top of the file.
constexpr qsizetype HeadBytes = 64 * 1024;

qsizetype sequenceLength(char lead)
{
    const uchar c = uchar(lead);
    return c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
}

} // namespace

void CharsetProbe::feed(QByteArrayView block)
{
    if (!m_headerPassed && m_head.size() < HeadBytes)
        m_head += block.first(std::min(block.size(), HeadBytes - m_head.size()));
    // A declared charset needs no proof; until the header is passed it may come yet.
    if (!declared())
        checkUtf8(block);
}

void CharsetProbe::headerEnds(qint64 headerSize)
{
    m_declared = TextCodec::declaredCharset(m_head.first(std::min<qint64>(m_head.size(), headerSize)));
    m_headerPassed = true;
    m_head = QByteArray();
}

TextCodec CharsetProbe::codec() const
{
    if (declared())
        return TextCodec::forLabel(m_declared);
    return TextCodec(m_utf8Valid && m_carry.isEmpty() ? TextCodec::Kind::Utf8 : TextCodec::Kind::Windows1252);
}

// A character cut by the end of a block is checked once the next block completes it.
void CharsetProbe::checkUtf8(QByteArrayView block)
{
    if (!m_utf8Valid)
        return;
    if (!m_carry.isEmpty()) {
        const qsizetype take = std::min(block.size(), sequenceLength(m_carry[0]) - m_carry.size());
        m_carry += block.first(take);
        block = block.sliced(take);
        if (m_carry.size() < sequenceLength(m_carry[0]))
            return;
        m_utf8Valid = QByteArrayView(m_carry).isValidUtf8();
        m_carry.clear();
    }
    qsizetype cut = block.size();
    for (qsizetype back = 1; back <= 3 && back <= block.size(); ++back) {
        const char c = block[block.size() - back];
        if ((uchar(c) & 0xC0) == 0x80)
            continue;
        if (uchar(c) >= 0xC0 && sequenceLength(c) > back)
            cut = block.size() - back;
        break;
    }
    m_carry = block.sliced(cut).toByteArray();
    m_utf8Valid = m_utf8Valid && block.first(cut).isValidUtf8();
}
