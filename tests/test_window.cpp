#include "TestSupport.h"

#include "FakePrompts.h"
#include "platform/Settings.h"
#include "ui/FolderFilter.h"
#include "ui/FolderTree.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
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
    walk(tree->topLevelItem(0), 0);
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
    void startUp_data();
    void startUp();
    void treeShowsTheFoldersAsPeopleRead();
    void addFromTheKeyboard_data();
    void addFromTheKeyboard();
    void filterFindsAFolder_data();
    void filterFindsAFolder();
    void ctrlOChoosesAnotherFile_data();
    void ctrlOChoosesAnotherFile();
    void refusedEntries_data();
    void refusedEntries();
    void folderKeptByPathAndRank();
    void undoOnlyWhatIsSafe_data();
    void undoOnlyWhatIsSafe();
    void dropALink_data();
    void dropALink();
    void layoutGrowsAndNothingClips_data();
    void layoutGrowsAndNothingClips();
    void focusSelectsTheWholeField();
private:
    // Starts the window on `contents`, as a second run would.
    void start(const QByteArray &contents = readBytes(Example));
    void select(const QString &shownText);
    void pressAltA();
    QString focused() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Settings> m_settings;
    FakePrompts m_prompts;
    std::unique_ptr<frmMain> m_window;
    QString m_file;
};

void TestWindow::init()
{
    m_window.reset(); // before what it refers to
    m_settings.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings = std::make_unique<Settings>(m_dir->filePath("Linkcrate.conf"));
    m_prompts = FakePrompts();
    m_file = m_dir->filePath("bookmarks.html");
    m_window = std::make_unique<frmMain>(*m_settings, m_prompts);
    QDir(trashDir()).removeRecursively();
}

void TestWindow::start(const QByteArray &contents)
{
    writeBytes(m_file, contents);
    m_settings->setBookmarks(m_file);
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
    QTest::mouseClick(m_window->Tree->viewport(), Qt::LeftButton, {}, m_window->Tree->visualItemRect(item).center());
    QCOMPARE(m_window->Tree->currentItem(), item);
}

void TestWindow::pressAltA()
{
    // The access key presses the button as a click would, shown down for a moment.
    QTest::keyClick(m_window->windowHandle(), Qt::Key_A, Qt::AltModifier);
    QVERIFY(m_window->cmdAdd->isDown());
    QTRY_VERIFY(!m_window->cmdAdd->isDown());
}

QString TestWindow::focused() const
{
    const QWidget *w = QApplication::focusWidget();
    return w == m_window->txtText ? "text" : w == m_window->txtUrl ? "url" : w == m_window->Tree ? "tree" : "other";
}

void TestWindow::startUp_data()
{
    QTest::addColumn<QString>("remembered"); // file name in the test folder; "" for none
    QTest::addColumn<QByteArray>("file");    // its contents; empty for none
    QTest::addColumn<QByteArray>("tmp");     // what waits beside it
    QTest::addColumn<bool>("choose");        // the dialog chooses other.html (else cancels)
    QTest::addColumn<QStringList>("dialogs"); // where each dialog started; %1 the test folder
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("inUse"); // "" when the program ends

    const QByteArray example = readBytes(Example);
    const QByteArray half = "<DL><p>\n<DT><H3>Half a file</H3>\n<DL><p>\n";
    const QByteArray none;
    QTest::newRow("first run") << "" << none << none << true << QStringList{""} << QStringList() << "other.html";
    QTest::newRow("second run") << "b.html" << example << none << false << QStringList() << QStringList() << "b.html";
    QTest::newRow("file gone: said, then asked in its folder") << "b.html" << none << none << true << QStringList{"%1"}
        << QStringList{"%1/b.html\" was not found. Choose"} << "other.html";
    QTest::newRow("file unreadable: said, then asked") << "b.html" << half << none << true << QStringList{"%1"}
        << QStringList{"not a complete bookmark file"} << "other.html";
    QTest::newRow("interrupted addition completed") << "b.html" << none << example << false << QStringList()
                                                    << QStringList{"has been put in place"} << "b.html";
    QTest::newRow("cancel ends, setting kept") << "b.html" << none << none << false << QStringList{"%1"}
                                               << QStringList{"was not found"} << "";
}

void TestWindow::startUp()
{
    QFETCH(QString, remembered);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, tmp);
    QFETCH(bool, choose);
    QFETCH(QStringList, dialogs);
    QFETCH(QStringList, messages);
    QFETCH(QString, inUse);
    const QString path = m_dir->filePath(remembered), other = m_dir->filePath("other.html");
    if (!remembered.isEmpty())
        m_settings->setBookmarks(path);
    for (const auto &[name, contents] : {std::pair{path, file}, {path + ".tmp", tmp}, {other, readBytes(Example)}})
        if (!contents.isEmpty())
            writeBytes(name, contents);
    m_prompts.fileChoices = {choose ? std::optional(other) : std::nullopt};
    QCOMPARE(m_window->Form_Load(), !inUse.isEmpty());

    QCOMPARE(m_prompts.messages.size(), messages.size());
    for (qsizetype i = 0; i < messages.size(); ++i)
        QVERIFY2(m_prompts.messages[i].text.contains(QString(messages[i]).replace("%1", m_dir->path())), qPrintable(m_prompts.messages[i].text));
    QCOMPARE(m_prompts.dialogFolders, dialogs.replaceInStrings("%1", m_dir->path()));
    QCOMPARE(Settings(m_settings->fileName()).bookmarks(), inUse.isEmpty() ? path : m_dir->filePath(inUse));
    QCOMPARE(m_window->isVisible(), !inUse.isEmpty());
    if (!inUse.isEmpty()) {
        QCOMPARE(shownTree(m_window->Tree).mid(0, 3), (QStringList{"Bookmarks", "  Bookmarks Toolbar", "  Cooking"}));
        QVERIFY(m_window->Tree->topLevelItem(0)->isExpanded());
        QCOMPARE(m_window->Tree->selectedKey(), std::optional<QString>("D-1"));
    }
}

void TestWindow::treeShowsTheFoldersAsPeopleRead()
{
    start(foldersFile({"zebra", "Folder 10", "News", "news", "news/inner", "Ångström", "Folder 9", ""}));
    // Accents with their letters, numbers by value, equal names in file order;
    // a node added later takes its place.
    m_window->Tree->addNode("D-1", "late", "Folder 95", 2);
    QCOMPARE(shownTree(m_window->Tree), (QStringList{"Bookmarks", "  (no name)", "  Ångström", "  Folder 9", "  Folder 10",
                                                     "  Folder 95", "  News", "  news", "    inner", "  zebra"}));
    QVERIFY(findShown(m_window->Tree, "(no name)")->font(0).italic());
    QVERIFY(!findShown(m_window->Tree, "zebra")->font(0).italic());
    QCOMPARE(findShown(m_window->Tree, "inner")->toolTip(0), "news/inner");
    select("inner");
    QCOMPARE(m_window->lblPath->text(), "bookmarks.html: news/inner");
    QVERIFY(!findShown(m_window->Tree, "News")->icon(0).isNull());
}

void TestWindow::addFromTheKeyboard_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("typedUrl");
    QTest::addColumn<QString>("writtenUrl");
    QTest::newRow("address already in three folders: Add again") << "Papers" << "enter" << "HTTPS://WWW.debian.org"
                                                                 << "HTTPS://WWW.debian.org";
    QTest::newRow("root, with Alt+A") << "Bookmarks" << "alt-a" << "https://www.kde.org/" << "https://www.kde.org/";
    QTest::newRow("nested, Enter in the field, bare host") << "Bread & Baking" << "enter" << "example.com"
                                                           << "http://example.com";
    QTest::newRow("empty folder, with a click") << "Papers" << "click" << "https://arxiv.org/" << "https://arxiv.org/";
    QTest::newRow("Enter in the tree") << "Papers" << "tab enter" << "https://arxiv.org/" << "https://arxiv.org/";
    QTest::newRow("Enter on the button") << "Papers" << "tab tab enter" << "https://arxiv.org/" << "https://arxiv.org/";
}

void TestWindow::addFromTheKeyboard()
{
    QFETCH(QString, folder);
    QFETCH(QString, press);
    QFETCH(QString, typedUrl);
    QFETCH(QString, writtenUrl);
    const QByteArray debian = "<DT><A HREF=\"https://www.debian.org/\">D</A>\n", gnu = "<DT><A HREF=\"https://www.gnu.org/\"";
    start(readBytes(Example).replace(gnu, debian + gnu).replace("<DD>What", debian + "<DD>What"));
    const QByteArray original = readBytes(m_file);
    QByteArray expected = original;
    select(folder);
    m_prompts.answers = {true};
    QTest::keyClick(m_window->windowHandle(), Qt::Key_T, Qt::AltModifier);
    QTest::keyClicks(QApplication::focusWidget(), "Linkcrate test");
    QTest::keyClick(m_window->windowHandle(), Qt::Key_U, Qt::AltModifier);
    QTest::keyClicks(QApplication::focusWidget(), typedUrl);
    if (press == "alt-a")
        pressAltA();
    else if (press == "click")
        QTest::mouseClick(m_window->cmdAdd, Qt::LeftButton);
    else
        for (const QString &key : press.split(u' '))
            QTest::keyClick(QApplication::focusWidget(), key == "tab" ? Qt::Key_Tab : Qt::Key_Return);

    const QString asked = "This address is already in: Bookmarks Toolbar, Reading/Articles, Bookmarks. Add it "
                          "again?|Add again|Cancel";
    QCOMPARE(m_prompts.messages.value(0).text, typedUrl.contains("debian") ? asked : QString());
    // First in the folder's list: after the first list opened from its heading on.
    const qsizetype heading = folder == "Bookmarks" ? 0 : expected.indexOf(folder.toHtmlEscaped().toUtf8() + "</H3>");
    expected.insert(expected.indexOf("<DL><p>\n", heading) + 8, "<DT><A HREF=\"" + writtenUrl.toUtf8() + "\">Linkcrate test</A>\n");
    QCOMPARE(readBytes(m_file), expected);
    QCOMPARE(m_window->txtText->text() + m_window->txtUrl->text(), QString());
    QCOMPARE(QApplication::focusWidget(), m_window->txtText);
    QCOMPARE(m_window->Tree->currentItem()->text(0), folder);
    // Ctrl+Z in the emptied field undoes the addition, and the folders are read again for the next.
    m_prompts.messages.clear();
    m_prompts.answers = {true};
    QTest::keyClick(m_window->txtText, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(readBytes(m_file), original);
    QVERIFY(m_prompts.messages.value(1).text.contains("has been undone"));
    m_window->txtText->setText("Next");
    m_window->txtUrl->setText("https://e.x/");
    QTest::mouseClick(m_window->cmdAdd, Qt::LeftButton);
    QCOMPARE(m_prompts.messages.size(), 2); // and not "changed since it was read"
}

void TestWindow::filterFindsAFolder_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("downs");
    QTest::addColumn<int>("finalKey");
    QTest::addColumn<QString>("selected");

    QTest::newRow("accents and case ignored") << "CREPES" << 0 << int(Qt::Key_Return) << "Cooking/Crêpes et galettes";
    QTest::newRow("name starting with the word first") << "p" << 0 << int(Qt::Key_Return) << "Reading/Papers";
    QTest::newRow("shallower first") << "ing" << 1 << int(Qt::Key_Return) << "Reading";
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
    select("Reading");
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
    const QString otherFile = QDir(m_dir->path()).mkdir("sub") ? m_dir->filePath("sub/other.html") : QString();
    writeBytes(otherFile, other);
    m_prompts.fileChoices = {cancel ? std::nullopt : std::optional<QString>(otherFile)};
    QTest::keyClick(m_window->windowHandle(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(m_prompts.dialogFolders, QStringList{m_dir->path()});
    QVERIFY(findShown(m_window->Tree, shown));
    const QString inUse = shown == "Elsewhere" ? otherFile : m_file;
    QCOMPARE(m_settings->bookmarks(), inUse);
    QCOMPARE(m_window->BookmarkFile, inUse);
    QCOMPARE(m_window->lblPath->toolTip(), inUse);
}

void TestWindow::refusedEntries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("problem"); // "no folder", "tmp is a folder" or none
    QTest::addColumn<QString>("message"); // %1 the bookmark file
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("focus");

    const int none = int(UserPrompts::Icon::None), exclamation = int(UserPrompts::Icon::Exclamation);
    QTest::newRow("refused character, before blank") << "/" << "" << "" << "You can't use these characters:\r\n"
                                                    "\\ / : * ? \" < > | &" << none << "text";
    QTest::newRow("both empty: only the name") << "" << "" << "" << "Name can't be empty !" << exclamation << "text";
    QTest::newRow("blank address") << "Name" << "   " << "" << "URL can't be empty !" << exclamation << "url";
    QTest::newRow("no folder selected") << "Name" << "e.x" << "no folder" << "No directory selected !" << none << "tree";
    QTest::newRow("address already in the file: Cancel") << "Name" << "https://www.gnu.org/" << "" << "already in: "
        "Bookmarks. Add it again?|Add again|Cancel" << none << "text";
    QTest::newRow("insertion fails: said, entry kept") << "Name" << "https://e.x/" << "tmp is a folder"
        << "%1.tmp" << int(UserPrompts::Icon::Critical) << "text";
}

void TestWindow::refusedEntries()
{
    QFETCH(QString, text);
    QFETCH(QString, url);
    QFETCH(QString, problem);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(QString, focus);
    start();
    const QByteArray before = readBytes(m_file);
    if (problem == "no folder")
        m_window->Tree->clearSelection();
    if (problem == "tmp is a folder")
        QVERIFY(QDir().mkdir(m_file + ".tmp"));
    m_window->Tree->setFocus();
    m_window->txtText->setText(text);
    m_window->txtUrl->setText(url);
    pressAltA();
    QCOMPARE(m_prompts.messages.size(), 1);
    QVERIFY2(m_prompts.messages[0].text.contains(QString(message).replace("%1", m_file)), qPrintable(m_prompts.messages[0].text));
    QCOMPARE(int(m_prompts.messages[0].icon), icon);
    QCOMPARE(focused(), focus);
    QCOMPARE(readBytes(m_file), before);
    QCOMPARE(m_window->txtText->text(), text);
    QCOMPARE(m_window->txtUrl->text(), url);
    QVERIFY(m_window->isEnabled());
    QCOMPARE(m_window->cursor().shape(), Qt::ArrowCursor);
}

void TestWindow::folderKeptByPathAndRank()
{
    // The second B is kept by its path and rank...
    start(foldersFile({"B", "X", "X/B", "B"}));
    m_window->Tree->setCurrentItem(m_window->Tree->topLevelItem(0)->child(1));
    // ...at Add, when another program changed the file before the watch said anything: nothing written;
    writeBytes(m_file, foldersFile({"A", "B", "X", "X/B", "B"}));
    m_window->txtText->setText("Name");
    m_window->txtUrl->setText("https://e.x/");
    QTest::mouseClick(m_window->cmdAdd, Qt::LeftButton);
    QCOMPARE(m_prompts.messages.size(), 1);
    QVERIFY(m_prompts.messages[0].text.contains("changed since it was read"));
    QCOMPARE(readBytes(m_file), foldersFile({"A", "B", "X", "X/B", "B"}));
    QCOMPARE(m_window->Tree->selectedKey(), std::optional<QString>("D4"));
    // ...by the watch, when the file is replaced, and then rewritten in place;
    writeBytes(m_file + ".new", foldersFile({"C", "A", "B", "X", "X/B", "B"}));
    QCOMPARE(std::rename(qPrintable(m_file + ".new"), qPrintable(m_file)), 0);
    QTRY_VERIFY(findShown(m_window->Tree, "C"));
    QCOMPARE(m_window->Tree->selectedKey(), std::optional<QString>("D5"));
    writeBytes(m_file, foldersFile({"D", "C", "A", "B", "X", "X/B", "B"}));
    QTRY_VERIFY(findShown(m_window->Tree, "D"));
    QCOMPARE(m_window->Tree->selectedKey(), std::optional<QString>("D6"));
    // ...and at the next start after an addition to it, scrolled into view, in the window's size;
    m_window->resize(640, 480);
    QTest::keyClick(m_window->txtUrl, Qt::Key_Return);
    QTest::keyClick(m_window->windowHandle(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_prompts.messages.size(), 1);
    start(readBytes(m_file));
    QCOMPARE(m_window->Tree->selectedKey(), std::optional<QString>("D6"));
    QVERIFY(m_window->Tree->viewport()->rect().contains(m_window->Tree->visualItemRect(m_window->Tree->currentItem())));
    QCOMPARE(m_window->size(), QSize(640, 480));
    // the root once it is gone.
    start(foldersFile({"B", "X"}));
    QCOMPARE(m_window->Tree->selectedKey(), std::optional<QString>("D-1"));
}

void TestWindow::undoOnlyWhatIsSafe_data()
{
    QTest::addColumn<QString>("between"); // what happens between the addition and Ctrl+Z
    QTest::addColumn<QStringList>("shown");
    const QString asked = "Undo the last addition to";
    QTest::newRow("file changed since: said, nothing touched") << "change" << QStringList{asked, "has changed since"};
    QTest::newRow("question cancelled") << "cancel" << QStringList{asked};
    QTest::newRow("typing in the field is undone first") << "type" << QStringList();
    QTest::newRow("one level: undone already") << "undo" << QStringList{"no bookmark that could be undone"};
}

void TestWindow::undoOnlyWhatIsSafe()
{
    QFETCH(QString, between);
    QFETCH(QStringList, shown);
    start();
    m_window->txtText->setText("Name");
    m_window->txtUrl->setText("https://e.x/");
    QTest::mouseClick(m_window->cmdAdd, Qt::LeftButton);
    if (between == "change")
        writeBytes(m_file, readBytes(Example));
    if (between == "type")
        QTest::keyClicks(m_window->txtText, "typed");
    m_prompts.answers = {between != "cancel"};
    if (between == "undo")
        QTest::keyClick(m_window->Tree, Qt::Key_Z, Qt::ControlModifier);
    const QByteArray before = readBytes(m_file);
    m_prompts.messages.clear();
    QTest::keyClick(m_window->txtText, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(readBytes(m_file), before);
    QCOMPARE(m_window->txtText->text(), QString());
    QCOMPARE(m_prompts.messages.size(), shown.size());
    for (qsizetype i = 0; i < shown.size(); ++i)
        QVERIFY2(m_prompts.messages[i].text.contains(shown[i]), qPrintable(m_prompts.messages[i].text));
}

void TestWindow::dropALink_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("onto"); // a folder shown in the tree, "text" for the field, or "" for the window
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");
    QTest::newRow("link with its title, onto a folder") << "text/x-moz-url" << "https://e.x/a\nA <b> & B" << "Cooking"
        << "https://e.x/a" << "A <b> & B" << "Cooking";
    QTest::newRow("uri-list onto the text field: first address") << "text/uri-list" << "# c\r\nhttps://e.x/b\r\nhttps://e.x/c\r\n"
        << "text" << "https://e.x/b" << "Typed" << "Reading";
    QTest::newRow("plain text onto the window: address only") << "text/plain" << "\n  https://e.x/c  \nmore" << ""
        << "https://e.x/c" << "Typed" << "Reading";
    QTest::newRow("plain text into the text field is typing") << "text/plain" << "words" << "text" << "" << "wordsTyped"
        << "Reading";
}

void TestWindow::dropALink()
{
    QFETCH(QString, format);
    QFETCH(QString, data);
    QFETCH(QString, onto);
    QFETCH(QString, url);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    start();
    const QByteArray before = readBytes(m_file);
    select("Reading");
    m_window->txtText->setText("Typed");
    QMimeData mime;
    // Browsers hand a link over in UTF-16.
    mime.setData(format, format == "text/x-moz-url" ? QByteArray(reinterpret_cast<const char *>(data.utf16()), data.size() * 2)
                                                    : data.toUtf8());
    QTreeWidgetItem *folder = onto.isEmpty() || onto == "text" ? nullptr : findShown(m_window->Tree, onto);
    QWidget *target = folder ? m_window->Tree->viewport() : onto == "text" ? static_cast<QWidget *>(m_window->txtText) : m_window.get();
    const QPoint at = folder ? m_window->Tree->visualItemRect(folder).center() : QPoint(2, 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    QCOMPARE(m_window->txtUrl->text(), url);
    QCOMPARE(m_window->txtText->text(), text);
    QCOMPARE(FolderTree::shownPath(m_window->Tree->currentItem()), selected);
    QCOMPARE(readBytes(m_file), before); // nothing is added until Add
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
    start();
    frmMain &w = *m_window;
    if (points > 0)
        w.setFont(QFont(w.font().family(), points));
    // Labels and the button show their whole text; a field scrolls, but its text is not cut off below.
    for (QWidget *c : QList<QWidget *>{w.Label1, w.Label2, w.cmdAdd, w.txtText, w.txtUrl, w.lblPath})
        QVERIFY2(c->height() >= c->sizeHint().height() && (qobject_cast<QLineEdit *>(c) || c == w.lblPath
                                                           || c->width() >= c->sizeHint().width()),
                 c->metaObject()->className());
    // Nothing overlaps, nothing falls off the window.
    QVERIFY(w.Label1->geometry().right() < w.txtText->x() && w.txtText->geometry().right() < w.cmdAdd->x());
    QVERIFY(w.txtText->geometry().bottom() < w.txtUrl->y() && w.txtUrl->geometry().bottom() < w.Tree->y());
    QVERIFY(w.Tree->geometry().bottom() < w.lblPath->y() && w.lblPath->geometry().bottom() < w.height());

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
    // By Tab and by a click, the whole text, past 255 characters.
    start();
    const QString longUrl = "https://example.com/" + QString(300, u'x');
    m_window->txtUrl->setText(longUrl);
    m_window->txtText->setText("Old name");
    m_window->txtText->setFocus();
    QTest::keyClick(m_window->txtText, Qt::Key_Tab);
    QCOMPARE(m_window->txtUrl->selectedText(), longUrl);
    QTest::keyClicks(m_window->txtUrl, "new");
    QCOMPARE(m_window->txtUrl->text(), "new");
    m_window->Tree->setFocus();
    QTest::mouseClick(m_window->txtText, Qt::LeftButton, {}, QPoint(5, m_window->txtText->height() / 2));
    QCOMPARE(m_window->txtText->selectedText(), "Old name");
}

LINKCRATE_TEST_MAIN(TestWindow, QApplication)
#include "test_window.moc"
