#pragma once

#include <QString>

#include <QtGlobal>

class FolderTree;
class QTreeWidgetItem;
class UserPrompts;

// A folder the user has named that is not in the file yet: the tree shows it,
// and it is made together with the next bookmark added to it.
class PendingFolder
{
public:
    PendingFolder(FolderTree &tree, UserPrompts &prompts);

    // Asks for the name of a new folder under `parent`, again after each refused
    // name, and shows it selected. False when the user cancelled or the folder
    // cannot go there (the user has been told).
    bool ask(QTreeWidgetItem *parent);
    // Its name, while it is the folder selected; else empty.
    QString selected() const;
    // The folder it goes into, while it is selected.
    bool isSelected() const;
    qint32 parent() const;

    // Across a new reading of the folders: what stands now, and showing it
    // again under `parentNow`, the same folder as read anew.
    struct Kept
    {
        QString name;
        qint32 parent = -1;
        bool selected = false;
    };
    Kept keep() const;
    void restore(const Kept &kept, qint32 parentNow);

private:
    FolderTree &m_tree;
    UserPrompts &m_prompts;
};
