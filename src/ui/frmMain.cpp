#include "ui/frmMain.h"

#include "platform/UserPrompts.h"
#include "ui/FileWatch.h"
#include "ui/FolderFilter.h"
#include "ui/FolderTree.h"
#include "ui/LinkDrops.h"
#include "ui/SelectAllLineEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>

#include <algorithm>
#include <optional>

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
    , m_layout(*this, {Label1, txtText, Label2, txtUrl, cmdAdd, Tree, lblPath})
    , m_watch(new FileWatch([this] { return m_busy; }, this))
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
    txtText->installEventFilter(this);
    txtUrl->installEventFilter(this);
    // A link may be dropped anywhere: it fills the fields, and on the tree it
    // selects the folder too. Nothing is added until Add, and a title with
    // refused characters stays as it came, for Add to name them.
    connect(new LinkDrops(this, {txtText, txtUrl}, Tree, [this] { return m_busy; }), &LinkDrops::dropped, this,
            [this](const DroppedLink &link, QTreeWidgetItem *folder) {
                m_said.clear();
                txtUrl->setText(link.address);
                if (!link.title.isEmpty())
                    txtText->setText(link.title);
                if (folder)
                    Tree->setCurrentItem(folder);
            });

    connect(cmdAdd, &QPushButton::clicked, this, &frmMain::cmdAdd_Click);
    // What the last addition did stays said until the user goes on.
    const auto goneOn = [this] {
        m_said.clear();
        showPath();
    };
    connect(Tree, &QTreeWidget::currentItemChanged, this, goneOn);
    connect(txtText, &QLineEdit::textEdited, this, goneOn);
    connect(txtUrl, &QLineEdit::textEdited, this, goneOn);
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
    // In the tree's menu, and from anywhere in the window.
    auto *makeFolder = new QAction(QStringLiteral("New Folder…"), Tree);
    makeFolder->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    connect(makeFolder, &QAction::triggered, this, &frmMain::newFolder);
    Tree->addAction(makeFolder);
    Tree->setContextMenuPolicy(Qt::ActionsContextMenu);
    // The tree's access key, as the fields have theirs.
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F), this), &QShortcut::activated, this,
            [this] { Tree->setFocus(Qt::ShortcutFocusReason); });

    // Another program's rewrite is read at once, the same folder kept selected.
    connect(m_watch, &FileWatch::changed, this, [this](const FileIdentity &now) {
        if (now != catalogue.identity())
            reread(false);
    });

    resize(m_layout.naturalSize());
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
    resize(m_layout.naturalSize());
    restoreGeometry(m_settings.windowGeometry());
    show();
    FillTree();
    selectFolder(chosen ? FolderCatalogue::Root : m_flow.indexOf(m_flow.lastFolder()));
    m_watch->watch(BookmarkFile);
    txtText->setFocus();
    if (txtUrl->text().isEmpty())
        takeClipboardAddress();
    return true;
}

void frmMain::takeClipboardAddress()
{
    // A single web address and nothing else: whatever else the clipboard holds
    // (words, several lines, a path) was not copied for this.
    const QString text = QApplication::clipboard()->text().trimmed();
    if (text.isEmpty() || std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSpace(); }))
        return;
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()
        || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return;
    txtUrl->setText(text);
    // Selected, so that typing replaces it.
    txtUrl->setFocus();
    txtUrl->selectAll();
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
    if (entry.aboutAddress)
        txtUrl->setFocus();
    else
        txtText->setFocus();
    return true;
}

QString frmMain::selectedNewFolder() const
{
    const QTreeWidgetItem *node = Tree->newFolderNode();
    return node && node->isSelected() ? node->text(0) : QString();
}

qint32 frmMain::selectedIndex() const
{
    const QTreeWidgetItem *made = Tree->newFolderNode();
    const std::optional<QString> key =
        made && made->isSelected() ? std::optional(FolderTree::key(made->parent())) : Tree->selectedKey();
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
    request.newFolder = selectedNewFolder();
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
    // The new folder is in the file now, and in the folders as they were read again.
    if (!request.newFolder.isEmpty()) {
        FillTree();
        selectFolder(added.folder);
    }
    // Emptied without an undo step of their own, so that Ctrl+Z in the empty
    // field undoes the addition rather than bringing the text back.
    txtText->setText(QString());
    txtUrl->setText(QString());
    txtText->setFocus();
    m_said = added.message + QStringLiteral(" Ctrl+Z undoes it.");
    showPath();
}

void frmMain::newFolder()
{
    if (m_busy)
        return;
    const QList<QTreeWidgetItem *> selected = Tree->selectedItems();
    if (selected.isEmpty() || selectedIndex() < FolderCatalogue::Root) {
        m_prompts.message(QStringLiteral("No directory selected !"), UserPrompts::Icon::None);
        Tree->setFocus();
        return;
    }
    QTreeWidgetItem *parent = selected.constFirst();
    if (parent == Tree->newFolderNode()) {
        m_prompts.message(QStringLiteral("\"%1\" is made with the bookmark added to it: add one before making a "
                                         "folder inside it.")
                              .arg(parent->text(0)),
                          UserPrompts::Icon::Exclamation);
        return;
    }
    const QString in = FolderTree::shownPath(parent);
    QString name;
    for (;;) {
        const std::optional<QString> typed = m_prompts.askText(
            QStringLiteral("Name of the new folder in %1:").arg(in.isEmpty() ? QStringLiteral("Bookmarks") : in), name);
        if (!typed)
            return;
        name = typed->trimmed();
        const AdditionFlow::Outcome checked = AdditionFlow::checkFolderName(name);
        if (checked.ok())
            break;
        m_prompts.message(checked.message, UserPrompts::Icon::Exclamation);
    }
    Tree->showNewFolder(parent, name);
    txtText->setFocus();
}

void frmMain::undoLastAddition()
{
    if (m_busy)
        return;
    // A Ctrl+Z too many after undoing typing must not take a bookmark away unasked.
    if (const QString question = m_flow.undoQuestion();
        !question.isEmpty() && !m_prompts.ask(question, QStringLiteral("Undo"), QStringLiteral("Cancel")))
        return;
    m_said.clear();
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

void frmMain::selectFolder(qint32 index)
{
    Tree->selectKey(QLatin1Char('D') + QString::number(index));
}

void frmMain::reread(bool tellFailure)
{
    const AdditionFlow::FolderPlace place = m_flow.placeOf(selectedIndex());
    // A folder still to be made stays, under the same folder.
    const QTreeWidgetItem *made = Tree->newFolderNode();
    const QString madeName = made ? made->text(0) : QString();
    const bool madeSelected = made && made->isSelected();
    const AdditionFlow::FolderPlace madeIn =
        made ? m_flow.placeOf(FolderTree::key(made->parent()).mid(1).toInt()) : AdditionFlow::FolderPlace();
    if (const AdditionFlow::Outcome read = m_flow.readFolders(); !read.ok()) {
        // Caught half-way through another program's rewrite, the watch says
        // nothing: the next change brings the complete file, and Add checks the
        // file in any case.
        if (tellFailure)
            m_prompts.message(read.message, UserPrompts::Icon::Critical);
        return;
    }
    FillTree();
    if (!madeName.isEmpty()) {
        selectFolder(m_flow.indexOf(madeIn));
        Tree->showNewFolder(Tree->currentItem(), madeName);
    }
    if (!madeSelected)
        selectFolder(m_flow.indexOf(place));
}

void frmMain::showPath()
{
    const QString fileName = QFileInfo(BookmarkFile).fileName();
    const QString path = FolderTree::shownPath(Tree->currentItem());
    const QString text = !m_said.isEmpty() ? m_said : path.isEmpty() ? fileName : fileName + QStringLiteral(": ") + path;
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
    m_watch->watch(BookmarkFile);
    txtText->setFocus();
}

void frmMain::openFilter()
{
    if (m_busy)
        return;
    if (!filter->isVisible())
        m_focusBeforeFilter = QApplication::focusWidget();
    // Listed before anything is typed: the folders added to last, by any front end.
    QList<qint32> recent;
    for (const AdditionFlow::FolderPlace &place : m_flow.recentFolders())
        recent.append(m_flow.indexOf(place));
    recent.removeAll(FolderCatalogue::Root); // the root list, or gone from the file since
    filter->setRecent(recent);
    filter->setGeometry(Tree->geometry());
    filter->open();
}

void frmMain::setBusy(bool busy)
{
    m_busy = busy;
    setEnabled(!busy);
    setCursor(busy ? Qt::WaitCursor : Qt::ArrowCursor);
}

int frmMain::twipsToPixelsX(int twips) const
{
    return m_layout.twipsToPixelsX(twips);
}

int frmMain::twipsToPixelsY(int twips) const
{
    return m_layout.twipsToPixelsY(twips);
}

void frmMain::Form_Resize()
{
    m_layout.arrange();
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
        resize(size().expandedTo(m_layout.naturalSize()));
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

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    // A field takes Ctrl+Z for its own undo; with no typing to undo, the key is
    // left to the window's undo of the last addition.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *field = qobject_cast<QLineEdit *>(watched);
        return field && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Undo) && !field->isUndoAvailable();
    }
    return QWidget::eventFilter(watched, event);
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
