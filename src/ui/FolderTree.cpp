#include "ui/FolderTree.h"

#include "ui/ImageList.h"

#include <QHeaderView>

#include <algorithm>

namespace {

constexpr int KeyRole = Qt::UserRole;

// The tooltip is worked out when asked for: a path per node made during the
// fill would cost more than the rest of filling a large tree.
class FolderItem : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    QVariant data(int column, int role) const override
    {
        if (role == Qt::ToolTipRole && column == 0 && parent())
            return FolderTree::shownPath(this);
        return QTreeWidgetItem::data(column, role);
    }
};

} // namespace

FolderTree::FolderTree(QWidget *parent)
    : QTreeWidget(parent)
{
    setColumnCount(1);
    // Hidden, but assistive tools still read the column's name.
    setHeaderLabels({QStringLiteral("Folders")});
    header()->hide();
    setAccessibleName(QStringLiteral("Folders"));
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // As people read a list: accents with their letters, "Folder 9" before
    // "Folder 10", case only where nothing else tells two names apart.
    // Under the C locale (LANG=C.UTF-8, common on servers and in containers)
    // QCollator compares code points and ignores numeric mode: English uses
    // the common order that most languages start from.
    if (m_collator.locale().language() == QLocale::C)
        m_collator.setLocale(QLocale(QLocale::English));
    m_collator.setNumericMode(true);
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

bool FolderTree::before(const QTreeWidgetItem *a, const QTreeWidgetItem *b) const
{
    return m_collator.compare(a->text(0), b->text(0)) < 0;
}

QTreeWidgetItem *FolderTree::addNode(const QString &relativeKey, const QString &key, const QString &text, int image,
                                     int selectedImage)
{
    auto *item = new FolderItem;
    if (text.isEmpty()) {
        // Shown only: the file keeps its empty name.
        item->setText(0, NoName);
        QFont italic = font();
        italic.setItalic(true);
        item->setFont(0, italic);
    } else {
        item->setText(0, text);
    }
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
    while (at < parentItem->childCount() && !before(item, parentItem->child(at)))
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
    // The sort is stable: equal names keep their order in the file.
    m_filling = false;
    const auto byName = [this](const QTreeWidgetItem *a, const QTreeWidgetItem *b) { return before(a, b); };
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

QString FolderTree::shownPath(const QTreeWidgetItem *node)
{
    if (!node || !node->parent())
        return {};
    QString path = node->text(0);
    for (const QTreeWidgetItem *p = node->parent(); p->parent(); p = p->parent())
        path.prepend(p->text(0) + QLatin1Char('/'));
    return path;
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
