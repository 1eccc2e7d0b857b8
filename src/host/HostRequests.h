#pragma once

#include <QJsonObject>
#include <QStringList>

class AdditionFlow;

// The browser extension's requests, one function each, answered from the
// addition flow's outcomes: every reply says "ok", and when it is not, the
// same words the window would show and a kind the extension can act on.
class HostRequests
{
public:
    explicit HostRequests(AdditionFlow &flow) : m_flow(flow) {}

    QJsonObject handle(const QJsonObject &request);

    // Why the caller the browser names in the host's arguments is not our
    // extension, or nothing when it is. Firefox passes the manifest's path and
    // the add-on's id, Chromium the extension's origin.
    static QString refusal(const QStringList &arguments);
    // A reply that refuses a request for `why`.
    static QJsonObject error(const QString &kind, const QString &why);

private:
    QJsonObject ping(const QJsonObject &request);
    QJsonObject tree(const QJsonObject &request);
    QJsonObject check(const QJsonObject &request);
    QJsonObject add(const QJsonObject &request);
    QJsonObject undo(const QJsonObject &request);

    AdditionFlow &m_flow;
};
