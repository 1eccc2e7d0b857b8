#include "TestSupport.h"

#include "FakePrompts.h"
#include "platform/Settings.h"
#include "ui/FolderFilter.h"
#include "ui/FolderTree.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

const QString Example = QStringLiteral(LINKCRATE_EXAMPLES "/bookmarks.html");

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

// A bookmark file of empty folders in the order given, "a/b" right after "a".
QByteArray foldersFile(const QStringList &paths)
{
    QByteArray html = "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n<DL><p>\n";
    QStringList open;
    for (const QString &path : paths) {
        const QStringList names = path.split(u'/');
        while (!open.isEmpty() && open != names.mid(0, open.size()))
            open.removeLast(), html += "</DL><p>\n";
        html += "<DT><H3>" + names.last().toUtf8() + "</H3>\n<DL><p>\n";
        open = names;
    }
    for (qsizetype i = 0; i <= open.size(); ++i)
        html += "</DL><p>\n";
    return html;
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void firstRunAsksAndRemembers();
    void rememberedFileGoneAsksAgain();
    void rememberedFileUnreadableAsksAgain();
    void interruptedAdditionIsCompletedAtStart();
    void cancelEndsWithoutWindow();
    void treeShowsTheFoldersAsPeopleRead();
    void nodesAddedLaterTakeTheirPlace();

    void addFromTheKeyboard_data();
    void addFromTheKeyboard();
    void filterFindsAFolder_data();
    void filterFindsAFolder();
    void lastFolderAndPlaceAtNextStart_data();
    void lastFolderAndPlaceAtNextStart();
    void ctrlOChoosesAnotherFile_data();
    void ctrlOChoosesAnotherFile();
    void fileChangedByAnotherProgram();
    void fileWatchedAndReadAgain();
    void refusedEntries_data();
    void refusedEntries();
    void noFolderSelected();
    void failingInsertionKeepsTheEntry();

    void layoutGrowsAndNothingClips_data();
    void layoutGrowsAndNothingClips();
    void focusSelectsTheWholeField();

private:
    // Starts the window on a copy of `source`, as a second run would.
    void start(const QByteArray &contents = readBytes(Example));
    void restart();
    void select(const QString &shownText);
    void pressAltA();
    void typeEntry(const QString &text, const QString &url);

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

void TestWindow::start(const QByteArray &contents)
{
    writeBytes(m_file, contents);
    m_settings->setBookmarks(m_file);
    restart();
}

void TestWindow::restart()
{
    m_window = std::make_unique<frmMain>(*m_settings, m_prompts);
    QVERIFY(m_window->Form_Load());
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestWindow::select(const QString &shownText)
{
    QTreeWidgetItem *item = findShown(m_window->Tree, shownText);
    QVERIFY2(item, qPrintable(shownText));
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

void TestWindow::typeEntry(const QString &text, const QString &url)
{
    m_window->txtText->setText(text);
    m_window->txtUrl->setText(url);
}

void TestWindow::firstRunAsksAndRemembers()
{
    writeBytes(m_file, readBytes(Example));
    m_prompts.fileChoices = {m_file};
    QVERIFY(m_window->Form_Load());
    QCOMPARE(m_prompts.dialogFolders, QStringList{QString()});
    QCOMPARE(Settings(m_settings->fileName()).bookmarks(), m_file);
    QVERIFY(m_window->isVisible());
    QTreeWidgetItem *root = m_window->Tree->topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("Bookmarks"));
    QVERIFY(root->isExpanded());
    QCOMPARE(m_window->Tree->selectedKey(), std::optional<QString>(QStringLiteral("D-1")));
    QCOMPARE(root->childCount(), 3);
    QVERIFY(m_prompts.messages.isEmpty());
}

void TestWindow::rememberedFileGoneAsksAgain()
{
    // Said before the dialog, which starts in the folder where the file was.
    const QString gone = m_dir->filePath(QStringLiteral("moved-away.html"));
    m_settings->setBookmarks(gone);
    const QString other = m_dir->filePath(QStringLiteral("new-place.html"));
    writeBytes(other, readBytes(fixture(QStringLiteral("chrome.html"))));
    m_prompts.fileChoices = {other};
    QVERIFY(m_window->Form_Load());
    QCOMPARE(m_prompts.messages.size(), 1);
    QCOMPARE(m_prompts.messages[0].text, "\"" + gone + "\" was not found. Choose the bookmark file.");
    QCOMPARE(m_prompts.dialogFolders, QStringList{m_dir->path()});
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
    QCOMPARE(m_prompts.dialogFolders.size(), 1);
    QCOMPARE(m_settings->bookmarks(), good);
}

void TestWindow::interruptedAdditionIsCompletedAtStart()
{
    // The old version went to the trash, the complete new one waits beside it.
    writeBytes(m_file + QStringLiteral(".tmp"), readBytes(fixture(QStringLiteral("chrome.html"))));
    m_settings->setBookmarks(m_file);
    QVERIFY(m_window->Form_Load());
    QVERIFY(m_prompts.dialogFolders.isEmpty());
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
    QCOMPARE(m_prompts.messages.size(), 1); // that it was not found
}

void TestWindow::treeShowsTheFoldersAsPeopleRead()
{
    start(foldersFile({"zebra", "Folder 10", "news", "news/inner", "Ångström", "Folder 9", "News", ""}));
    // Accents with their letters, numbers by value, equal names in file order.
    QCOMPARE(shownTree(m_window->Tree), (QStringList{"Bookmarks", "  (no name)", "  Ångström", "  Folder 9",
                                                     "  Folder 10", "  news", "    inner", "  News", "  zebra"}));
    QTreeWidgetItem *noName = findShown(m_window->Tree, QStringLiteral("(no name)"));
    QVERIFY(noName->font(0).italic());
    QVERIFY(!findShown(m_window->Tree, QStringLiteral("zebra"))->font(0).italic());
    QCOMPARE(findShown(m_window->Tree, QStringLiteral("inner"))->toolTip(0), QStringLiteral("news/inner"));
    select(QStringLiteral("inner"));
    QCOMPARE(m_window->lblPath->text(), QStringLiteral("bookmarks.html: news/inner"));
    QVERIFY(!findShown(m_window->Tree, QStringLiteral("News"))->icon(0).isNull());
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

    const QByteArray papers("<DT><H3 ADD_DATE=\"1700000000\">Papers</H3>\n        <DL><p>\n");
    const QByteArray arxiv("<DT><A HREF=\"https://arxiv.org/\">Linkcrate test</A>\n");
    QTest::newRow("root, with Alt+A") << "Bookmarks" << "alt-a" << "https://www.kde.org/" << QByteArray("<DL><p>\n")
                                      << QByteArray("<DT><A HREF=\"https://www.kde.org/\">Linkcrate test</A>\n");
    QTest::newRow("nested folder, Enter in the field, bare host")
        << "Bread & Baking" << "enter" << "example.com"
        << QByteArray("<DT><H3 ADD_DATE=\"1700000000\">Bread &amp; Baking</H3>\n        <DL><p>\n")
        << QByteArray("<DT><A HREF=\"http://example.com\">Linkcrate test</A>\n");
    QTest::newRow("empty folder, with a click") << "Papers" << "click" << "https://arxiv.org/" << papers << arxiv;
    QTest::newRow("Enter in the tree") << "Papers" << "tab enter" << "https://arxiv.org/" << papers << arxiv;
    QTest::newRow("Enter on the button") << "Papers" << "tab tab enter" << "https://arxiv.org/" << papers << arxiv;
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
    else if (press == QLatin1String("click"))
        QTest::mouseClick(m_window->cmdAdd, Qt::LeftButton);
    else
        for (const QString &key : press.split(u' '))
            QTest::keyClick(QApplication::focusWidget(), key == QLatin1String("tab") ? Qt::Key_Tab : Qt::Key_Return);

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

void TestWindow::filterFindsAFolder_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("downs");
    QTest::addColumn<int>("finalKey");
    QTest::addColumn<QString>("selected");

    QTest::newRow("accents and case ignored") << "CREPES" << 0 << int(Qt::Key_Return) << "Cooking/Crêpes et galettes";
    QTest::newRow("name starting with the word first") << "pa" << 0 << int(Qt::Key_Return) << "Reading/Papers";
    QTest::newRow("every word, then Down") << "a cook" << 1 << int(Qt::Key_Return) << "Cooking/Crêpes et galettes";
    QTest::newRow("Esc keeps the selection") << "pap" << 0 << int(Qt::Key_Escape) << "Reading";
}

void TestWindow::filterFindsAFolder()
{
    QFETCH(QString, typed);
    QFETCH(int, downs);
    QFETCH(int, finalKey);
    QFETCH(QString, selected);
    start();
    select(QStringLiteral("Reading"));
    m_window->txtUrl->setFocus();
    QTest::keyClick(m_window->windowHandle(), Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), m_window->filter->field());
    QTest::keyClicks(m_window->filter->field(), typed);
    for (int i = 0; i < downs; ++i)
        QTest::keyClick(m_window->filter->field(), Qt::Key_Down);
    QTest::keyClick(m_window->filter->field(), Qt::Key(finalKey));
    QVERIFY(!m_window->filter->isVisible());
    QCOMPARE(FolderTree::shownPath(m_window->Tree->currentItem()), selected);
    QCOMPARE(QApplication::focusWidget(), finalKey == Qt::Key_Escape ? m_window->txtUrl : m_window->txtText);
    QVERIFY(m_prompts.messages.isEmpty()); // Enter in the filter never adds
}

void TestWindow::lastFolderAndPlaceAtNextStart_data()
{
    QTest::addColumn<QByteArray>("nextFile");
    QTest::addColumn<QString>("selected");
    QTest::newRow("second of two folders with one path") << foldersFile({"B", "X", "X/B", "B"}) << "D3";
    QTest::newRow("folder gone: the root") << foldersFile({"B", "X"}) << "D-1";
}

void TestWindow::lastFolderAndPlaceAtNextStart()
{
    QFETCH(QByteArray, nextFile);
    QFETCH(QString, selected);
    start(foldersFile({"B", "X", "X/B", "B"}));
    m_window->Tree->setCurrentItem(m_window->Tree->topLevelItem(0)->child(1)); // the second top-level B
    m_window->resize(640, 480);
    typeEntry(QStringLiteral("Name"), QStringLiteral("https://e.x/"));
    QTest::keyClick(m_window->txtUrl, Qt::Key_Return);
    QTest::keyClick(m_window->windowHandle(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!m_window->isVisible());

    writeBytes(m_file, nextFile);
    restart();
    QCOMPARE(m_window->Tree->selectedKey(), std::optional<QString>(selected));
    QVERIFY(m_window->Tree->viewport()->rect().contains(m_window->Tree->visualItemRect(m_window->Tree->currentItem())));
    QCOMPARE(m_window->size(), QSize(640, 480));
}

void TestWindow::ctrlOChoosesAnotherFile_data()
{
    QTest::addColumn<QByteArray>("other");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("shown");
    QTest::newRow("another file") << foldersFile({"Elsewhere"}) << false << "Elsewhere";
    QTest::newRow("cancelled") << QByteArray() << true << "Cooking";
    QTest::newRow("unreadable: the file in use stays") << QByteArray("<DL><p>\n<DT><H3>Cut") << false << "Cooking";
}

void TestWindow::ctrlOChoosesAnotherFile()
{
    QFETCH(QByteArray, other);
    QFETCH(bool, cancel);
    QFETCH(QString, shown);
    start();
    QDir().mkdir(m_dir->filePath(QStringLiteral("sub")));
    const QString otherFile = m_dir->filePath(QStringLiteral("sub/other.html"));
    writeBytes(otherFile, other);
    m_prompts.fileChoices = {cancel ? std::nullopt : std::optional<QString>(otherFile)};
    QTest::keyClick(m_window->windowHandle(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(m_prompts.dialogFolders, QStringList{m_dir->path()});
    QVERIFY(findShown(m_window->Tree, shown));
    const QString inUse = shown == QLatin1String("Elsewhere") ? otherFile : m_file;
    QCOMPARE(m_settings->bookmarks(), inUse);
    QCOMPARE(m_window->BookmarkFile, inUse);
    QCOMPARE(m_window->lblPath->toolTip(), inUse);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Linkcrate"));
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

void TestWindow::fileWatchedAndReadAgain()
{
    // Another program rewrites the file, by replacing it, while the window is open.
    start(foldersFile({"B", "X", "X/B", "B"}));
    m_window->Tree->setCurrentItem(m_window->Tree->topLevelItem(0)->child(1));
    writeBytes(m_file + QStringLiteral(".new"), foldersFile({"A", "B", "X", "X/B", "B"}));
    QCOMPARE(std::rename(qPrintable(m_file + QStringLiteral(".new")), qPrintable(m_file)), 0);
    QTRY_VERIFY(findShown(m_window->Tree, QStringLiteral("A")));
    QCOMPARE(m_window->Tree->selectedKey(), std::optional<QString>(QStringLiteral("D4")));
    // And again, in place: the watch follows the new file.
    writeBytes(m_file, foldersFile({"C", "B", "X", "X/B", "B"}));
    QTRY_VERIFY(findShown(m_window->Tree, QStringLiteral("C")));
    QCOMPARE(m_window->Tree->selectedKey(), std::optional<QString>(QStringLiteral("D4")));
    QVERIFY(m_prompts.messages.isEmpty());
}

void TestWindow::refusedEntries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("focus");

    const int exclamation = int(UserPrompts::Icon::Exclamation);
    QTest::newRow("refused character, before blank") << "/" << "" << "You can't use these characters:\r\n"
                                                    "\\ / : * ? \" < > | &" << int(UserPrompts::Icon::None) << "text";
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
    typeEntry(text, url);
    pressAltA();
    QCOMPARE(m_prompts.messages.size(), 1);
    QCOMPARE(m_prompts.messages[0].text, message);
    QCOMPARE(int(m_prompts.messages[0].icon), icon);
    QCOMPARE(QApplication::focusWidget(), focus == QLatin1String("url") ? m_window->txtUrl : m_window->txtText);
    QCOMPARE(readBytes(m_file), before);
    QCOMPARE(m_window->txtText->text(), text);
    QCOMPARE(m_window->txtUrl->text(), url);
}

void TestWindow::layoutGrowsAndNothingClips_data()
{
    QTest::addColumn<int>("points");
    QTest::newRow("the usual font") << 0;
    QTest::newRow("a 15-point font") << 15;
}

void TestWindow::layoutGrowsAndNothingClips()
{
    QFETCH(int, points);
    if (points > 0) {
        QFont font = m_window->font();
        font.setPointSize(points);
        m_window->setFont(font);
    }
    start();
    frmMain &w = *m_window;
    for (QWidget *c : QList<QWidget *>{w.Label1, w.Label2, w.cmdAdd, w.txtText, w.txtUrl})
        QVERIFY2(c->width() >= c->sizeHint().width() && c->height() >= c->sizeHint().height(), c->metaObject()->className());
    QVERIFY(w.Label1->geometry().right() < w.txtText->x() && w.txtText->geometry().right() < w.cmdAdd->x());
    QVERIFY(w.txtText->geometry().bottom() < w.txtUrl->y() && w.txtUrl->geometry().bottom() < w.Tree->y());
    QVERIFY(w.lblPath->geometry().bottom() < w.height());

    // Wider and longer: the button moves, the fields and the tree grow, only the tree grows taller.
    const QRect text = w.txtText->geometry(), url = w.txtUrl->geometry(), tree = w.Tree->geometry();
    const QPoint button = w.cmdAdd->pos();
    w.resize(w.width() + 100, w.height() + 50);
    QCOMPARE(w.cmdAdd->pos(), button + QPoint(100, 0));
    QCOMPARE(w.txtText->geometry(), text.adjusted(0, 0, 100, 0));
    QCOMPARE(w.txtUrl->geometry(), url.adjusted(0, 0, 100, 0));
    QCOMPARE(w.Tree->geometry(), tree.adjusted(0, 0, 100, 50));
    QCOMPARE(w.cmdAdd->geometry().right(), w.txtUrl->geometry().right());
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
