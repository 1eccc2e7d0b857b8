#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QFileDevice;

// Buffered line output for the rewrite of the bookmark file. Every line gets the
// same terminator, which the caller picks to match the file's own style.
class LineWriter
{
public:
    explicit LineWriter(QFileDevice *OutFile, QByteArray eol = QByteArrayLiteral("\r\n"));
    LineWriter(const LineWriter &) = delete;
    LineWriter &operator=(const LineWriter &) = delete;

    const QByteArray &eol() const { return m_eol; }

    // Writes the line's bytes followed by the terminator. Errors are sticky and
    // reported by flush().
    void writeLine(QByteArrayView line);
    [[nodiscard]] bool flush();

    bool failed() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }

private:
    void append(QByteArrayView bytes);
    bool writeOut(const char *data, qsizetype size);

    QFileDevice *m_out;
    QByteArray m_eol;
    QByteArray m_buffer;
    qsizetype m_used = 0;
    QString m_error;
};
