#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QDropEvent;
class QMimeData;
class QTreeWidget;
class QTreeWidgetItem;

// What a browser hands over when a link is dragged out of it.
struct DroppedLink
{
    QString address;
    QString title;

    // The link a drag carries, if any. With `plainText`, plain text stands for
    // an address too (the tree takes it; a field takes it as typing).
    static std::optional<DroppedLink> from(const QMimeData *mime, bool plainText);
};

// Takes links dragged onto the window. Anywhere in the window plain text stands
// for an address; in a field it is typing, and only a link is taken; on the tree
// the folder under the pointer is the one to add to.
class LinkDrops : public QObject
{
    Q_OBJECT
public:
    // While `held` says so, nothing is taken.
    LinkDrops(QWidget *window, const QList<QWidget *> &fields, QTreeWidget *tree, std::function<bool()> held);

Q_SIGNALS:
    // `folder` is null when the link was not dropped on one.
    void dropped(const DroppedLink &link, QTreeWidgetItem *folder);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool take(QDropEvent *event, bool plainText, QTreeWidgetItem *folder);

    QWidget *m_window;
    QTreeWidget *m_tree;
    std::function<bool()> m_held;
};
