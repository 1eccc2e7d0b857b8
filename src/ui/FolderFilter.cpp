#include "ui/FolderFilter.h"

#include "bookmarks/FolderCatalogue.h"
#include "ui/FolderTree.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Case and accents folded away: "Crème" and "CREME" both become "creme".
QString fold(const QString &text)
{
    const bool ascii = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii)
        return text.toCaseFolded();
    QString decomposed = text.normalized(QString::NormalizationForm_D);
    decomposed.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return decomposed.toCaseFolded();
}

} // namespace

// The matches as a list view reads them; reset at each keystroke, which costs
// nothing per row however many folders match.
class MatchModel : public QAbstractListModel
{
public:
    MatchModel(const QList<QString> &shown, const QList<qint32> &matches, QObject *parent)
        : QAbstractListModel(parent)
        , m_shown(shown)
        , m_matches(matches)
    {
    }
    void reset()
    {
        beginResetModel();
        endResetModel();
    }
    int rowCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : int(m_matches.size()); }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_matches.size())
            return {};
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return m_shown[m_matches[index.row()]];
        return {};
    }

private:
    const QList<QString> &m_shown;
    const QList<qint32> &m_matches;
};

FolderFilter::FolderFilter(QWidget *parent)
    : QFrame(parent)
    , m_field(new QLineEdit(this))
    , m_list(new QListView(this))
    , m_model(new MatchModel(m_shown, m_matches, this))
{
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_field);
    layout->addWidget(m_list);
    m_field->setPlaceholderText(tr("Find a folder: words of its path"));
    m_field->setAccessibleName(tr("Find a folder"));
    m_field->setClearButtonEnabled(true);
    m_list->setAccessibleName(tr("Matching folders"));
    m_list->setModel(m_model);
    m_list->setUniformItemSizes(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_field->installEventFilter(this);
    connect(m_field, &QLineEdit::textChanged, this, &FolderFilter::search);
    connect(m_list, &QListView::activated, this, &FolderFilter::choose);
    hide();
}

void FolderFilter::setFolders(const FolderCatalogue *catalogue)
{
    m_catalogue = catalogue;
    m_indexed = false;
    m_matches.clear();
    m_model->reset();
    // Read again while open: the search goes on over the new folders.
    if (isVisible()) {
        index();
        search();
    }
}

void FolderFilter::setRecent(const QList<qint32> &folders)
{
    m_recent = folders;
}

void FolderFilter::index()
{
    // One pass: parents come before their children, so each path extends one
    // already made.
    const qint32 count = m_catalogue ? m_catalogue->FolderCount : 0;
    m_shown.resize(count);
    m_folded.resize(count);
    m_nameStart.resize(count);
    m_depth.resize(count);
    for (qint32 i = 0; i < count; ++i) {
        QString name = m_catalogue->displayName(i);
        if (name.isEmpty())
            name = FolderTree::noName();
        const qint32 parent = m_catalogue->parent(i);
        if (parent == FolderCatalogue::Root) {
            m_shown[i] = name;
            m_folded[i] = fold(name);
            m_nameStart[i] = 0;
            m_depth[i] = 0;
        } else {
            m_shown[i] = m_shown[parent] + QLatin1Char('/') + name;
            m_nameStart[i] = qint32(m_folded[parent].size() + 1);
            m_folded[i] = m_folded[parent] + QLatin1Char('/') + fold(name);
            m_depth[i] = m_depth[parent] + 1;
        }
    }
    m_indexed = true;
}

void FolderFilter::open()
{
    if (!m_indexed)
        index();
    m_field->clear();
    search();
    show();
    raise();
    m_field->setFocus(Qt::ShortcutFocusReason);
}

void FolderFilter::search()
{
    if (!m_indexed)
        return;
    const QList<QString> words = fold(m_field->text()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString phrase = words.join(QLatin1Char(' '));
    if (words.isEmpty() && !m_recent.isEmpty()) {
        m_matches.clear();
        for (const qint32 folder : std::as_const(m_recent)) {
            if (folder >= 0 && folder < m_folded.size() && !m_matches.contains(folder))
                m_matches.append(folder);
        }
        showMatches();
        return;
    }
    // How well a folder matches, best first: its whole name (or path) typed; the
    // words as typed inside its name; how many words start a word of its name,
    // then of its path. A word starts a word after anything but a letter or digit.
    struct Rank
    {
        int tier;
        int nameStarts;
        int pathStarts;
    };
    const auto startsAWord = [](QStringView text, const QString &word) {
        for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1)) {
            if (at == 0 || !text[at - 1].isLetterOrNumber())
                return true;
        }
        return false;
    };
    QList<Rank> rank(m_folded.size());
    m_matches.clear();
    for (qint32 i = 0; i < m_folded.size(); ++i) {
        const QString &path = m_folded[i];
        const bool all = std::all_of(words.cbegin(), words.cend(), [&](const QString &word) { return path.contains(word); });
        if (!all)
            continue;
        const QStringView name = QStringView(path).sliced(m_nameStart[i]);
        Rank &r = rank[i];
        r.tier = name == phrase || path == phrase ? 0 : name.contains(phrase) ? 1 : 2;
        r.nameStarts = int(std::count_if(words.cbegin(), words.cend(), [&](const QString &w) { return startsAWord(name, w); }));
        r.pathStarts = int(std::count_if(words.cbegin(), words.cend(), [&](const QString &w) { return startsAWord(path, w); }));
        m_matches.append(i);
    }
    // Then the shallower, then the file's order (the folder's number).
    std::stable_sort(m_matches.begin(), m_matches.end(), [&](qint32 a, qint32 b) {
        const Rank &x = rank[a], &y = rank[b];
        if (x.tier != y.tier)
            return x.tier < y.tier;
        if (x.nameStarts != y.nameStarts)
            return x.nameStarts > y.nameStarts;
        if (x.pathStarts != y.pathStarts)
            return x.pathStarts > y.pathStarts;
        return m_depth[a] < m_depth[b];
    });
    showMatches();
}

void FolderFilter::showMatches()
{
    m_model->reset();
    if (!m_matches.isEmpty())
        m_list->setCurrentIndex(m_model->index(0));
}

void FolderFilter::choose()
{
    const QModelIndex current = m_list->currentIndex();
    if (!current.isValid() || current.row() >= m_matches.size())
        return;
    hide();
    Q_EMIT chosen(m_matches[current.row()]);
}

bool FolderFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && event->type() == QEvent::FocusOut) {
        // Gone elsewhere with the mouse or Tab: the tree is needed again.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
            && !isAncestorOf(QApplication::focusWidget()))
            hide();
        return false;
    }
    if (watched != m_field || event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // The list moves while the focus stays in the field, so typing goes on.
        QApplication::sendEvent(m_list, event);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        choose();
        return true; // never the window's Enter, which adds
    case Qt::Key_Escape:
        hide();
        Q_EMIT dismissed();
        return true;
    default:
        return false;
    }
}
