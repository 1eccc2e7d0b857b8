#pragma once

#include <QHash>
#include <QString>
#include <QTreeWidget>

#include <optional>

class ImageList;

// The folder tree: nodes named by string keys, each child list shown in
// alphabetical order whatever the order in which nodes were added.
class FolderTree : public QTreeWidget
{
    Q_OBJECT
public:
    explicit FolderTree(QWidget *parent = nullptr);

    void setImageList(const ImageList *images) { m_images = images; }

    // Adds a node under the node keyed `relativeKey`, or at the top level when that
    // is empty, in alphabetical place among its siblings; keys are unique. Between
    // beginFill() and endFill() nodes are collected off-screen and sorted once at
    // the end.
    QTreeWidgetItem *addNode(const QString &relativeKey, const QString &key, const QString &text, int image,
                             int selectedImage = 0);
    void beginFill();
    void endFill();
    void clearNodes();

    static QString key(const QTreeWidgetItem *node);
    // The key of the node last selected by the user or the program, if any.
    std::optional<QString> selectedKey() const;
    void selectKey(const QString &key);

private:
    const ImageList *m_images = nullptr;
    QHash<QString, QTreeWidgetItem *> m_nodes;
    QList<QTreeWidgetItem *> m_pendingTopLevel;
    bool m_filling = false;
};
