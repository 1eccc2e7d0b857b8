#include "ui/FolderTree.h"

#include "ui/ImageList.h"

#include <QHeaderView>

#include <algorithm>

namespace {

constexpr int KeyRole = Qt::UserRole;
constexpr qint32 NoFolder = -2;
constexpr int FolderType = QTreeWidgetItem::UserType + 1;

// A folder's node keeps nothing but its number: its text, key, picture and
// tooltip are worked out when asked for (for the rows on screen), which costs
// far less than keeping them for every node of a large tree.
class FolderItem : public QTreeWidgetItem
{
public:
    FolderItem() = default;
    FolderItem(const FolderTree *tree, qint32 folder)
        : QTreeWidgetItem(FolderType)
        , m_tree(tree)
        , m_folder(folder)
    {
    }
    qint32 folder() const { return m_folder; }
    QVariant data(int column, int role) const override
    {
        if (column == 0 && m_folder != NoFolder) {
            const FolderTree *tree = m_tree;
            switch (role) {
            case Qt::DisplayRole:
            case Qt::EditRole: {
                const QString name = tree->folderName(m_folder);
                return name.isEmpty() ? FolderTree::noName() : name;
            }
            case Qt::FontRole:
                if (tree->folderName(m_folder).isEmpty()) {
                    // Shown only: the file keeps its empty name.
                    QFont italic = tree->font();
                    italic.setItalic(true);
                    return italic;
                }
                break;
            case KeyRole:
                return QString(QLatin1Char('D') + QString::number(m_folder));
            case Qt::DecorationRole:
                return tree->folderIcon();
            default:
                break;
            }
        }
        if (role == Qt::ToolTipRole && column == 0 && parent())
            return FolderTree::shownPath(this);
        return QTreeWidgetItem::data(column, role);
    }

private:
    const FolderTree *m_tree = nullptr; // also while the node is not yet in the tree
    qint32 m_folder = NoFolder;
};

} // namespace

FolderTree::FolderTree(QWidget *parent)
    : QTreeWidget(parent)
{
    setColumnCount(1);
    // Hidden, but assistive tools still read the column's name.
    setHeaderLabels({tr("Folders")});
    header()->hide();
    setAccessibleName(tr("Folders"));
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
    // A list about to be shown gets its nodes (when it was opened some other way
    // than from its parent) and its children's, for their expand marks.
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *node) {
        makeChildren(node);
        for (int i = 0; i < node->childCount(); ++i)
            makeChildren(node->child(i));
    });
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
        item->setText(0, noName());
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
    QTreeWidgetItem *relative = relativeKey.isEmpty() ? nullptr : nodeOf(relativeKey);
    QTreeWidgetItem *parentItem = relative ? relative : invisibleRootItem();
    int at = 0;
    while (at < parentItem->childCount() && !before(item, parentItem->child(at)))
        ++at;
    parentItem->insertChild(at, item);
    return item;
}

void FolderTree::addFolders(QTreeWidgetItem *root, const FolderCatalogue &catalogue)
{
    m_catalogue = catalogue; // shares the catalogue's memory
    m_root = root;
    const qint32 count = catalogue.FolderCount;
    // Children grouped by parent, each group in file order.
    m_childStart.assign(size_t(count) + 2, 0);
    for (qint32 i = 0; i < count; ++i)
        ++m_childStart[size_t(catalogue.parent(i)) + 2];
    for (size_t i = 2; i < m_childStart.size(); ++i)
        m_childStart[i] += m_childStart[i - 1];
    m_children.assign(size_t(count), 0);
    std::vector<qint32> next(m_childStart.begin(), m_childStart.end() - 1);
    for (qint32 i = 0; i < count; ++i)
        m_children[size_t(next[size_t(catalogue.parent(i)) + 1]++)] = i;
    m_made.assign(size_t(count), nullptr);
    m_childrenMade.assign(size_t(count) + 1, false);
    m_folderIcon = m_images ? m_images->icon(2, 3) : QIcon();
    // The top level and the level below it are made before the view sees them:
    // lists added to nodes on screen one by one would each be laid out again.
    const QList<QTreeWidgetItem *> top = childNodes(FolderCatalogue::Root);
    for (QTreeWidgetItem *node : top)
        makeChildren(node);
    root->addChildren(top);
}

qint32 FolderTree::folderOf(const QTreeWidgetItem *node) const
{
    if (node == m_root)
        return FolderCatalogue::Root;
    return node->type() == FolderType ? static_cast<const FolderItem *>(node)->folder() : NoFolder;
}

void FolderTree::makeChildren(QTreeWidgetItem *node)
{
    const qint32 folder = m_root ? folderOf(node) : NoFolder;
    if (folder != NoFolder)
        node->addChildren(childNodes(folder));
}

QList<QTreeWidgetItem *> FolderTree::childNodes(qint32 folder)
{
    if (m_childrenMade[size_t(folder + 1)])
        return {};
    m_childrenMade[size_t(folder + 1)] = true;
    const qint32 from = m_childStart[size_t(folder) + 1], to = m_childStart[size_t(folder) + 2];
    // Sorted once, before the view sees any of it, by collation keys (comparing
    // names one pair at a time would cost many times as much). The sort is
    // stable: equal names keep their order in the file.
    struct Child
    {
        QCollatorSortKey order;
        QTreeWidgetItem *node;
    };
    std::vector<Child> sorted;
    sorted.reserve(size_t(to - from));
    for (qint32 c = from; c < to; ++c) {
        const qint32 child = m_children[size_t(c)];
        auto *item = new FolderItem(this, child);
        m_made[size_t(child)] = item;
        // Marked as a folder with subfolders before their nodes exist.
        if (m_childStart[size_t(child) + 2] > m_childStart[size_t(child) + 1])
            item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        const QString name = folderName(child);
        sorted.push_back({m_collator.sortKey(name.isEmpty() ? noName() : name), item});
    }
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Child &a, const Child &b) { return a.order.compare(b.order) < 0; });
    QList<QTreeWidgetItem *> children;
    children.reserve(to - from);
    for (const Child &child : sorted)
        children.append(child.node);
    return children;
}

QTreeWidgetItem *FolderTree::nodeOf(const QString &key)
{
    if (QTreeWidgetItem *node = m_nodes.value(key))
        return node;
    bool ok = false;
    const qint32 folder = key.startsWith(QLatin1Char('D')) ? key.mid(1).toInt(&ok) : NoFolder;
    if (!ok || !m_root || folder < 0 || folder >= qint32(m_made.size()))
        return nullptr;
    if (!m_made[size_t(folder)]) {
        // Made from the top down: the chain of folders above it first.
        std::vector<qint32> chain;
        for (qint32 f = m_catalogue.parent(folder); f != FolderCatalogue::Root && !m_made[size_t(f)];
             f = m_catalogue.parent(f))
            chain.push_back(f);
        const qint32 top = chain.empty() ? m_catalogue.parent(folder) : m_catalogue.parent(chain.back());
        makeChildren(top == FolderCatalogue::Root ? m_root : m_made[size_t(top)]);
        for (auto f = chain.rbegin(); f != chain.rend(); ++f)
            makeChildren(m_made[size_t(*f)]);
    }
    return m_made[size_t(folder)];
}

void FolderTree::clearNodes()
{
    // Detached first: the view then has nothing to update while they go.
    QList<QTreeWidgetItem *> old = invisibleRootItem()->takeChildren();
    m_nodes.clear();
    m_root = nullptr;
    m_catalogue = FolderCatalogue();
    m_childStart.clear();
    m_children.clear();
    m_made.clear();
    m_childrenMade.clear();
    m_newFolder = nullptr; // among the old nodes
    qDeleteAll(old);
}

void FolderTree::showNewFolder(QTreeWidgetItem *parent, const QString &name)
{
    if (!parent || parent == m_newFolder)
        return;
    delete m_newFolder; // which takes it out of the tree
    makeChildren(parent);
    m_newFolder = new QTreeWidgetItem;
    m_newFolder->setText(0, name);
    m_newFolder->setData(0, KeyRole, QStringLiteral("N"));
    m_newFolder->setIcon(0, m_folderIcon);
    int at = 0;
    while (at < parent->childCount() && !before(m_newFolder, parent->child(at)))
        ++at;
    parent->insertChild(at, m_newFolder);
    m_newFolder->setToolTip(0, shownPath(m_newFolder));
    parent->setExpanded(true);
    setCurrentItem(m_newFolder);
    scrollToItem(m_newFolder);
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
    if (QTreeWidgetItem *item = nodeOf(key)) {
        setCurrentItem(item);
        scrollToItem(item);
    }
}
