#include "ui/LinkDrops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QStringList>
#include <QTreeWidget>

namespace {

// The first line of a list that is neither blank nor a comment, as text/uri-list
// has them.
QString firstListed(const QString &lines)
{
    for (const QStringView line : QStringView(lines).split(u'\n')) {
        const QStringView entry = line.trimmed();
        if (!entry.isEmpty() && !entry.startsWith(u'#'))
            return entry.toString();
    }
    return {};
}

} // namespace

// A link from "text/x-moz-url" (the address, a line break, the title; UTF-16 from
// every browser that offers it, UTF-8 from a few other programs), else the
// address alone from "text/uri-list" or, with `plainText`, from plain text. The
// raw text is taken rather than QMimeData::urls(), which would rewrite the address.
std::optional<DroppedLink> DroppedLink::from(const QMimeData *mime, bool plainText)
{
    static const QString MozUrl = QStringLiteral("text/x-moz-url");
    static const QString UriList = QStringLiteral("text/uri-list");
    if (!mime)
        return std::nullopt;
    if (mime->hasFormat(MozUrl)) {
        const QByteArray bytes = mime->data(MozUrl);
        QString text = bytes.contains('\0')
            ? QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData()), bytes.size() / 2)
            : QString::fromUtf8(bytes);
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        text.remove(u'\r');
        const QStringList lines = text.split(u'\n');
        const QString address = lines.value(0).trimmed();
        if (!address.isEmpty())
            return DroppedLink{address, lines.value(1).remove(QChar(0)).trimmed()};
    }
    QString address;
    if (mime->hasFormat(UriList))
        address = firstListed(QString::fromUtf8(mime->data(UriList)));
    else if (plainText && mime->hasText())
        address = firstListed(mime->text());
    if (address.isEmpty())
        return std::nullopt;
    return DroppedLink{address, {}};
}

LinkDrops::LinkDrops(QWidget *window, const QList<QWidget *> &fields, QTreeWidget *tree, std::function<bool()> held)
    : QObject(window)
    , m_window(window)
    , m_tree(tree)
    , m_held(std::move(held))
{
    window->setAcceptDrops(true);
    tree->viewport()->setAcceptDrops(true);
    window->installEventFilter(this);
    tree->viewport()->installEventFilter(this);
    for (QWidget *field : fields)
        field->installEventFilter(this);
}

bool LinkDrops::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::DragMove && event->type() != QEvent::Drop)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    if (watched == m_window)
        return take(drop, true, nullptr);
    if (watched != m_tree->viewport())
        return take(drop, false, nullptr);
    if (!take(drop, true, m_tree->itemAt(drop->position().toPoint())))
        drop->ignore();
    return true;
}

bool LinkDrops::take(QDropEvent *event, bool plainText, QTreeWidgetItem *folder)
{
    const std::optional<DroppedLink> link = DroppedLink::from(event->mimeData(), plainText);
    if (!link || m_held())
        return false;
    event->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        Q_EMIT dropped(*link, folder);
    return true;
}
