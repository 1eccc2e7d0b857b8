#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

// Buffered output for the rewrite of the bookmark file: bytes go out exactly as
// given. A write error is kept and reported by flush(), so that a full disk can
// never pass for success.
class BlockWriter
{
public:
    explicit BlockWriter(QIODevice *OutFile);
    BlockWriter(const BlockWriter &) = delete;
    BlockWriter &operator=(const BlockWriter &) = delete;

    void write(QByteArrayView bytes);
    [[nodiscard]] bool flush();

    bool failed() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }

private:
    bool writeOut(const char *data, qsizetype size);

    QIODevice *m_out;
    QByteArray m_buffer;
    qsizetype m_used = 0;
    QString m_error;
};
