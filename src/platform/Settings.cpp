#include "platform/Settings.h"

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

bool Settings::sync()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
