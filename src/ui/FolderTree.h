#pragma once

#include <QCollator>
#include <QHash>
#include <QString>
#include <QTreeWidget>

#include <optional>

class ImageList;

// The folder tree: nodes named by string keys, each child list shown in
// alphabetical order as people read it whatever the order in which nodes were
// added. A node's tooltip is its whole path below the top-level node.
class FolderTree : public QTreeWidget
{
    Q_OBJECT
public:
    explicit FolderTree(QWidget *parent = nullptr);

    void setImageList(const ImageList *images) { m_images = images; }

    // Adds a node under the node keyed `relativeKey`, or at the top level when that
    // is empty, in alphabetical place among its siblings, after those of an equal
    // name; keys are unique. An empty text shows as "(no name)". Between
    // beginFill() and endFill() nodes are collected off-screen and sorted once at
    // the end.
    QTreeWidgetItem *addNode(const QString &relativeKey, const QString &key, const QString &text, int image,
                             int selectedImage = 0);
    void beginFill();
    void endFill();
    void clearNodes();

    static QString key(const QTreeWidgetItem *node);
    // The node's path as shown: the texts from below the top-level node down, joined by "/".
    static QString shownPath(const QTreeWidgetItem *node);
    static inline const QString NoName = QStringLiteral("(no name)");

    // The key of the node last selected by the user or the program, if any.
    std::optional<QString> selectedKey() const;
    void selectKey(const QString &key);

private:
    bool before(const QTreeWidgetItem *a, const QTreeWidgetItem *b) const;

    const ImageList *m_images = nullptr;
    QHash<QString, QTreeWidgetItem *> m_nodes;
    QList<QTreeWidgetItem *> m_pendingTopLevel;
    bool m_filling = false;
    QCollator m_collator;
};
