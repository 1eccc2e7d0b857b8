#include "bookmarks/BlockWriter.h"

#include <QCoreApplication>
#include <QIODevice>

#include <cstring>

namespace {
constexpr qsizetype BufferSize = 1 << 20;
}

BlockWriter::BlockWriter(QIODevice *OutFile)
    : m_out(OutFile)
    , m_buffer(BufferSize, Qt::Uninitialized)
{
}

void BlockWriter::write(QByteArrayView bytes)
{
    if (failed() || bytes.isEmpty())
        return;
    // Large pieces (the scanner passes on nearly a block at a time) go straight
    // out: copying them into the buffer first would touch every byte once more.
    const bool large = bytes.size() >= m_buffer.size() / 2;
    if (large || m_used + bytes.size() > m_buffer.size()) {
        if (m_used > 0 && !writeOut(m_buffer.constData(), m_used))
            return;
        m_used = 0;
        if (large) {
            writeOut(bytes.data(), bytes.size());
            return;
        }
    }
    std::memcpy(m_buffer.data() + m_used, bytes.data(), size_t(bytes.size()));
    m_used += bytes.size();
}

bool BlockWriter::writeOut(const char *data, qsizetype size)
{
    while (size > 0) {
        const qint64 written = m_out->write(data, size);
        if (written <= 0) {
            m_error = m_out->errorString();
            if (m_error.isEmpty())
                m_error = QCoreApplication::translate("BlockWriter", "write failed");
            return false;
        }
        data += written;
        size -= qsizetype(written);
    }
    return true;
}

bool BlockWriter::flush()
{
    if (!failed() && m_used > 0 && writeOut(m_buffer.constData(), m_used))
        m_used = 0;
    return !failed();
}
