#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QDropEvent;
class QLineEdit;
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

// The web address `text` is, when it is one and nothing else: an http or https
// address with a host, no spaces, nothing around it but blank space. Whatever
// else the clipboard holds (words, several lines, a path) was not copied for this.
QString webAddressIn(const QString &text);

// Takes links dragged onto the window into its fields: the address, and the
// title when the link has one. Anywhere in the window plain text stands for an
// address; in a field it is typing, and only a link is taken; on the tree the
// folder under the pointer is selected too. Nothing is added until Add, and a
// title with refused characters stays as it came, for Add to name them.
class LinkDrops : public QObject
{
    Q_OBJECT
public:
    // While `held` says so, nothing is taken.
    LinkDrops(QWidget *window, QLineEdit *text, QLineEdit *address, QTreeWidget *tree, std::function<bool()> held);

Q_SIGNALS:
    // After the fields were filled.
    void dropped();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool take(QDropEvent *event, bool plainText, QTreeWidgetItem *folder);

    QWidget *m_window;
    QLineEdit *m_text;
    QLineEdit *m_address;
    QTreeWidget *m_tree;
    std::function<bool()> m_held;
};
