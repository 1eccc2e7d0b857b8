#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// The browsers' native-messaging frames on a pair of file descriptors: each
// message a 32-bit length in the machine's byte order, then that many bytes of
// UTF-8 JSON. Reading blocks on the descriptor and nothing else, so a browser
// that closes its end always ends the host.
class MessageChannel
{
public:
    // Our requests are a few hundred bytes; a length beyond this is a stream out
    // of step, not a message, and is never waited for.
    static constexpr quint32 MaxRequest = 64 * 1024;
    // The browsers drop a host whose reply is larger than 1 MB.
    static constexpr qsizetype MaxReply = 1024 * 1024;

    enum class Status {
        Message, // `message` holds the request
        End,     // the stream ended between two messages
        Refused, // a whole frame that holds no JSON object: answer it and read on
        Broken,  // the stream is out of step or ended inside a frame: answer it and stop
    };
    struct Incoming
    {
        Status status = Status::End;
        QJsonObject message;
        QString error; // why it was refused, in the user's words
    };

    MessageChannel(int input, int output) : m_input(input), m_output(output) {}

    Incoming read();
    // False when the reply could not be written whole (the browser has gone).
    // A reply over the limit is replaced by an error that says so.
    [[nodiscard]] bool write(const QJsonObject &reply);

private:
    // Bytes read into `buffer` until it is full or the stream ends.
    qsizetype readFully(char *buffer, qsizetype size);

    int m_input;
    int m_output;
};
