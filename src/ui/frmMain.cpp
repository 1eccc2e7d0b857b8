#include "ui/frmMain.h"

#include "platform/UserPrompts.h"
#include "ui/FolderFilter.h"
#include "ui/FolderTree.h"
#include "ui/SelectAllLineEdit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int TwipsPerInch = 1440;

// Where each control stands at the design size, in twips. With larger fonts
// these are the minimums: a control grows to what its text needs.
struct Place
{
    int left, top, width, height;
};
constexpr Place Label1Place{120, 120, 495, 255};
constexpr Place TextPlace{720, 120, 2655, 285};
constexpr Place Label2Place{120, 480, 495, 255};
constexpr Place UrlPlace{720, 480, 3375, 285};
constexpr Place TreePlace{120, 840, 3975, 2295};
constexpr Place AddPlace{3480, 120, 615, 255};
constexpr int DesignWidth = 4185;
constexpr int DesignHeight = 3225;

// What resizing keeps fixed, read off the places: the right margin of the
// button, the address field and the tree, the gaps between controls, and the
// margin under the tree.
constexpr int RightMargin = DesignWidth - (AddPlace.left + AddPlace.width);
constexpr int ButtonGap = AddPlace.left - (TextPlace.left + TextPlace.width);
constexpr int LabelGap = TextPlace.left - (Label1Place.left + Label1Place.width);
constexpr int RowGap = UrlPlace.top - (TextPlace.top + TextPlace.height);
constexpr int BottomMargin = DesignHeight - (TreePlace.top + TreePlace.height);
static_assert(UrlPlace.left + UrlPlace.width + RightMargin == DesignWidth
                  && TreePlace.left + TreePlace.width + RightMargin == DesignWidth,
              "the button, the address field and the tree end at one right margin");
static_assert(TreePlace.top - (UrlPlace.top + UrlPlace.height) == RowGap, "the rows are evenly spaced");

QString nodeKey(qint32 index)
{
    return QLatin1Char('D') + QString::number(index);
}

// What a browser hands over when a link is dragged out of it.
struct DroppedLink
{
    QString address;
    QString title;
};

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

// A link from "text/x-moz-url" (the address, a line break, the title; UTF-16 from
// every browser that offers it, UTF-8 from a few other programs), else the
// address alone from "text/uri-list" or, with `plainText`, from plain text. The
// raw text is taken rather than QMimeData::urls(), which would rewrite the address.
std::optional<DroppedLink> droppedLink(const QMimeData *mime, bool plainText)
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

} // namespace

// The resources live in a static library: they have to be registered by hand,
// outside any namespace.
static void initResources()
{
    Q_INIT_RESOURCE(linkcrate);
}

frmMain::frmMain(Settings &settings, UserPrompts &prompts, QWidget *parent)
    : QWidget(parent)
    , m_flow(settings)
    , BookmarkFile(m_flow.file())
    , catalogue(m_flow.catalogue())
    , Label1(new QLabel(QStringLiteral("&Text :"), this))
    , txtText(new SelectAllLineEdit(this))
    , Label2(new QLabel(QStringLiteral("&URL :"), this))
    , txtUrl(new SelectAllLineEdit(this))
    , Tree(new FolderTree(this))
    , cmdAdd(new QPushButton(QStringLiteral("&Add"), this))
    , lblPath(new QLabel(this))
    , filter(new FolderFilter(this))
    , m_settings(settings)
    , m_prompts(prompts)
    , m_watcher(new QFileSystemWatcher(this))
{
    initResources();
    setWindowTitle(QStringLiteral("Linkcrate"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/linkcrate.svg")));
    Label1->setBuddy(txtText);
    Label2->setBuddy(txtUrl);
    Tree->setImageList(&images);
    // Enter adds from anywhere but the folder filter.
    cmdAdd->setDefault(true);
    lblPath->setAccessibleName(QStringLiteral("Where the bookmark goes"));
    lblPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    setTabOrder(txtText, txtUrl);
    setTabOrder(txtUrl, Tree);
    setTabOrder(Tree, cmdAdd);
    // A link may be dropped anywhere: the fields take links themselves only for
    // plain text dragged into them, and the tree to select the folder too.
    setAcceptDrops(true);
    Tree->viewport()->setAcceptDrops(true);
    for (QObject *watched : {static_cast<QObject *>(txtText), static_cast<QObject *>(txtUrl),
                             static_cast<QObject *>(Tree->viewport())})
        watched->installEventFilter(this);

    connect(cmdAdd, &QPushButton::clicked, this, &frmMain::cmdAdd_Click);
    connect(Tree, &QTreeWidget::currentItemChanged, this, &frmMain::showPath);
    connect(filter, &FolderFilter::chosen, this, [this](qint32 folder) {
        selectFolder(folder);
        txtText->setFocus();
    });
    connect(filter, &FolderFilter::dismissed, this, [this] {
        if (m_focusBeforeFilter)
            m_focusBeforeFilter->setFocus();
    });

    const auto shortcut = [this](const QKeySequence &keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_F), &frmMain::openFilter);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_L), &frmMain::openFilter);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_O), &frmMain::chooseOtherFile);
    shortcut(QKeySequence::Undo, &frmMain::undoLastAddition);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), &QWidget::close);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_W), &QWidget::close);
    // The tree's access key, as the fields have theirs.
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F), this), &QShortcut::activated, this,
            [this] { Tree->setFocus(Qt::ShortcutFocusReason); });

    // A browser rewrites the file by replacing it: the folder is watched too, and
    // the several events of one rewrite make one reading.
    m_changeTimer.setSingleShot(true);
    m_changeTimer.setInterval(150);
    connect(&m_changeTimer, &QTimer::timeout, this, &frmMain::fileMayHaveChanged);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { m_changeTimer.start(); });
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { m_changeTimer.start(); });

    resize(naturalSize());
    Form_Resize();
}

bool frmMain::Form_Load()
{
    bool chosen = false;
    QString file; // at first the remembered one
    QString askIn;
    for (;;) {
        const AdditionFlow::OpenOutcome opened = m_flow.open({file});
        showRecovery(opened.recovery);
        if (opened.ok())
            break;
        if (opened.kind == AdditionFlow::Kind::NoFile) {
            if (!opened.message.isEmpty()) {
                m_prompts.message(opened.message + QStringLiteral(" Choose the bookmark file."),
                                  UserPrompts::Icon::Exclamation);
                const QFileInfo gone(opened.file);
                askIn = gone.absoluteDir().exists() ? gone.absolutePath() : QString();
            }
        } else {
            // A file that cannot be read must not lock the user out on every
            // start: say why and ask for another, as on a first run.
            m_prompts.message(opened.message, UserPrompts::Icon::Critical);
            askIn = QFileInfo(opened.file).absolutePath();
        }
        const std::optional<QString> choice = m_prompts.chooseBookmarkFile(askIn);
        if (!choice)
            return false;
        file = *choice;
        chosen = true;
    }
    if (chosen)
        rememberFile();

    loadImages();
    ensurePolished();
    resize(naturalSize());
    restoreGeometry(m_settings.windowGeometry());
    show();
    FillTree();
    selectFolder(chosen ? FolderCatalogue::Root : m_flow.indexOf(m_flow.lastFolder()));
    watchFile();
    txtText->setFocus();
    return true;
}

void frmMain::loadImages()
{
    if (images.count() > 0)
        return;
    images.add(QStringLiteral(":/icons/bookmarks.svg"));
    images.add(QStringLiteral(":/icons/folder-closed.svg"));
    images.add(QStringLiteral(":/icons/folder-open.svg"));
}

void frmMain::FillTree()
{
    Tree->clearNodes();
    QTreeWidgetItem *root = Tree->addNode({}, QStringLiteral("D-1"), QStringLiteral("Bookmarks"), 1);
    root->setToolTip(0, BookmarkFile);
    Tree->addFolders(root, catalogue);
    root->setExpanded(true);
    Tree->selectKey(QStringLiteral("D-1"));
    filter->setFolders(&catalogue);
    showPath();
}

bool frmMain::InvalidInput()
{
    const AdditionFlow::EntryOutcome entry = AdditionFlow::checkEntry(txtText->text(), txtUrl->text());
    if (entry.ok())
        return false;
    m_prompts.message(entry.message, entry.verdict == EntryCheck::Verdict::RefusedCharacter ? UserPrompts::Icon::None
                                                                                            : UserPrompts::Icon::Exclamation);
    if (entry.verdict == EntryCheck::Verdict::EmptyUrl)
        txtUrl->setFocus();
    else
        txtText->setFocus();
    return true;
}

qint32 frmMain::selectedIndex() const
{
    const std::optional<QString> key = Tree->selectedKey();
    bool isNumber = false;
    const qint32 index = key ? key->mid(1).toInt(&isNumber) : 0;
    if (!key || !isNumber || index < FolderCatalogue::Root || index >= catalogue.FolderCount)
        return FolderCatalogue::Root - 1;
    return index;
}

void frmMain::cmdAdd_Click()
{
    if (m_busy)
        return;
    const qint32 index = selectedIndex();
    if (index < FolderCatalogue::Root) {
        m_prompts.message(QStringLiteral("No directory selected !"), UserPrompts::Icon::None);
        Tree->setFocus();
        return;
    }
    if (InvalidInput())
        return;

    setBusy(true);
    const AdditionFlow::Holders holders = m_flow.alreadyIn(txtUrl->text());
    txtUrl->setText(holders.address);
    if (!holders.folders.isEmpty()) {
        // The question needs the window enabled, but the folders must not be
        // read again under it: `index` has to go on naming the folder chosen.
        setBusy(false);
        m_busy = true;
        const bool again = m_prompts.ask(holders.question, QStringLiteral("Add again"), QStringLiteral("Cancel"));
        m_busy = false;
        if (!again) {
            txtText->setFocus();
            return;
        }
        setBusy(true);
    }
    AdditionFlow::AddRequest request;
    request.text = txtText->text();
    request.address = txtUrl->text();
    request.folder.by = index == FolderCatalogue::Root ? AdditionFlow::FolderChoice::By::Root
                                                       : AdditionFlow::FolderChoice::By::Index;
    request.folder.index = index;
    request.keepAlive = [] { QCoreApplication::processEvents(); };
    const AdditionFlow::AddOutcome added = m_flow.add(request);
    setBusy(false);

    if (added.kind == AdditionFlow::Kind::Changed) {
        m_prompts.message(added.message
                              + QStringLiteral("\nNothing was written. The folders have been read again: "
                                               "check the folder and press Add again."),
                          UserPrompts::Icon::Exclamation);
        reread(true);
        txtText->setFocus();
        return;
    }
    if (!added.ok()) {
        m_prompts.message(added.message, UserPrompts::Icon::Critical);
        txtText->setFocus();
        return;
    }
    // Emptied without an undo step of their own, so that Ctrl+Z in the empty
    // field undoes the addition rather than bringing the text back.
    txtText->setText(QString());
    txtUrl->setText(QString());
    txtText->setFocus();
}

void frmMain::undoLastAddition()
{
    if (m_busy)
        return;
    const LastAddition record = m_flow.lastAddition();
    // A Ctrl+Z too many after undoing typing must not take a bookmark away unasked.
    if (record.isValid()
        && !m_prompts.ask(QStringLiteral("Undo the last addition to \"%1\"? The file goes back to the version "
                                         "before it; the version with the addition goes to the trash.")
                              .arg(record.file),
                          QStringLiteral("Undo"), QStringLiteral("Cancel")))
        return;
    setBusy(true);
    const AdditionFlow::Outcome undone = m_flow.undo({});
    setBusy(false);
    if (!undone.ok()) {
        m_prompts.message(undone.message, UserPrompts::Icon::Exclamation);
        return;
    }
    reread(true);
    m_prompts.message(undone.message, UserPrompts::Icon::Information);
}

bool frmMain::takeDrop(QDropEvent *event, bool plainText, QTreeWidgetItem *folder)
{
    const std::optional<DroppedLink> link = droppedLink(event->mimeData(), plainText);
    if (!link || m_busy)
        return false;
    event->acceptProposedAction();
    if (event->type() != QEvent::Drop)
        return true;
    // Only filled in: nothing is added until Add, and a title with refused
    // characters stays as it came, for Add to name them.
    txtUrl->setText(link->address);
    if (!link->title.isEmpty())
        txtText->setText(link->title);
    if (folder)
        Tree->setCurrentItem(folder);
    return true;
}

void frmMain::selectFolder(qint32 index)
{
    Tree->selectKey(nodeKey(index));
}

void frmMain::reread(bool tellFailure)
{
    const AdditionFlow::FolderPlace place = m_flow.placeOf(selectedIndex());
    if (const AdditionFlow::Outcome read = m_flow.readFolders(); !read.ok()) {
        // Caught half-way through another program's rewrite, the watch says
        // nothing: the next change brings the complete file, and Add checks the
        // file in any case.
        if (tellFailure)
            m_prompts.message(read.message, UserPrompts::Icon::Critical);
        return;
    }
    FillTree();
    selectFolder(m_flow.indexOf(place));
}

void frmMain::watchFile()
{
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    m_watcher->addPath(BookmarkFile);
    m_watcher->addPath(QFileInfo(BookmarkFile).absolutePath());
}

void frmMain::fileMayHaveChanged()
{
    if (m_busy) {
        m_changeTimer.start();
        return;
    }
    FileIdentity now;
    QString reason;
    if (!FileIdentity::read(BookmarkFile, now, reason))
        return; // gone for now: the folder's watch tells when it is back
    // A replaced file is a new inode, which the old watch does not follow; nor
    // does it end while the old inode lives on (in the trash, say): watched anew.
    m_watcher->removePath(BookmarkFile);
    m_watcher->addPath(BookmarkFile);
    if (now != catalogue.identity())
        reread(false);
}

void frmMain::showPath()
{
    const QString fileName = QFileInfo(BookmarkFile).fileName();
    const QString path = FolderTree::shownPath(Tree->currentItem());
    const QString text = path.isEmpty() ? fileName : fileName + QStringLiteral(": ") + path;
    lblPath->setText(lblPath->fontMetrics().elidedText(text, Qt::ElideMiddle, std::max(0, lblPath->width())));
    lblPath->setToolTip(BookmarkFile);
    lblPath->setAccessibleDescription(text);
}

// The file chosen is the one to use from now on, at the next start too.
void frmMain::rememberFile()
{
    if (const AdditionFlow::Outcome remembered = m_flow.rememberFile(); !remembered.ok())
        m_prompts.message(remembered.message, UserPrompts::Icon::Exclamation);
}

// What finishing or clearing away an addition cut short earlier did, if anything.
void frmMain::showRecovery(const AdditionFlow::Outcome &recovery)
{
    if (!recovery.message.isEmpty())
        m_prompts.message(recovery.message, recovery.ok() ? UserPrompts::Icon::Information : UserPrompts::Icon::Exclamation);
}

void frmMain::chooseOtherFile()
{
    if (m_busy)
        return;
    const std::optional<QString> choice = m_prompts.chooseBookmarkFile(QFileInfo(BookmarkFile).absolutePath());
    if (!choice)
        return;
    // On failure the flow, and so the window, stays with the file in use.
    const AdditionFlow::OpenOutcome opened = m_flow.open({*choice});
    showRecovery(opened.recovery);
    if (!opened.ok()) {
        m_prompts.message(opened.message, UserPrompts::Icon::Critical);
        return;
    }
    rememberFile();
    FillTree();
    watchFile();
    txtText->setFocus();
}

void frmMain::openFilter()
{
    if (m_busy)
        return;
    if (!filter->isVisible())
        m_focusBeforeFilter = QApplication::focusWidget();
    filter->setGeometry(Tree->geometry());
    filter->open();
}

void frmMain::setBusy(bool busy)
{
    m_busy = busy;
    setEnabled(!busy);
    if (busy)
        setCursor(Qt::WaitCursor);
    else
        setCursor(Qt::ArrowCursor);
}

frmMain::Grown frmMain::grownPlaces() const
{
    // The places of the design, grown where the texts need more room.
    const auto px = [this](int twips) { return twipsToPixelsX(twips); };
    const auto py = [this](int twips) { return twipsToPixelsY(twips); };
    Grown g;
    g.labelWidth = std::max({px(Label1Place.width), Label1->sizeHint().width(), Label2->sizeHint().width()});
    g.labelHeight = std::max(py(Label1Place.height), Label1->sizeHint().height());
    g.fieldLeft = std::max(px(TextPlace.left), px(Label1Place.left) + g.labelWidth + px(LabelGap));
    g.buttonWidth = std::max(px(AddPlace.width), cmdAdd->sizeHint().width());
    g.buttonHeight = std::max(py(AddPlace.height), cmdAdd->sizeHint().height());
    g.row1Height = std::max(py(TextPlace.height), txtText->sizeHint().height());
    g.row2Top = std::max(py(UrlPlace.top), py(TextPlace.top) + std::max(g.row1Height, g.buttonHeight) + py(RowGap));
    g.row2Height = std::max(py(UrlPlace.height), txtUrl->sizeHint().height());
    g.treeTop = std::max(py(TreePlace.top), g.row2Top + g.row2Height + py(RowGap));
    g.pathHeight = lblPath->sizeHint().height();
    return g;
}

QSize frmMain::naturalSize() const
{
    // The design size, or more when larger fonts need it; the path line comes
    // under the tree of the design's size.
    const Grown g = grownPlaces();
    const int width = g.fieldLeft + twipsToPixelsX(TextPlace.width + ButtonGap) + g.buttonWidth
        + twipsToPixelsX(RightMargin);
    const int height = g.treeTop + twipsToPixelsY(TreePlace.height) + g.pathHeight + 2 * twipsToPixelsY(BottomMargin);
    return {std::max(twipsToPixelsX(DesignWidth), width), height};
}

int frmMain::twipsToPixelsX(int twips) const
{
    return int(std::lround(double(twips) * logicalDpiX() / TwipsPerInch));
}

int frmMain::twipsToPixelsY(int twips) const
{
    return int(std::lround(double(twips) * logicalDpiY() / TwipsPerInch));
}

void frmMain::Form_Resize()
{
    const auto px = [this](int twips) { return twipsToPixelsX(twips); };
    const auto py = [this](int twips) { return twipsToPixelsY(twips); };
    const Grown g = grownPlaces();
    Label1->setGeometry(px(Label1Place.left), py(Label1Place.top), g.labelWidth, g.labelHeight);
    Label2->setGeometry(px(Label2Place.left), g.row2Top, g.labelWidth, g.labelHeight);

    // The resize rule: the button keeps its right margin, the fields and the
    // tree take the width that is left, the tree the height. A value that
    // would be negative (a very small window) is skipped, and that control
    // keeps its last size.
    const int W = width();
    const int H = height();
    const int buttonLeft = W - px(RightMargin) - g.buttonWidth;
    if (buttonLeft >= 0)
        cmdAdd->setGeometry(buttonLeft, py(AddPlace.top), g.buttonWidth, g.buttonHeight);
    if (const int w = buttonLeft - px(ButtonGap) - g.fieldLeft; w >= 0)
        txtText->setGeometry(g.fieldLeft, py(TextPlace.top), w, g.row1Height);
    if (const int w = W - px(RightMargin) - g.fieldLeft; w >= 0)
        txtUrl->setGeometry(g.fieldLeft, g.row2Top, w, g.row2Height);
    const int treeWidth = W - px(RightMargin) - px(TreePlace.left);
    const int treeHeight = H - 2 * py(BottomMargin) - g.pathHeight - g.treeTop;
    Tree->setGeometry(px(TreePlace.left), g.treeTop, treeWidth >= 0 ? treeWidth : Tree->width(),
                      treeHeight >= 0 ? treeHeight : Tree->height());
    lblPath->setGeometry(px(TreePlace.left), g.treeTop + Tree->height() + py(BottomMargin), Tree->width(), g.pathHeight);
    if (filter->isVisible())
        filter->setGeometry(Tree->geometry());
    showPath();
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmMain::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // A larger font needs larger controls, and room for them.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        resize(size().expandedTo(naturalSize()));
        Form_Resize();
    }
}

void frmMain::keyPressEvent(QKeyEvent *event)
{
    // What the fields, the tree and the button leave of Enter adds the bookmark.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain) {
        cmdAdd_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmMain::dragEnterEvent(QDragEnterEvent *event)
{
    takeDrop(event, true, nullptr);
}

void frmMain::dragMoveEvent(QDragMoveEvent *event)
{
    takeDrop(event, true, nullptr);
}

void frmMain::dropEvent(QDropEvent *event)
{
    takeDrop(event, true, nullptr);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    const bool inTree = watched == Tree->viewport();
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // A field takes Ctrl+Z for its own undo; with no typing to undo, the
        // key is left to the window's undo of the last addition.
        const auto *field = qobject_cast<QLineEdit *>(watched);
        return field && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Undo) && !field->isUndoAvailable();
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        QTreeWidgetItem *folder = inTree ? Tree->itemAt(drop->position().toPoint()) : nullptr;
        // Plain text dragged into a field is typing; a link is for the window.
        if (takeDrop(drop, inTree, folder))
            return true;
        if (inTree)
            drop->ignore();
        return inTree;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // The window repaints during a long addition; it must not go away half-way.
    if (m_busy) {
        event->ignore();
        return;
    }
    m_settings.setWindowGeometry(saveGeometry());
    QWidget::closeEvent(event);
}
