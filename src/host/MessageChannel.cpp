#include "host/MessageChannel.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>
#include <unistd.h>

qsizetype MessageChannel::readFully(char *buffer, qsizetype size)
{
    qsizetype done = 0;
    while (done < size) {
        const ssize_t got = ::read(m_input, buffer + done, size_t(size - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += got;
    }
    return done;
}

MessageChannel::Incoming MessageChannel::read()
{
    quint32 length = 0;
    const qsizetype header = readFully(reinterpret_cast<char *>(&length), sizeof length);
    if (header == 0)
        return {Status::End, {}, {}};
    if (header < qsizetype(sizeof length))
        return {Status::Broken, {}, QCoreApplication::translate("MessageChannel", "The message ended inside its length.")};
    if (length > MaxRequest)
        return {Status::Broken, {},
                QCoreApplication::translate("MessageChannel", "A message of %1 bytes is longer than the %2 bytes allowed.").arg(length).arg(MaxRequest)};
    QByteArray body(qsizetype(length), Qt::Uninitialized);
    if (readFully(body.data(), body.size()) < body.size())
        return {Status::Broken, {}, QCoreApplication::translate("MessageChannel", "The message ended before its %1 bytes.").arg(length)};

    // The JSON parser would take some malformed UTF-8 in its stride; a request
    // that is not text is refused before anything looks at it.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(body);
    if (utf8.hasError())
        return {Status::Refused, {}, QCoreApplication::translate("MessageChannel", "The message is not UTF-8 text.")};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return {Status::Refused, {}, QCoreApplication::translate("MessageChannel", "The message is not a JSON object.")};
    return {Status::Message, document.object(), {}};
}

bool MessageChannel::write(const QJsonObject &reply)
{
    QByteArray body = QJsonDocument(reply).toJson(QJsonDocument::Compact);
    if (body.size() + qsizetype(sizeof(quint32)) > MaxReply) {
        body = QJsonDocument(QJsonObject{{QStringLiteral("ok"), false},
                                         {QStringLiteral("kind"), QStringLiteral("tooLarge")},
                                         {QStringLiteral("message"), QCoreApplication::translate("MessageChannel", "The reply is too large for the browser.")}})
                   .toJson(QJsonDocument::Compact);
    }
    const quint32 length = quint32(body.size());
    QByteArray frame(reinterpret_cast<const char *>(&length), sizeof length);
    frame += body;
    qsizetype done = 0;
    while (done < frame.size()) {
        const ssize_t put = ::write(m_output, frame.constData() + done, size_t(frame.size() - done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        done += put;
    }
    return true;
}
