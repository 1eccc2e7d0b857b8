#include "ui/FolderTree.h"

#include "ui/ImageList.h"

#include <QHeaderView>

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
    setSortingEnabled(true);
    sortByColumn(0, Qt::AscendingOrder);
}

QTreeWidgetItem *FolderTree::addNode(const QString &relativeKey, const QString &key, const QString &text, int image,
                                     int selectedImage)
{
    auto *item = new FolderItem(text);
    item->setData(0, KeyRole, key);
    if (m_images)
        item->setIcon(0, m_images->icon(image, selectedImage));
    m_nodes.insert(key, item);
    if (QTreeWidgetItem *relative = relativeKey.isEmpty() ? nullptr : m_nodes.value(relativeKey))
        relative->addChild(item);
    else if (m_filling)
        m_pendingTopLevel.append(item);
    else
        addTopLevelItem(item);
    return item;
}

void FolderTree::beginFill()
{
    m_filling = true;
    setSortingEnabled(false);
}

void FolderTree::endFill()
{
    m_filling = false;
    addTopLevelItems(m_pendingTopLevel);
    m_pendingTopLevel.clear();
    // One sort of the whole tree; from now on new children take their place as added.
    setSortingEnabled(true);
    sortByColumn(0, Qt::AscendingOrder);
}

void FolderTree::clearNodes()
{
    clear();
    qDeleteAll(m_pendingTopLevel);
    m_pendingTopLevel.clear();
    m_nodes.clear();
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
