#pragma once

#include <QList>
#include <QString>

// The display paths of folders met in the order their lists open: a folder's path
// is its parent's, the separator and its own decoded name. Only the folders
// around the current one are kept, as the lengths of their paths within the
// current one's, so no path is built from its ancestors again, and a walk through
// many folders reuses one string rather than making one per folder.
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
        m_path.truncate(m_open.isEmpty() ? 0 : m_open.constLast().length);
        if (!m_open.isEmpty())
            m_path += m_separator;
        m_path += name;
        m_open.append({index, m_path.size()});
        return m_path;
    }

    // The path of a folder entered and not yet left: the current one or one of
    // its ancestors ("" for the root list).
    QString pathOf(qint32 index) const
    {
        for (const Open &open : m_open) {
            if (open.index == index)
                return m_path.first(open.length);
        }
        return {};
    }

private:
    struct Open
    {
        qint32 index;
        qsizetype length; // of its path, which begins the current one
    };

    QChar m_separator;
    QString m_path; // the path of the folder entered last
    QList<Open> m_open; // the folder just entered and its ancestors, outermost first
};
