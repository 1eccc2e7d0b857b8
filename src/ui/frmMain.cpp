#include "ui/frmMain.h"

#include "platform/UserPrompts.h"
#include "ui/FileWatch.h"
#include "ui/FolderFilter.h"
#include "ui/FolderTree.h"
#include "ui/LinkDrops.h"
#include "ui/PendingFolder.h"
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
    , Label1(new QLabel(tr("&Text :"), this))
    , txtText(new SelectAllLineEdit(this))
    , Label2(new QLabel(tr("&URL :"), this))
    , txtUrl(new SelectAllLineEdit(this))
    , Tree(new FolderTree(this))
    , cmdAdd(new QPushButton(tr("&Add"), this))
    , lblPath(new QLabel(this))
    , filter(new FolderFilter(this))
    , m_settings(settings)
    , m_prompts(prompts)
    , m_layout(*this, {Label1, txtText, Label2, txtUrl, cmdAdd, Tree, lblPath})
    , m_watch(new FileWatch([this] { return m_busy; }, this))
    , m_pending(*Tree, prompts)
{
    initResources();
    setWindowTitle(QStringLiteral("Linkcrate"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/linkcrate.svg")));
    Label1->setBuddy(txtText);
    Label2->setBuddy(txtUrl);
    Tree->setImageList(&images);
    // Enter adds from anywhere but the folder filter.
    cmdAdd->setDefault(true);
    lblPath->setAccessibleName(tr("Where the bookmark goes"));
    lblPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    setTabOrder(txtText, txtUrl);
    setTabOrder(txtUrl, Tree);
    setTabOrder(Tree, cmdAdd);
    txtText->installEventFilter(this);
    txtUrl->installEventFilter(this);
    auto *drops = new LinkDrops(this, txtText, txtUrl, Tree, [this] { return m_busy; });

    connect(cmdAdd, &QPushButton::clicked, this, &frmMain::cmdAdd_Click);
    // What the last addition did stays said until the user goes on.
    const auto goneOn = [this] {
        m_said.clear();
        showPath();
    };
    connect(Tree, &QTreeWidget::currentItemChanged, this, goneOn);
    connect(txtText, &QLineEdit::textEdited, this, goneOn);
    connect(txtUrl, &QLineEdit::textEdited, this, goneOn);
    connect(drops, &LinkDrops::dropped, this, goneOn);
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
    auto *makeFolder = new QAction(tr("New Folder…"), Tree);
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
                //: %1 says why the remembered file cannot be used.
                m_prompts.message(tr("%1 Choose the bookmark file.").arg(opened.message),
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
    // A web address copied before the start is the one to add, selected so
    // that typing replaces it.
    if (const QString copied = webAddressIn(QApplication::clipboard()->text()); txtUrl->text().isEmpty() && !copied.isEmpty()) {
        txtUrl->setText(copied);
        txtUrl->setFocus();
        txtUrl->selectAll();
    }
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
    QTreeWidgetItem *root = Tree->addNode({}, QStringLiteral("D-1"), tr("Bookmarks"), 1);
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

qint32 frmMain::selectedIndex() const
{
    if (m_pending.isSelected())
        return m_pending.parent();
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
        m_prompts.message(tr("No directory selected !"), UserPrompts::Icon::None);
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
        const bool again = m_prompts.ask(holders.question, tr("Add again"), tr("Cancel"));
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
    request.folder = AdditionFlow::FolderChoice::ofIndex(index);
    request.newFolder = m_pending.selected();
    request.keepAlive = [] { QCoreApplication::processEvents(); };
    const AdditionFlow::AddOutcome added = m_flow.add(request);
    setBusy(false);

    if (added.kind == AdditionFlow::Kind::Changed) {
        //: %1 says how the file changed.
        m_prompts.message(tr("%1\nNothing was written. The folders have been read again: check the folder and press "
                             "Add again.")
                              .arg(added.message),
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
    if (!added.warning.isEmpty())
        m_prompts.message(added.warning, UserPrompts::Icon::Exclamation);
    // Emptied without an undo step of their own, so that Ctrl+Z in the empty
    // field undoes the addition rather than bringing the text back.
    txtText->setText(QString());
    txtUrl->setText(QString());
    txtText->setFocus();
    //: %1 says where the bookmark went ("Added to Reading/Articles.").
    m_said = tr("%1 Ctrl+Z undoes it.").arg(added.message);
    showPath();
}

void frmMain::newFolder()
{
    if (m_busy)
        return;
    const QList<QTreeWidgetItem *> selected = Tree->selectedItems();
    if (selected.isEmpty() || selectedIndex() < FolderCatalogue::Root) {
        m_prompts.message(tr("No directory selected !"), UserPrompts::Icon::None);
        Tree->setFocus();
        return;
    }
    if (m_pending.ask(selected.constFirst()))
        txtText->setFocus();
}

void frmMain::undoLastAddition()
{
    if (m_busy)
        return;
    // A Ctrl+Z too many after undoing typing must not take a bookmark away unasked.
    if (const QString question = m_flow.undoQuestion();
        !question.isEmpty() && !m_prompts.ask(question, tr("Undo"), tr("Cancel")))
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
    const PendingFolder::Kept pending = m_pending.keep();
    const AdditionFlow::FolderPlace pendingIn = m_flow.placeOf(pending.parent);
    if (const AdditionFlow::Outcome read = m_flow.readFolders(); !read.ok()) {
        // Caught half-way through another program's rewrite, the watch says
        // nothing: the next change brings the complete file, and Add checks the
        // file in any case.
        if (tellFailure)
            m_prompts.message(read.message, UserPrompts::Icon::Critical);
        return;
    }
    FillTree();
    m_pending.restore(pending, m_flow.indexOf(pendingIn));
    if (!pending.selected)
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
    filter->setRecent(m_flow.recentIndexes());
    filter->setGeometry(Tree->geometry());
    filter->open();
}

void frmMain::setBusy(bool busy)
{
    m_busy = busy;
    setEnabled(!busy);
    setCursor(busy ? Qt::WaitCursor : Qt::ArrowCursor);
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
