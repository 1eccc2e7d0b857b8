#include "platform/Settings.h"

#include <algorithm>

namespace {
const QString LastFolderKey = QStringLiteral("Window/LastFolder");
const QString LastFolderRankKey = QStringLiteral("Window/LastFolderRank");
const QString GeometryKey = QStringLiteral("Window/Geometry");
const QString LastAdditionGroup = QStringLiteral("LastAddition");
const QString RecentFoldersGroup = QStringLiteral("RecentFolders");
const QString PathKey = QStringLiteral("Path");
const QString RankKey = QStringLiteral("Rank");
} // namespace

Settings::Settings()
    : m_settings(std::make_unique<QSettings>(QStringLiteral("Linkcrate"), QStringLiteral("Linkcrate")))
{
}

Settings::Settings(const QString &fileName)
    : m_settings(std::make_unique<QSettings>(fileName, QSettings::IniFormat))
{
}

QString Settings::bookmarks() const
{
    return m_settings->value(BookmarksKey, BookmarksDefault).toString();
}

void Settings::setBookmarks(const QString &path)
{
    m_settings->setValue(BookmarksKey, path);
}

Settings::FolderPlace Settings::lastFolder() const
{
    return {m_settings->value(LastFolderKey).toStringList(), std::max(0, m_settings->value(LastFolderRankKey, 0).toInt())};
}

void Settings::setLastFolder(const FolderPlace &place)
{
    // The root list has no path: no key at all, rather than an empty list that
    // would read back as one folder with an empty name.
    if (place.path.isEmpty())
        m_settings->remove(LastFolderKey);
    else
        m_settings->setValue(LastFolderKey, place.path);
    m_settings->setValue(LastFolderRankKey, place.rank);
}

QByteArray Settings::windowGeometry() const
{
    return m_settings->value(GeometryKey).toByteArray();
}

void Settings::setWindowGeometry(const QByteArray &geometry)
{
    m_settings->setValue(GeometryKey, geometry);
}

QList<Settings::FolderPlace> Settings::recentFolders() const
{
    m_settings->sync();
    QList<FolderPlace> places;
    const int count = m_settings->beginReadArray(RecentFoldersGroup);
    for (int i = 0; i < count; ++i) {
        m_settings->setArrayIndex(i);
        places.append({m_settings->value(PathKey).toStringList(), std::max(0, m_settings->value(RankKey, 0).toInt())});
    }
    m_settings->endArray();
    return places;
}

void Settings::setRecentFolders(const QList<FolderPlace> &places)
{
    m_settings->remove(RecentFoldersGroup);
    m_settings->beginWriteArray(RecentFoldersGroup, int(places.size()));
    for (int i = 0; i < places.size(); ++i) {
        m_settings->setArrayIndex(i);
        // As for the last folder: the root list has no path key.
        if (!places[i].path.isEmpty())
            m_settings->setValue(PathKey, places[i].path);
        m_settings->setValue(RankKey, places[i].rank);
    }
    m_settings->endArray();
    m_settings->sync();
}

QVariantMap Settings::lastAddition() const
{
    m_settings->sync();
    m_settings->beginGroup(LastAdditionGroup);
    QVariantMap map;
    for (const QString &key : m_settings->childKeys())
        map.insert(key, m_settings->value(key));
    m_settings->endGroup();
    return map;
}

void Settings::setLastAddition(const QVariantMap &record)
{
    m_settings->remove(LastAdditionGroup);
    m_settings->beginGroup(LastAdditionGroup);
    for (auto it = record.cbegin(); it != record.cend(); ++it)
        m_settings->setValue(it.key(), it.value());
    m_settings->endGroup();
    m_settings->sync();
}

int Settings::keepVersions() const
{
    bool ok = false;
    const int keep = m_settings->value(KeepVersionsKey, KeepVersionsDefault).toInt(&ok);
    return ok && keep >= 0 ? keep : KeepVersionsDefault;
}

bool Settings::sync()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
