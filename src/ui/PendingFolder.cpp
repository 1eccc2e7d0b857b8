#include "ui/PendingFolder.h"

#include "flow/AdditionFlow.h"
#include "platform/UserPrompts.h"
#include "ui/FolderTree.h"

#include <QCoreApplication>

PendingFolder::PendingFolder(FolderTree &tree, UserPrompts &prompts)
    : m_tree(tree)
    , m_prompts(prompts)
{
}

bool PendingFolder::ask(QTreeWidgetItem *parent)
{
    if (parent == m_tree.newFolderNode()) {
        m_prompts.message(QCoreApplication::translate("PendingFolder", "\"%1\" is made with the bookmark added to it: add one before making a "
                                         "folder inside it.")
                              .arg(parent->text(0)),
                          UserPrompts::Icon::Exclamation);
        return false;
    }
    const QString in = FolderTree::shownPath(parent);
    QString name;
    for (;;) {
        const std::optional<QString> typed = m_prompts.askText(
            QCoreApplication::translate("PendingFolder", "Name of the new folder in %1:").arg(in.isEmpty() ? QCoreApplication::translate("PendingFolder", "Bookmarks") : in), name);
        if (!typed)
            return false;
        name = typed->trimmed();
        const AdditionFlow::Outcome checked = AdditionFlow::checkFolderName(name);
        if (checked.ok())
            break;
        m_prompts.message(checked.message, UserPrompts::Icon::Exclamation);
    }
    m_tree.showNewFolder(parent, name);
    return true;
}

bool PendingFolder::isSelected() const
{
    const QTreeWidgetItem *node = m_tree.newFolderNode();
    return node && node->isSelected();
}

QString PendingFolder::selected() const
{
    return isSelected() ? m_tree.newFolderNode()->text(0) : QString();
}

qint32 PendingFolder::parent() const
{
    const QTreeWidgetItem *node = m_tree.newFolderNode();
    return node ? FolderTree::key(node->parent()).mid(1).toInt() : -1;
}

PendingFolder::Kept PendingFolder::keep() const
{
    const QTreeWidgetItem *node = m_tree.newFolderNode();
    return node ? Kept{node->text(0), parent(), node->isSelected()} : Kept{};
}

void PendingFolder::restore(const Kept &kept, qint32 parentNow)
{
    if (kept.name.isEmpty())
        return;
    m_tree.selectKey(QLatin1Char('D') + QString::number(parentNow));
    m_tree.showNewFolder(m_tree.currentItem(), kept.name);
}
