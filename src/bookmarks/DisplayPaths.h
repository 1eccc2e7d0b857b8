#pragma once

#include <QList>
#include <QString>

// The display paths of folders met in the order their lists open: a folder's path
// is its parent's, the separator and its own decoded name. Only the folders
// around the current one are kept, so no path is built from its ancestors again.
class DisplayPaths
{
public:
    explicit DisplayPaths(QChar separator) : m_separator(separator) {}

    // The path of folder `index`, whose parent is `parent` (-1 for the root list).
    // Valid until the next call.
    const QString &enter(qint32 index, qint32 parent, const QString &name)
    {
        while (!m_open.isEmpty() && m_open.constLast().index != parent)
            m_open.removeLast();
        QString path = m_open.isEmpty() ? name : m_open.constLast().path + m_separator + name;
        m_open.append({index, std::move(path)});
        return m_open.constLast().path;
    }

    // The path of a folder entered and not yet left: the current one or one of
    // its ancestors ("" for the root list).
    QString pathOf(qint32 index) const
    {
        for (const Open &open : m_open) {
            if (open.index == index)
                return open.path;
        }
        return {};
    }

private:
    struct Open
    {
        qint32 index;
        QString path;
    };

    QChar m_separator;
    QList<Open> m_open; // the folder just entered and its ancestors, outermost first
};
