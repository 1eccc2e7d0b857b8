#include "ui/frmMain.h"

#include "bookmarks/BookmarkInserter.h"
#include "bookmarks/BookmarkRecovery.h"
#include "bookmarks/EntryCheck.h"
#include "platform/Settings.h"
#include "platform/UrlTranslation.h"
#include "platform/UserPrompts.h"
#include "ui/FolderTree.h"
#include "ui/SelectAllLineEdit.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace {

constexpr int TwipsPerInch = 1440;

// Where each control stands at the design size, in twips.
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

QString nodeKey(qint32 index)
{
    return QLatin1Char('D') + QString::number(index);
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
    , Label1(new QLabel(QStringLiteral("&Text :"), this))
    , txtText(new SelectAllLineEdit(this))
    , Label2(new QLabel(QStringLiteral("&URL :"), this))
    , txtUrl(new SelectAllLineEdit(this))
    , Tree(new FolderTree(this))
    , cmdAdd(new QPushButton(QStringLiteral("&Add"), this))
    , m_settings(settings)
    , m_prompts(prompts)
{
    initResources();
    setWindowTitle(QStringLiteral("Linkcrate"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/linkcrate.svg")));
    Label1->setBuddy(txtText);
    Label2->setBuddy(txtUrl);
    Tree->setImageList(&images);

    auto place = [this](QWidget *w, const Place &p) {
        w->setGeometry(twipsToPixelsX(p.left), twipsToPixelsY(p.top), twipsToPixelsX(p.width),
                       twipsToPixelsY(p.height));
    };
    place(Label1, Label1Place);
    place(txtText, TextPlace);
    place(Label2, Label2Place);
    place(txtUrl, UrlPlace);
    place(Tree, TreePlace);
    place(cmdAdd, AddPlace);
    setTabOrder(txtText, txtUrl);
    setTabOrder(txtUrl, Tree);
    setTabOrder(Tree, cmdAdd);
    resize(twipsToPixelsX(DesignWidth), twipsToPixelsY(DesignHeight));

    connect(cmdAdd, &QPushButton::clicked, this, &frmMain::cmdAdd_Click);
    // Enter in either field adds, as users of such a small form expect.
    connect(txtText, &QLineEdit::returnPressed, this, &frmMain::cmdAdd_Click);
    connect(txtUrl, &QLineEdit::returnPressed, this, &frmMain::cmdAdd_Click);
}

int frmMain::twipsToPixelsX(int twips) const
{
    return int(std::lround(double(twips) * logicalDpiX() / TwipsPerInch));
}

int frmMain::twipsToPixelsY(int twips) const
{
    return int(std::lround(double(twips) * logicalDpiY() / TwipsPerInch));
}

bool frmMain::Form_Load()
{
    BookmarkFile = m_settings.bookmarks();
    bool chosen = false;
    for (;;) {
        if (BookmarkFile != Settings::BookmarksDefault && !BookmarkFile.isEmpty()) {
            const BookmarkRecovery::Result recovery = BookmarkRecovery::recover(BookmarkFile);
            if (recovery.outcome == BookmarkRecovery::Outcome::Restored)
                m_prompts.message(recovery.message(), UserPrompts::Icon::Information);
            else if (recovery.error.failed())
                m_prompts.message(recovery.error.message(), UserPrompts::Icon::Exclamation);
        }
        if (!QFileInfo(BookmarkFile).isFile()) {
            const std::optional<QString> choice = m_prompts.chooseBookmarkFile();
            if (!choice)
                return false;
            BookmarkFile = *choice;
            chosen = true;
        }
        if (readCatalogue())
            break;
        // A file that cannot be read must not lock the user out on every start:
        // say why and ask for another, as on a first run.
        BookmarkFile.clear();
    }
    if (chosen) {
        m_settings.setBookmarks(BookmarkFile);
        if (!m_settings.sync())
            m_prompts.message(QStringLiteral("The choice of bookmark file could not be saved in \"%1\".")
                                  .arg(m_settings.fileName()),
                              UserPrompts::Icon::Exclamation);
    }

    loadImages();
    show();
    FillTree();
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

bool frmMain::readCatalogue()
{
    const FileError error = catalogue.read(BookmarkFile);
    if (!error.failed())
        return true;
    m_prompts.message(error.message(), UserPrompts::Icon::Critical);
    return false;
}

void frmMain::FillTree()
{
    Tree->clearNodes();
    Tree->beginFill();
    QTreeWidgetItem *root = Tree->addNode({}, QStringLiteral("D-1"), QStringLiteral("Bookmarks"), 1);
    for (qint32 index = 0; index < catalogue.FolderCount; ++index)
        Tree->addNode(nodeKey(catalogue.parent(index)), nodeKey(index), catalogue.displayName(index), 2, 3);
    Tree->endFill();
    root->setExpanded(true);
    Tree->selectKey(QStringLiteral("D-1"));
}

bool frmMain::InvalidInput()
{
    const EntryCheck::Verdict verdict = EntryCheck::check(txtText->text(), txtUrl->text());
    switch (verdict) {
    case EntryCheck::Verdict::Ok:
        return false;
    case EntryCheck::Verdict::RefusedCharacter:
        m_prompts.message(EntryCheck::message(verdict), UserPrompts::Icon::None);
        txtText->setFocus();
        return true;
    case EntryCheck::Verdict::EmptyName:
        m_prompts.message(EntryCheck::message(verdict), UserPrompts::Icon::Exclamation);
        txtText->setFocus();
        return true;
    case EntryCheck::Verdict::EmptyUrl:
        m_prompts.message(EntryCheck::message(verdict), UserPrompts::Icon::Exclamation);
        txtUrl->setFocus();
        return true;
    }
    return true;
}

void frmMain::cmdAdd_Click()
{
    if (m_busy)
        return;
    const std::optional<QString> key = Tree->selectedKey();
    bool isNumber = false;
    const qint32 index = key ? key->mid(1).toInt(&isNumber) : 0;
    if (!key || !isNumber || index < FolderCatalogue::Root || index >= catalogue.FolderCount) {
        m_prompts.message(QStringLiteral("No directory selected !"), UserPrompts::Icon::None);
        Tree->setFocus();
        return;
    }
    if (InvalidInput())
        return;

    setBusy(true);
    txtUrl->setText(TranslateURL(txtUrl->text()));
    const FileError error = BookmarkInserter::insert(catalogue, index, txtUrl->text(), txtText->text(), [] {
        QCoreApplication::processEvents();
    });
    setBusy(false);

    if (error.kind == FileError::Kind::Changed) {
        m_prompts.message(error.message()
                              + QStringLiteral("\nNothing was written. The folders have been read again: "
                                               "check the folder and press Add again."),
                          UserPrompts::Icon::Exclamation);
        rereadAfterChange(index);
        txtText->setFocus();
        return;
    }
    if (error.failed()) {
        m_prompts.message(error.messageForUser(),
                          UserPrompts::Icon::Critical);
        txtText->setFocus();
        return;
    }
    txtText->clear();
    txtUrl->clear();
    txtText->setFocus();
}

void frmMain::rereadAfterChange(qint32 index)
{
    // Find the same folder again by its path; of several folders with one path,
    // the one in the same place among them.
    QByteArray path;
    int occurrence = 0;
    if (index != FolderCatalogue::Root) {
        path = catalogue.FolderPaths(index);
        for (qint32 i = 0; i < index; ++i)
            occurrence += catalogue.FolderPaths(i) == path ? 1 : 0;
    }
    if (!readCatalogue())
        return;
    FillTree();
    if (index == FolderCatalogue::Root)
        return;
    for (qint32 i = 0; i < catalogue.FolderCount; ++i) {
        if (catalogue.FolderPaths(i) == path && occurrence-- == 0) {
            Tree->selectKey(nodeKey(i));
            return;
        }
    }
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

void frmMain::Form_Resize()
{
    // Each assignment stands alone: one whose value would be negative (a very
    // small window) is skipped, and the control keeps its last size.
    const int W = int(std::lround(double(width()) * TwipsPerInch / logicalDpiX()));
    const int H = int(std::lround(double(height()) * TwipsPerInch / logicalDpiY()));
    if (W - 705 >= 0)
        cmdAdd->move(twipsToPixelsX(W - 705), cmdAdd->y());
    if (W - 1530 >= 0)
        txtText->resize(twipsToPixelsX(W - 1530), txtText->height());
    if (W - 810 >= 0)
        txtUrl->resize(twipsToPixelsX(W - 810), txtUrl->height());
    if (W - 210 >= 0)
        Tree->resize(twipsToPixelsX(W - 210), Tree->height());
    if (H - 930 >= 0)
        Tree->resize(Tree->width(), twipsToPixelsY(H - 930));
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // The window repaints during a long addition; it must not go away half-way.
    if (m_busy)
        event->ignore();
    else
        QWidget::closeEvent(event);
}
