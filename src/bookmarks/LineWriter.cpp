#include "bookmarks/LineWriter.h"

#include <QFileDevice>

#include <cstring>

namespace {
constexpr qsizetype BufferSize = 1 << 20;
}

LineWriter::LineWriter(QFileDevice *OutFile, QByteArray eol)
    : m_out(OutFile)
    , m_eol(std::move(eol))
    , m_buffer(BufferSize, Qt::Uninitialized)
{
}

void LineWriter::writeLine(QByteArrayView line)
{
    append(line);
    append(m_eol);
}

void LineWriter::append(QByteArrayView bytes)
{
    if (failed())
        return;
    if (m_used + bytes.size() > m_buffer.size()) {
        if (!writeOut(m_buffer.constData(), m_used))
            return;
        m_used = 0;
        // A line longer than the buffer (icon data) goes straight out.
        if (bytes.size() >= m_buffer.size()) {
            writeOut(bytes.data(), bytes.size());
            return;
        }
    }
    std::memcpy(m_buffer.data() + m_used, bytes.data(), size_t(bytes.size()));
    m_used += bytes.size();
}

bool LineWriter::writeOut(const char *data, qsizetype size)
{
    while (size > 0) {
        const qint64 written = m_out->write(data, size);
        if (written <= 0) {
            m_error = m_out->errorString();
            if (m_error.isEmpty())
                m_error = QStringLiteral("write failed");
            return false;
        }
        data += written;
        size -= qsizetype(written);
    }
    return true;
}

bool LineWriter::flush()
{
    if (!failed() && m_used > 0 && writeOut(m_buffer.constData(), m_used))
        m_used = 0;
    if (!failed() && !m_out->flush())
        m_error = m_out->errorString();
    return !failed();
}
