#pragma once

#include <QIcon>
#include <QList>
#include <QString>

// The tree's pictures, numbered from 1 in the order they were added. Each is kept
// as a file so that it can be drawn crisp at any size and combined with another
// as a node's picture when selected.
class ImageList
{
public:
    void add(const QString &imageFile) { m_files.append(imageFile); }
    int count() const { return int(m_files.size()); }
    // An empty string for a number that is not in the list.
    QString file(int number) const;
    QIcon icon(int number, int selectedNumber = 0) const;

private:
    QList<QString> m_files;
};
