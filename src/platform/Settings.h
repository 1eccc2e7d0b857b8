#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>

// The one place that knows the program's settings and their keys.
class Settings
{
public:
    // The user's settings: ~/.config/Linkcrate/Linkcrate.conf.
    Settings();
    // Settings kept in the given file (tests).
    explicit Settings(const QString &fileName);

    static inline const QString BookmarksKey = QStringLiteral("Settings/Bookmarks");
    // No file is expected under this name, so a first run asks for the file.
    static inline const QString BookmarksDefault = QStringLiteral("(askone)");

    QString bookmarks() const;
    void setBookmarks(const QString &path);

    // The folder of the last addition: its names from the top level down (empty
    // for the root list) and its rank among the folders with that same path.
    struct FolderPlace
    {
        QStringList path;
        int rank = 0;
        friend bool operator==(const FolderPlace &, const FolderPlace &) = default;
    };
    FolderPlace lastFolder() const;
    void setLastFolder(const FolderPlace &place);
    // The folders added to most recently, newest first, each once. Read afresh
    // and written at once, as every front end adds to them.
    QList<FolderPlace> recentFolders() const;
    void setRecentFolders(const QList<FolderPlace> &places);

    // The window's size and place, as QWidget::saveGeometry() gives them.
    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray &geometry);

    // What undoing the last addition to a bookmark file needs, by this program
    // or linkcrate-add, as plain values in a group of their own; the engine says
    // what they mean. Read afresh from the disk, since the other program may have
    // written it since; written to the disk at once for the same reason. An empty
    // record clears it.
    QVariantMap lastAddition() const;
    void setLastAddition(const QVariantMap &record);

    // How many previous versions of each bookmark file stay in the trash; 0
    // keeps them all.
    static inline const QString KeepVersionsKey = QStringLiteral("Trash/KeepVersions");
    static constexpr int KeepVersionsDefault = 10;
    int keepVersions() const;

    // Whether the values reached the disk.
    [[nodiscard]] bool sync();
    QString fileName() const { return m_settings->fileName(); }

private:
    std::unique_ptr<QSettings> m_settings;
};
