#pragma once

#include "bookmarks/FolderCatalogue.h"

#include <QCollator>
#include <QHash>
#include <QIcon>
#include <QString>
#include <QTreeWidget>

#include <optional>
#include <vector>

class ImageList;

// The folder tree: nodes named by string keys, each child list shown in
// alphabetical order as people read it whatever the order in which nodes were
// added. A node's tooltip is its whole path below the top-level node.
// A catalogue's folders are shown without a node each: a folder's node is made
// when its parent's list is shown (its children's when it is), so that a tree
// of hundreds of thousands of folders costs what the open part of it shows.
class FolderTree : public QTreeWidget
{
    Q_OBJECT
public:
    explicit FolderTree(QWidget *parent = nullptr);

    void setImageList(const ImageList *images) { m_images = images; }

    // Adds a node under the node keyed `relativeKey`, or at the top level when that
    // is empty, in alphabetical place among its siblings, after those of an equal
    // name; keys are unique. An empty text shows as "(no name)".
    QTreeWidgetItem *addNode(const QString &relativeKey, const QString &key, const QString &text, int image,
                             int selectedImage = 0);
    // Shows the catalogue's folders under `root`: folder i keyed "D" + i, with
    // images 2 (and 3 when selected), children sorted, equal names in file order.
    void addFolders(QTreeWidgetItem *root, const FolderCatalogue &catalogue);
    void clearNodes();

    static QString key(const QTreeWidgetItem *node);
    // The node's path as shown: the texts from below the top-level node down, joined by "/".
    static QString shownPath(const QTreeWidgetItem *node);
    static QString noName() { return tr("(no name)"); }

    // A folder not in the file yet, shown under `parent` in its alphabetical place
    // and selected: it is made with the bookmark added to it. One at a time: an
    // earlier one goes. Not under itself.
    void showNewFolder(QTreeWidgetItem *parent, const QString &name);
    // The node of the folder still to be made, if one is shown (its key is "N").
    QTreeWidgetItem *newFolderNode() const { return m_newFolder; }

    // The key of the node last selected by the user or the program, if any.
    std::optional<QString> selectedKey() const;
    // Selects the node, making it (and the nodes above it) first if need be.
    void selectKey(const QString &key);

    const QIcon &folderIcon() const { return m_folderIcon; }
    // A shown folder's name as a person reads it ("" for an empty name).
    QString folderName(qint32 folder) const { return m_catalogue.displayName(folder); }

private:
    bool before(const QTreeWidgetItem *a, const QTreeWidgetItem *b) const;
    QTreeWidgetItem *nodeOf(const QString &key);
    // Makes the nodes of the children of the folder that `node` shows, once.
    void makeChildren(QTreeWidgetItem *node);
    // The nodes of the folder's children, sorted, the first time they are asked for.
    QList<QTreeWidgetItem *> childNodes(qint32 folder);
    qint32 folderOf(const QTreeWidgetItem *node) const;

    const ImageList *m_images = nullptr;
    QHash<QString, QTreeWidgetItem *> m_nodes; // those added by addNode()
    QCollator m_collator;
    // The shown catalogue, its folders' children (in file order, by parent) and
    // the nodes made so far.
    FolderCatalogue m_catalogue;
    QTreeWidgetItem *m_root = nullptr;
    std::vector<qint32> m_childStart; // folder i + 1's children: m_children[m_childStart[i + 1]...]
    std::vector<qint32> m_children;
    std::vector<QTreeWidgetItem *> m_made;
    std::vector<bool> m_childrenMade; // by folder + 1
    QIcon m_folderIcon;
    QTreeWidgetItem *m_newFolder = nullptr;
};
