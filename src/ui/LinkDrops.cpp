#include "ui/LinkDrops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QStringList>
#include <QTextDocumentFragment>
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

// Browsers hand text over in UTF-16 (with a byte-order mark or not), a few
// other programs in UTF-8.
QString dropText(const QByteArray &bytes)
{
    QString text = bytes.contains('\0')
        ? QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData()), bytes.size() / 2)
        : QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.remove(u'\r');
    return text.remove(QChar(0));
}

// The first link of an HTML fragment: its address and its text, references
// decoded and markup dropped as a browser shows them.
std::optional<DroppedLink> firstAnchor(const QString &html)
{
    static const QRegularExpression anchor(
        QStringLiteral("<a\\s[^>]*?href\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))[^>]*>(.*?)</a\\s*>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = anchor.match(html);
    if (!match.hasMatch())
        return std::nullopt;
    const QString href = match.captured(1) + match.captured(2) + match.captured(3);
    const auto plain = [](const QString &fragment) {
        return QTextDocumentFragment::fromHtml(fragment).toPlainText().simplified();
    };
    return DroppedLink{plain(href), plain(match.captured(4))};
}

} // namespace

// A link with its title from "text/x-moz-url" or "_NETSCAPE_URL" (the address, a
// line break, the title; the first is not offered by every X11 receiver), else the
// address from "text/uri-list" or, with `plainText`, from plain text, and the
// title from "text/html" when its link is that address (where plain text would
// do, its link stands for the address too). The raw text is taken
// rather than QMimeData::urls(), which would rewrite the address.
std::optional<DroppedLink> DroppedLink::from(const QMimeData *mime, bool plainText)
{
    static const QString UriList = QStringLiteral("text/uri-list");
    static const QString Html = QStringLiteral("text/html");
    if (!mime)
        return std::nullopt;
    for (const QString &format : {QStringLiteral("text/x-moz-url"), QStringLiteral("_NETSCAPE_URL")}) {
        if (!mime->hasFormat(format))
            continue;
        const QStringList lines = dropText(mime->data(format)).split(u'\n');
        const QString address = lines.value(0).trimmed();
        if (!address.isEmpty())
            return DroppedLink{address, lines.value(1).trimmed()};
    }
    const std::optional<DroppedLink> anchor =
        mime->hasFormat(Html) ? firstAnchor(dropText(mime->data(Html))) : std::nullopt;
    QString address;
    if (mime->hasFormat(UriList))
        address = firstListed(QString::fromUtf8(mime->data(UriList)));
    else if (plainText && mime->hasText())
        address = firstListed(mime->text());
    // In a field, HTML alone is rich text dragged as typing, not a link.
    if (anchor && !anchor->address.isEmpty() && (address == anchor->address || (address.isEmpty() && plainText)))
        return anchor;
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
