#pragma once

#include <QHash>
#include <QIcon>
#include <QList>
#include <QString>

// The tree's pictures, numbered from 1 in the order they were added. Each is kept
// as a file so that it can be drawn crisp at any size and combined with another
// as a node's picture when selected.
class ImageList
{
public:
    void add(const QString &imageFile)
    {
        m_files.append(imageFile);
        m_icons.clear();
    }
    int count() const { return int(m_files.size()); }
    // An empty string for a number that is not in the list.
    QString file(int number) const;
    // One icon per pair, shared by every node that shows it: loading a picture per
    // node would cost more than the rest of filling a large tree.
    QIcon icon(int number, int selectedNumber = 0) const;

private:
    QList<QString> m_files;
    mutable QHash<QPair<int, int>, QIcon> m_icons;
};
