#include "host/HostManifests.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

bool writeManifest(const QString &folder, const QJsonObject &manifest, QString &written, QString &error)
{
    const QString path = folder + u'/' + HostManifests::Name + QStringLiteral(".json");
    QSaveFile file(path);
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly)
        || file.write(QJsonDocument(manifest).toJson()) < 0 || !file.commit()) {
        error = QCoreApplication::translate("HostManifests", "Could not write \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    written += path + u'\n';
    return true;
}

} // namespace

bool HostManifests::installForUser(const QString &hostPath, QString &written, QString &error)
{
    const QJsonObject common{{QStringLiteral("name"), Name},
                             {QStringLiteral("description"), QStringLiteral("Linkcrate: adds bookmarks to your bookmark file")},
                             {QStringLiteral("path"), hostPath},
                             {QStringLiteral("type"), QStringLiteral("stdio")}};
    QJsonObject firefox = common;
    firefox.insert(QStringLiteral("allowed_extensions"), QJsonArray{GeckoId});
    QJsonObject chromium = common;
    chromium.insert(QStringLiteral("allowed_origins"), QJsonArray{ChromiumOrigin});
    // Chromium looks beside its profiles, under the XDG configuration folder.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return writeManifest(QDir::homePath() + QStringLiteral("/.mozilla/native-messaging-hosts"), firefox, written, error)
        && writeManifest(config + QStringLiteral("/chromium/NativeMessagingHosts"), chromium, written, error);
}
