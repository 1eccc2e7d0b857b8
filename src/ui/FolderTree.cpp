#include "ui/FolderTree.h"

#include "ui/ImageList.h"

#include <QHeaderView>

#include <algorithm>

namespace {

constexpr int KeyRole = Qt::UserRole;

// Alphabetical, ignoring case as a person reads a folder list; names that differ
// only in case keep a fixed order between them. The case-folded name is made once:
// sorting thousands of folders compares names hundreds of thousands of times.
class FolderItem : public QTreeWidgetItem
{
public:
    explicit FolderItem(const QString &text)
        : m_name(text)
        , m_folded(text.toCaseFolded())
    {
        setText(0, text);
    }
    bool operator<(const QTreeWidgetItem &other) const override
    {
        const auto &o = static_cast<const FolderItem &>(other);
        const int c = QString::compare(m_folded, o.m_folded, Qt::CaseSensitive);
        return c != 0 ? c < 0 : m_name < o.m_name;
    }

private:
    QString m_name;
    QString m_folded;
};

} // namespace

FolderTree::FolderTree(QWidget *parent)
    : QTreeWidget(parent)
{
    setColumnCount(1);
    header()->hide();
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

QTreeWidgetItem *FolderTree::addNode(const QString &relativeKey, const QString &key, const QString &text, int image,
                                     int selectedImage)
{
    auto *item = new FolderItem(text);
    item->setData(0, KeyRole, key);
    if (m_images)
        item->setIcon(0, m_images->icon(image, selectedImage));
    m_nodes.insert(key, item);
    QTreeWidgetItem *relative = relativeKey.isEmpty() ? nullptr : m_nodes.value(relativeKey);
    if (m_filling) {
        if (relative)
            relative->addChild(item);
        else
            m_pendingTopLevel.append(item);
        return item;
    }
    // Outside a fill, a node takes its place in its parent's order at once.
    QTreeWidgetItem *parentItem = relative ? relative : invisibleRootItem();
    int at = 0;
    while (at < parentItem->childCount() && !(*item < *parentItem->child(at)))
        ++at;
    parentItem->insertChild(at, item);
    return item;
}

void FolderTree::beginFill()
{
    m_filling = true;
}

void FolderTree::endFill()
{
    // Each child list is sorted once, off-screen, before the view sees any of it;
    // the view's own sorting would re-sort and re-lay every level it touches.
    m_filling = false;
    const auto byName = [](const QTreeWidgetItem *a, const QTreeWidgetItem *b) { return *a < *b; };
    QList<QTreeWidgetItem *> pending = m_pendingTopLevel;
    while (!pending.isEmpty()) {
        QTreeWidgetItem *item = pending.takeLast();
        if (item->childCount() < 2) {
            if (item->childCount() == 1)
                pending.append(item->child(0));
            continue;
        }
        QList<QTreeWidgetItem *> children = item->takeChildren();
        std::stable_sort(children.begin(), children.end(), byName);
        item->addChildren(children);
        pending.append(children);
    }
    std::stable_sort(m_pendingTopLevel.begin(), m_pendingTopLevel.end(), byName);
    addTopLevelItems(m_pendingTopLevel);
    m_pendingTopLevel.clear();
}

void FolderTree::clearNodes()
{
    // Detached first: the view then has nothing to update while they go.
    QList<QTreeWidgetItem *> old = invisibleRootItem()->takeChildren();
    old += m_pendingTopLevel;
    m_pendingTopLevel.clear();
    m_nodes.clear();
    qDeleteAll(old);
}

QString FolderTree::key(const QTreeWidgetItem *node)
{
    return node ? node->data(0, KeyRole).toString() : QString();
}

std::optional<QString> FolderTree::selectedKey() const
{
    const QList<QTreeWidgetItem *> selected = selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return key(selected.constFirst());
}

void FolderTree::selectKey(const QString &key)
{
    if (QTreeWidgetItem *item = m_nodes.value(key)) {
        setCurrentItem(item);
        scrollToItem(item);
    }
}
