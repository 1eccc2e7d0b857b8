#pragma once

#include <QSettings>
#include <QString>

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
    // Whether the value reached the disk.
    [[nodiscard]] bool sync();
    QString fileName() const { return m_settings->fileName(); }

private:
    std::unique_ptr<QSettings> m_settings;
};
