#include "flow/AdditionFlow.h"
#include "host/HostManifests.h"
#include "host/HostRequests.h"
#include "host/MessageChannel.h"
#include "platform/Settings.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Linkcrate"));
    QCoreApplication::setApplicationName(QStringLiteral("Linkcrate"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LINKCRATE_VERSION));
    Translations::install();
    QTextStream err(stderr);
    // A browser that has gone away shows as a failed write, not a signal.
    std::signal(SIGPIPE, SIG_IGN);

    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments == QStringList{QStringLiteral("--install-user-manifests")}) {
        QString written, error;
        const bool done = HostManifests::installForUser(QCoreApplication::applicationFilePath(), written, error);
        QTextStream(stdout) << written;
        if (!done)
            err << "linkcrate-host: " << error << Qt::endl;
        return done ? 0 : 2;
    }

    MessageChannel channel(0, 1);
    const QString refusal = HostRequests::refusal(arguments);
    if (!refusal.isEmpty()) {
        err << "linkcrate-host: " << refusal << Qt::endl;
        // The caller is told too, if it is a browser waiting for a reply.
        if (channel.read().status != MessageChannel::Status::End)
            (void)channel.write(HostRequests::error(QStringLiteral("refused"), refusal));
        return 1;
    }

    Settings settings;
    AdditionFlow flow(settings);
    HostRequests requests(flow);
    for (;;) {
        const MessageChannel::Incoming incoming = channel.read();
        switch (incoming.status) {
        case MessageChannel::Status::End:
            return 0;
        case MessageChannel::Status::Message:
            if (!channel.write(requests.handle(incoming.message)))
                return 0;
            break;
        case MessageChannel::Status::Refused:
            if (!channel.write(HostRequests::error(QStringLiteral("badRequest"), incoming.error)))
                return 0;
            break;
        case MessageChannel::Status::Broken:
            (void)channel.write(HostRequests::error(QStringLiteral("badRequest"), incoming.error));
            err << "linkcrate-host: " << incoming.error << Qt::endl;
            return 1;
        }
    }
}
