#include "TestSupport.h"

#include "FakePrompts.h"
#include "platform/Settings.h"
#include "ui/FolderTree.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

namespace {

const QString Refused = QStringLiteral("You can't use these characters:\r\n\\ / : * ? \" < > | &");

// The tree as a person reads it: indented texts in the order shown.
QStringList shownTree(const QTreeWidget *tree)
{
    QStringList rows;
    std::function<void(QTreeWidgetItem *, int)> walk = [&](QTreeWidgetItem *item, int depth) {
        rows << QString(depth * 2, u' ') + item->text(0);
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i), depth + 1);
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        walk(tree->topLevelItem(i), 0);
    return rows;
}

QTreeWidgetItem *findShown(QTreeWidget *tree, const QString &text)
{
    const QList<QTreeWidgetItem *> found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void firstRunAsksAndRemembers();
    void secondRunGoesStraightToTheWindow();
    void rememberedFileGoneAsksAgain();
    void rememberedFileUnreadableAsksAgain();
    void interruptedAdditionIsCompletedAtStart();
    void cancelEndsWithoutWindow();
    void treeShowsTheFoldersSorted();
    void nodesAddedLaterTakeTheirPlace();

    void addFromTheKeyboard_data();
    void addFromTheKeyboard();
    void folderChosenWithTheKeyboard();
    void addIntoOneOfTwoSameNamedFolders();
    void refusedEntries_data();
    void refusedEntries();
    void noFolderSelected();
    void failingInsertionKeepsTheEntry();
    void fileChangedByAnotherProgram();

    void layoutFollowsTheWindow();
    void focusSelectsTheWholeField();

private:
    // Starts the window on a copy of `source`, as a second run would.
    void start(const QString &source = QStringLiteral(LINKCRATE_EXAMPLES "/bookmarks.html"));
    void select(const QString &shownText);
    void pressAltA();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Settings> m_settings;
    FakePrompts m_prompts;
    std::unique_ptr<frmMain> m_window;
    QString m_file;
};

void TestWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings = std::make_unique<Settings>(m_dir->filePath(QStringLiteral("Linkcrate.conf")));
    m_prompts = FakePrompts();
    m_file = m_dir->filePath(QStringLiteral("bookmarks.html"));
    m_window = std::make_unique<frmMain>(*m_settings, m_prompts);
    QDir(trashDir()).removeRecursively();
}

void TestWindow::cleanup()
{
    m_window.reset();
    m_settings.reset();
    m_dir.reset();
}

void TestWindow::start(const QString &source)
{
    writeBytes(m_file, readBytes(source));
    m_settings->setBookmarks(m_file);
    QVERIFY(m_window->Form_Load());
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestWindow::select(const QString &shownText)
{
    QTreeWidgetItem *item = findShown(m_window->Tree, shownText);
    QVERIFY2(item, qPrintable(shownText));
    for (QTreeWidgetItem *p = item->parent(); p; p = p->parent())
        p->setExpanded(true);
    m_window->Tree->scrollToItem(item);
    const QRect rect = m_window->Tree->visualItemRect(item);
    QTest::mouseClick(m_window->Tree->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(m_window->Tree->currentItem(), item);
}

void TestWindow::pressAltA()
{
    // The access key presses the button as a click would, shown down for a moment.
    QTest::keyClick(m_window->windowHandle(), Qt::Key_A, Qt::AltModifier);
    QVERIFY(m_window->cmdAdd->isDown());
    QTRY_VERIFY(!m_window->cmdAdd->isDown());
}

void TestWindow::firstRunAsksAndRemembers()
{
    writeBytes(m_file, readBytes(QStringLiteral(LINKCRATE_EXAMPLES "/bookmarks.html")));
    m_prompts.fileChoices = {m_file};
    QVERIFY(m_window->Form_Load());
    QCOMPARE(m_prompts.fileDialogs, 1);
    QCOMPARE(m_settings->bookmarks(), m_file);
    QCOMPARE(Settings(m_settings->fileName()).bookmarks(), m_file);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->Tree->topLevelItemCount(), 1);
    QTreeWidgetItem *root = m_window->Tree->topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("Bookmarks"));
    QVERIFY(root->isExpanded());
    QVERIFY(root->isSelected());
    QCOMPARE(m_window->Tree->selectedKey(), std::optional<QString>(QStringLiteral("D-1")));
    QCOMPARE(root->childCount(), 3);
    QVERIFY(m_prompts.messages.isEmpty());
}

void TestWindow::secondRunGoesStraightToTheWindow()
{
    start();
    QCOMPARE(m_prompts.fileDialogs, 0);
    QCOMPARE(m_window->BookmarkFile, m_file);
    QCOMPARE(m_window->catalogue.FolderCount, 7);
}

void TestWindow::rememberedFileGoneAsksAgain()
{
    m_settings->setBookmarks(m_dir->filePath(QStringLiteral("moved-away.html")));
    const QString other = m_dir->filePath(QStringLiteral("new-place.html"));
    writeBytes(other, readBytes(fixture(QStringLiteral("chrome.html"))));
    m_prompts.fileChoices = {other};
    QVERIFY(m_window->Form_Load());
    QCOMPARE(m_prompts.fileDialogs, 1);
    QCOMPARE(m_settings->bookmarks(), other);
    QVERIFY(findShown(m_window->Tree, QStringLiteral("Bookmarks bar")));
}

void TestWindow::rememberedFileUnreadableAsksAgain()
{
    writeBytes(m_file, "<DL><p>\n<DT><H3>Half a file</H3>\n<DL><p>\n");
    m_settings->setBookmarks(m_file);
    const QString good = m_dir->filePath(QStringLiteral("good.html"));
    writeBytes(good, readBytes(fixture(QStringLiteral("chrome.html"))));
    m_prompts.fileChoices = {good};
    QVERIFY(m_window->Form_Load());
    QCOMPARE(m_prompts.messages.size(), 1);
    QVERIFY(m_prompts.messages[0].text.contains(m_file));
    QVERIFY(m_prompts.messages[0].text.contains(QStringLiteral("not a complete bookmark file")));
    QCOMPARE(m_prompts.fileDialogs, 1);
    QCOMPARE(m_settings->bookmarks(), good);
}

void TestWindow::interruptedAdditionIsCompletedAtStart()
{
    // The old version went to the trash, the complete new one waits beside it.
    writeBytes(m_file + QStringLiteral(".tmp"), readBytes(fixture(QStringLiteral("chrome.html"))));
    m_settings->setBookmarks(m_file);
    QVERIFY(m_window->Form_Load());
    QCOMPARE(m_prompts.fileDialogs, 0);
    QCOMPARE(m_prompts.messages.size(), 1);
    QVERIFY(m_prompts.messages[0].text.contains(QStringLiteral("has been put in place")));
    QCOMPARE(int(m_prompts.messages[0].icon), int(UserPrompts::Icon::Information));
    QCOMPARE(readBytes(m_file), readBytes(fixture(QStringLiteral("chrome.html"))));
    QVERIFY(findShown(m_window->Tree, QStringLiteral("Bookmarks bar")));
}

void TestWindow::cancelEndsWithoutWindow()
{
    m_settings->setBookmarks(m_dir->filePath(QStringLiteral("gone.html")));
    m_prompts.fileChoices = {std::nullopt};
    QVERIFY(!m_window->Form_Load());
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_settings->bookmarks(), m_dir->filePath(QStringLiteral("gone.html")));
    QVERIFY(m_prompts.messages.isEmpty());
}

void TestWindow::treeShowsTheFoldersSorted()
{
    start(fixture(QStringLiteral("chrome.html")));
    // "news" and "News" both shown; alphabetical ignoring case; nested folders collapsed.
    QCOMPARE(shownTree(m_window->Tree), (QStringList{"Bookmarks", "  Bookmarks bar", "    News", "    news",
                                                     "  Other bookmarks"}));
    QVERIFY(!findShown(m_window->Tree, QStringLiteral("Bookmarks bar"))->isExpanded());
    QCOMPARE(FolderTree::key(findShown(m_window->Tree, QStringLiteral("News"))), QStringLiteral("D2"));
    QCOMPARE(FolderTree::key(findShown(m_window->Tree, QStringLiteral("news"))), QStringLiteral("D1"));
    QVERIFY(!findShown(m_window->Tree, QStringLiteral("News"))->icon(0).isNull());
    QVERIFY(!m_window->Tree->topLevelItem(0)->icon(0).isNull());
}

void TestWindow::nodesAddedLaterTakeTheirPlace()
{
    FolderTree tree;
    tree.beginFill();
    tree.addNode({}, QStringLiteral("D-1"), QStringLiteral("Bookmarks"), 1);
    for (const char *name : {"pear", "Apple", "fig"})
        tree.addNode(QStringLiteral("D-1"), QString::fromLatin1(name), QString::fromLatin1(name), 2);
    tree.endFill();
    for (const char *name : {"banana", "Zucchini", "apple"})
        tree.addNode(QStringLiteral("D-1"), QString::fromLatin1(name), QString::fromLatin1(name), 2);
    tree.addNode(QStringLiteral("fig"), QStringLiteral("inner"), QStringLiteral("inner"), 2);
    tree.topLevelItem(0)->setExpanded(true);
    QCOMPARE(shownTree(&tree), (QStringList{"Bookmarks", "  Apple", "  apple", "  banana", "  fig", "    inner", "  pear",
                                            "  Zucchini"}));
}

void TestWindow::addFromTheKeyboard_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("typedUrl");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("root, with Alt+A") << "Bookmarks" << "alt-a" << "https://www.kde.org/" << QByteArray("<DL><p>\n")
                                      << QByteArray("<DT><A HREF=\"https://www.kde.org/\">Linkcrate test</A>\n");
    QTest::newRow("nested folder, with Enter, bare host")
        << "Bread & Baking" << "enter" << "example.com"
        << QByteArray("<DT><H3 ADD_DATE=\"1700000000\">Bread &amp; Baking</H3>\n        <DL><p>\n")
        << QByteArray("<DT><A HREF=\"http://example.com\">Linkcrate test</A>\n");
    QTest::newRow("empty folder, with a click") << "Papers" << "click" << "https://arxiv.org/"
                                                << QByteArray("<DT><H3 ADD_DATE=\"1700000000\">Papers</H3>\n        <DL><p>\n")
                                                << QByteArray("<DT><A HREF=\"https://arxiv.org/\">Linkcrate test</A>\n");
}

void TestWindow::addFromTheKeyboard()
{
    QFETCH(QString, folder);
    QFETCH(QString, press);
    QFETCH(QString, typedUrl);
    QFETCH(QByteArray, after);
    QFETCH(QByteArray, line);
    start();
    const QByteArray before = readBytes(m_file);
    select(folder);
    QWindow *window = m_window->windowHandle();
    QTest::keyClick(window, Qt::Key_T, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), m_window->txtText);
    QTest::keyClicks(m_window->txtText, QStringLiteral("Linkcrate test"));
    QTest::keyClick(window, Qt::Key_U, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), m_window->txtUrl);
    QTest::keyClicks(m_window->txtUrl, typedUrl);
    if (press == QLatin1String("alt-a"))
        pressAltA();
    else if (press == QLatin1String("enter"))
        QTest::keyClick(m_window->txtUrl, Qt::Key_Return);
    else
        QTest::mouseClick(m_window->cmdAdd, Qt::LeftButton);

    QVERIFY2(m_prompts.messages.isEmpty(), qPrintable(m_prompts.messages.value(0).text));
    QByteArray expected = before;
    const qsizetype at = expected.indexOf(after);
    QVERIFY(at >= 0);
    expected.insert(at + after.size(), line);
    QCOMPARE(readBytes(m_file), expected);
    QCOMPARE(entries(trashDir() + QStringLiteral("/files")).size(), 1);
    QCOMPARE(m_window->txtText->text(), QString());
    QCOMPARE(m_window->txtUrl->text(), QString());
    QCOMPARE(QApplication::focusWidget(), m_window->txtText);
    QCOMPARE(m_window->Tree->currentItem()->text(0), folder);
    QVERIFY(m_window->isEnabled());
}

void TestWindow::folderChosenWithTheKeyboard()
{
    start();
    QWindow *window = m_window->windowHandle();
    QTest::keyClick(window, Qt::Key_T, Qt::AltModifier);
    QTest::keyClicks(m_window->txtText, QStringLiteral("Bread basics"));
    QTest::keyClick(window, Qt::Key_U, Qt::AltModifier);
    QTest::keyClicks(m_window->txtUrl, QStringLiteral("example.com/bread"));
    QTest::keyClick(window, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_window->Tree);
    QTest::keyClick(window, Qt::Key_Down);
    QTest::keyClick(window, Qt::Key_Down);
    QCOMPARE(m_window->Tree->currentItem()->text(0), QStringLiteral("Cooking"));
    pressAltA();
    QVERIFY(readBytes(m_file).contains("Cooking</H3>\n    <DL><p>\n<DT><A HREF=\"http://example.com/bread\">Bread basics</A>\n"));
    QCOMPARE(m_window->Tree->currentItem()->text(0), QStringLiteral("Cooking"));
}

void TestWindow::addIntoOneOfTwoSameNamedFolders()
{
    const QString file = m_dir->filePath(QStringLiteral("twins.html"));
    writeBytes(file, "<DL><p>\n<DT><H3>X</H3>\n<DL><p>\n<DT><H3>B</H3>\n<DL><p>\n</DL>\n</DL>\n"
                     "<DT><H3>B</H3>\n<DL><p>\n</DL>\n</DL>\n");
    start(file);
    // The top-level B, not X's.
    QTreeWidgetItem *root = m_window->Tree->topLevelItem(0);
    QTreeWidgetItem *topB = root->child(0);
    QCOMPARE(topB->text(0), QStringLiteral("B"));
    m_window->Tree->setCurrentItem(topB);
    m_window->txtText->setText(QStringLiteral("Top B"));
    m_window->txtUrl->setText(QStringLiteral("https://b.example/"));
    QTest::mouseClick(m_window->cmdAdd, Qt::LeftButton);
    QCOMPARE(readBytes(m_file), QByteArray("<DL><p>\n<DT><H3>X</H3>\n<DL><p>\n<DT><H3>B</H3>\n<DL><p>\n</DL>\n</DL>\n"
                                           "<DT><H3>B</H3>\n<DL><p>\n<DT><A HREF=\"https://b.example/\">Top B</A>\n"
                                           "</DL>\n</DL>\n"));
    QCOMPARE(m_window->Tree->currentItem(), topB);
}

void TestWindow::refusedEntries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("focus");

    const int none = int(UserPrompts::Icon::None);
    const int exclamation = int(UserPrompts::Icon::Exclamation);
    QTest::newRow("ampersand, listed in the message") << "Tom & Jerry" << "https://e.x/" << Refused << none << "text";
    QTest::newRow("refused character before blank") << "/" << "" << Refused << none << "text";
    QTest::newRow("spaces only") << "    " << "https://e.x/" << "Name can't be empty !" << exclamation << "text";
    QTest::newRow("both empty: only the name") << "" << "" << "Name can't be empty !" << exclamation << "text";
    QTest::newRow("blank address") << "Name" << "   " << "URL can't be empty !" << exclamation << "url";
}

void TestWindow::refusedEntries()
{
    QFETCH(QString, text);
    QFETCH(QString, url);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(QString, focus);
    start();
    const QByteArray before = readBytes(m_file);
    m_window->Tree->setFocus();
    m_window->txtText->setText(text);
    m_window->txtUrl->setText(url);
    pressAltA();
    QCOMPARE(m_prompts.messages.size(), 1);
    QCOMPARE(m_prompts.messages[0].text, message);
    QCOMPARE(int(m_prompts.messages[0].icon), icon);
    QCOMPARE(QApplication::focusWidget(), focus == QLatin1String("url") ? m_window->txtUrl : m_window->txtText);
    QCOMPARE(readBytes(m_file), before);
    QCOMPARE(m_window->txtText->text(), text);
    QCOMPARE(m_window->txtUrl->text(), url);
}

void TestWindow::noFolderSelected()
{
    start();
    const QByteArray before = readBytes(m_file);
    m_window->Tree->clearSelection();
    m_window->txtText->setText(QStringLiteral("Name"));
    m_window->txtUrl->setText(QStringLiteral("https://e.x/"));
    m_window->txtText->setFocus();
    QTest::mouseClick(m_window->cmdAdd, Qt::LeftButton);
    QCOMPARE(m_prompts.messages.size(), 1);
    QCOMPARE(m_prompts.messages[0].text, QStringLiteral("No directory selected !"));
    QCOMPARE(int(m_prompts.messages[0].icon), int(UserPrompts::Icon::None));
    QCOMPARE(QApplication::focusWidget(), m_window->Tree);
    QCOMPARE(readBytes(m_file), before);
}

void TestWindow::failingInsertionKeepsTheEntry()
{
    start();
    const QByteArray before = readBytes(m_file);
    QVERIFY(QDir().mkdir(m_file + QStringLiteral(".tmp")));
    m_window->txtText->setText(QStringLiteral("Name"));
    m_window->txtUrl->setText(QStringLiteral("https://e.x/"));
    QTest::mouseClick(m_window->cmdAdd, Qt::LeftButton);
    QCOMPARE(m_prompts.messages.size(), 1);
    QVERIFY(m_prompts.messages[0].text.contains(m_file + QStringLiteral(".tmp")));
    QVERIFY(m_prompts.messages[0].text.contains(QStringLiteral("left unchanged")));
    QCOMPARE(int(m_prompts.messages[0].icon), int(UserPrompts::Icon::Critical));
    QVERIFY(m_window->isEnabled());
    QCOMPARE(m_window->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(m_window->txtText->text(), QStringLiteral("Name"));
    QCOMPARE(m_window->txtUrl->text(), QStringLiteral("https://e.x/"));
    QCOMPARE(readBytes(m_file), before);
}

void TestWindow::fileChangedByAnotherProgram()
{
    start();
    select(QStringLiteral("Papers"));
    // A browser adds a folder at the top and rewrites the file.
    QByteArray changed = readBytes(m_file);
    changed.replace("<DL><p>\n    <DT><H3 ADD_DATE=\"1700000000\" LAST_MODIFIED=\"1700000500\" PERSONAL",
                    "<DL><p>\n    <DT><H3>Aardvark</H3>\n    <DL><p>\n    </DL><p>\n"
                    "    <DT><H3 ADD_DATE=\"1700000000\" LAST_MODIFIED=\"1700000500\" PERSONAL");
    writeBytes(m_file, changed);
    m_window->txtText->setText(QStringLiteral("Name"));
    m_window->txtUrl->setText(QStringLiteral("https://e.x/"));
    QTest::mouseClick(m_window->cmdAdd, Qt::LeftButton);

    QCOMPARE(m_prompts.messages.size(), 1);
    QVERIFY(m_prompts.messages[0].text.contains(QStringLiteral("changed since it was read")));
    QCOMPARE(readBytes(m_file), changed);
    QVERIFY(findShown(m_window->Tree, QStringLiteral("Aardvark")));
    QCOMPARE(m_window->Tree->currentItem()->text(0), QStringLiteral("Papers"));
    QCOMPARE(m_window->txtText->text(), QStringLiteral("Name"));

    // Add again: now it lands, in the same folder.
    QTest::mouseClick(m_window->cmdAdd, Qt::LeftButton);
    QCOMPARE(m_prompts.messages.size(), 1);
    QVERIFY(readBytes(m_file).contains("Papers</H3>\n        <DL><p>\n<DT><A HREF=\"https://e.x/\">Name</A>\n"));
}

void TestWindow::layoutFollowsTheWindow()
{
    start();
    frmMain &w = *m_window;
    const auto px = [&](int twips) { return w.twipsToPixelsX(twips); };
    const auto py = [&](int twips) { return w.twipsToPixelsY(twips); };
    const auto rectOf = [](QWidget *c) { return c->geometry(); };

    QCOMPARE(w.size(), QSize(px(4185), py(3225)));
    QCOMPARE(rectOf(w.Label1), QRect(px(120), py(120), px(495), py(255)));
    QCOMPARE(rectOf(w.txtText), QRect(px(720), py(120), px(2655), py(285)));
    QCOMPARE(rectOf(w.Label2), QRect(px(120), py(480), px(495), py(255)));
    QCOMPARE(rectOf(w.txtUrl), QRect(px(720), py(480), px(3375), py(285)));
    QCOMPARE(rectOf(w.Tree), QRect(px(120), py(840), px(3975), py(2295)));
    QCOMPARE(rectOf(w.cmdAdd), QRect(px(3480), py(120), px(615), py(255)));

    // Wider and longer by 1000 twips: the button moves, the fields and the tree grow,
    // and only the tree grows taller.
    w.resize(px(5185), py(4225));
    QCOMPARE(w.cmdAdd->x(), px(4480));
    QCOMPARE(w.txtText->width(), px(3655));
    QCOMPARE(w.txtUrl->width(), px(4375));
    QCOMPARE(w.Tree->size(), QSize(px(4975), py(3295)));
    QCOMPARE(w.txtText->height(), py(285));

    // Narrower than the link-text field allows: it keeps its last width, the rest follow.
    w.resize(px(1200), py(3225));
    QCOMPARE(w.txtText->width(), px(3655));
    QCOMPARE(w.cmdAdd->x(), px(495));
    QCOMPARE(w.txtUrl->width(), px(390));
    QCOMPARE(w.Tree->width(), px(990));
    QVERIFY(m_prompts.messages.isEmpty());
}

void TestWindow::focusSelectsTheWholeField()
{
    start();
    const QString longUrl = QStringLiteral("https://example.com/") + QString(300, u'x');
    m_window->txtUrl->setText(longUrl);
    m_window->txtText->setText(QStringLiteral("Old name"));

    m_window->txtText->setFocus();
    QTest::keyClick(m_window->txtText, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_window->txtUrl);
    QCOMPARE(m_window->txtUrl->selectedText(), longUrl);
    QTest::keyClicks(m_window->txtUrl, QStringLiteral("new"));
    QCOMPARE(m_window->txtUrl->text(), QStringLiteral("new"));

    // A click that brings the focus leaves the whole text selected.
    m_window->Tree->setFocus();
    QTest::mouseClick(m_window->txtText, Qt::LeftButton, {}, QPoint(5, m_window->txtText->height() / 2));
    QCOMPARE(QApplication::focusWidget(), m_window->txtText);
    QCOMPARE(m_window->txtText->selectedText(), QStringLiteral("Old name"));
    // The program putting the focus there selects too.
    m_window->Tree->setFocus();
    m_window->txtUrl->setFocus();
    QCOMPARE(m_window->txtUrl->selectedText(), QStringLiteral("new"));
}

LINKCRATE_TEST_MAIN(TestWindow, QApplication)
#include "test_window.moc"
