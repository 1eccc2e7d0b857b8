#include "TestSupport.h"

#include "FakePrompts.h"
#include "platform/Settings.h"
#include "ui/FolderFilter.h"
#include "ui/FolderTree.h"
#include "ui/QtUserPrompts.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <memory>

namespace {

const QString Example = QStringLiteral(LINKCRATE_EXAMPLES "/bookmarks.html");

// The tree as a person reads it: indented texts in the order shown.
QStringList shownTree(QTreeWidget *tree)
{
    QStringList rows;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        rows << (*it)->text(0);
        for (const QTreeWidgetItem *up = (*it)->parent(); up; up = up->parent())
            rows.last().prepend(u"  ");
    }
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

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Settings> m_settings;
    FakePrompts m_prompts;
    std::unique_ptr<frmMain> m_window;
    QString m_file;

    // Starts the window on `contents`, as a second run would.
    [[nodiscard]] bool start(const QByteArray &contents = readBytes(Example))
    {
        HELPER_VERIFY(writeFile(m_file, contents));
        m_settings->setBookmarks(m_file);
        m_window = std::make_unique<frmMain>(*m_settings, m_prompts);
        HELPER_VERIFY(m_window->Form_Load());
        QApplication::setActiveWindow(m_window.get());
        HELPER_VERIFY(QTest::qWaitForWindowActive(m_window.get()));
        return true;
    }
    [[nodiscard]] bool select(const QString &shownText)
    {
        QTreeWidgetItem *item = findShown(m_window->Tree, shownText);
        HELPER_VERIFY2(item, qPrintable(shownText));
        m_window->Tree->scrollToItem(item);
        QTest::mouseClick(m_window->Tree->viewport(), Qt::LeftButton, {}, m_window->Tree->visualItemRect(item).center());
        HELPER_COMPARE(m_window->Tree->currentItem(), item);
        return true;
    }
    // Fills the fields and clicks Add.
    void add(const QString &text = "Name", const QString &url = "https://e.x/")
    {
        m_window->txtText->setText(text);
        m_window->txtUrl->setText(url);
        QTest::mouseClick(m_window->cmdAdd, Qt::LeftButton);
    }
    // The messages shown hold these texts, in order; %1 is the test folder.
    [[nodiscard]] bool shown(const QStringList &texts)
    {
        HELPER_COMPARE(m_prompts.messages.size(), texts.size());
        for (qsizetype i = 0; i < texts.size(); ++i)
            HELPER_VERIFY2(m_prompts.messages[i].text.contains(QString(texts[i]).replace("%1", m_dir->path())),
                           qPrintable(m_prompts.messages[i].text));
        return true;
    }

private Q_SLOTS:
    void init()
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

    void choosingTheFile_data()
    {
        QTest::addColumn<QString>("remembered"); // file name in the test folder; "" for none
        QTest::addColumn<QByteArray>("file");    // its contents; empty for none
        QTest::addColumn<QByteArray>("tmp");     // what waits beside it
        QTest::addColumn<QByteArray>("other");   // what other.html holds
        QTest::addColumn<bool>("ctrlO");         // after the start, Ctrl+O
        QTest::addColumn<bool>("choose");        // the dialog chooses other.html (else cancels)
        QTest::addColumn<QStringList>("dialogs"); // where each dialog started; %1 the test folder
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("inUse"); // "" when the program ends

        const QByteArray example = readBytes(Example), another = QByteArray(example).replace("Toolbar", "Shelf"), none;
        const QByteArray half = "<DL><p>\n<DT><H3>Half a file</H3>\n<DL><p>\n";
        QTest::newRow("first run") << "" << none << none << another << false << true << QStringList{""} << QStringList()
                                   << "other.html";
        QTest::newRow("file gone: said, then asked in its folder") << "b.html" << none << none << another << false << true
            << QStringList{"%1"} << QStringList{"%1/b.html\" was not found. Choose"} << "other.html";
        QTest::newRow("file unreadable: said, then asked") << "b.html" << half << none << another << false << true
            << QStringList{"%1"} << QStringList{"not a complete bookmark file"} << "other.html";
        QTest::newRow("interrupted addition completed") << "b.html" << none << example << another << false << false
                                                        << QStringList() << QStringList{"has been put in place"} << "b.html";
        QTest::newRow("interrupted copy removed") << "b.html" << example << half << another << false << false
                                                 << QStringList() << QStringList() << "b.html";
        QTest::newRow("file gone, copy incomplete: left, asked") << "b.html" << none << half << another << false << true
            << QStringList{"%1"} << QStringList{"b.html.tmp\" is not a complete", "was not found"} << "other.html";
        QTest::newRow("cancel ends, setting kept") << "b.html" << none << none << another << false << false
                                                   << QStringList{"%1"} << QStringList{"was not found"} << "";
        QTest::newRow("Ctrl+O: another file, in the file's folder") << "b.html" << example << none << another << true << true
                                                                    << QStringList{"%1"} << QStringList() << "other.html";
        QTest::newRow("Ctrl+O, unreadable: the file in use stays") << "b.html" << example << none << half << true << true
            << QStringList{"%1"} << QStringList{"not a complete bookmark file"} << "b.html";
    }
    void choosingTheFile()
    {
        QFETCH(QString, remembered);
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, tmp);
        QFETCH(QByteArray, other);
        QFETCH(bool, ctrlO);
        QFETCH(bool, choose);
        QFETCH(QStringList, dialogs);
        QFETCH(QStringList, messages);
        QFETCH(QString, inUse);
        const QString path = m_dir->filePath(remembered), otherPath = m_dir->filePath("other.html");
        if (!remembered.isEmpty())
            m_settings->setBookmarks(path);
        for (const auto &[name, contents] : {std::pair{path, file}, {path + ".tmp", tmp}, {otherPath, other}})
            if (!contents.isEmpty())
                QVERIFY(writeFile(name, contents));
        m_prompts.fileChoices = {choose ? std::optional(otherPath) : std::nullopt};
        m_settings->setRecentFolders({{{"Reading"}, 0}});
        QCOMPARE(m_window->Form_Load(), !inUse.isEmpty());
        if (ctrlO) {
            QApplication::setActiveWindow(m_window.get());
            QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
            QTest::keyClick(m_window->windowHandle(), Qt::Key_O, Qt::ControlModifier);
        }

        QVERIFY(shown(messages));
        QCOMPARE(QFileInfo::exists(path + ".tmp"), file.isEmpty() && tmp.contains("Half a file")); // an incomplete copy is the user's
        QCOMPARE(m_prompts.dialogFolders, dialogs.replaceInStrings("%1", m_dir->path()));
        QCOMPARE(Settings(m_settings->fileName()).bookmarks(), inUse.isEmpty() ? path : m_dir->filePath(inUse));
        QCOMPARE(Settings(m_settings->fileName()).recentFolders().isEmpty(), inUse == "other.html"); // another file's folders
        if (!inUse.isEmpty()) {
            QCOMPARE(m_window->lblPath->toolTip(), m_dir->filePath(inUse));
            const QString second = inUse == "b.html" ? "  Bookmarks Toolbar" : "  Bookmarks Shelf";
            QCOMPARE(shownTree(m_window->Tree).mid(0, 2), (QStringList{"Bookmarks", second}));
            QVERIFY(m_window->Tree->topLevelItem(0)->isExpanded());
            QCOMPARE(m_window->Tree->selectedKey(), std::optional<QString>("D-1"));
        }
    }

    void treeShowsTheFoldersAsPeopleRead()
    {
        QVERIFY(start(foldersFile({"zebra", "Folder 10", "News", "news", "news/inner", "news/inner/deep", "news/inner/deep/deeper",
                           "Ångström", "Folder 9", "Folder 9/a", "Folder 9/a/b", ""})));
        // Accents with their letters, numbers by value, equal names in file order.
        QCOMPARE(shownTree(m_window->Tree), (QStringList{"Bookmarks", "  (no name)", "  Ångström", "  Folder 9", "    a",
                                                         "  Folder 10", "  News", "  news", "    inner", "  zebra"}));
        // Deeper nodes are made as their parents open, or as one of them is selected.
        QVERIFY(!findShown(m_window->Tree, "b") && !findShown(m_window->Tree, "deep"));
        m_window->Tree->expandItem(findShown(m_window->Tree, "Folder 9"));
        QVERIFY(findShown(m_window->Tree, "b"));
        m_window->Tree->selectKey("D6");
        QCOMPARE(FolderTree::shownPath(m_window->Tree->currentItem()), "news/inner/deep/deeper");
        QCOMPARE(findShown(m_window->Tree, "inner")->toolTip(0), "news/inner");
        QVERIFY(select("inner"));
        QCOMPARE(m_window->lblPath->text(), "bookmarks.html: news/inner");
    }

    void addFromTheKeyboard_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("press");
        QTest::addColumn<QString>("typedUrl");
        QTest::addColumn<QString>("writtenUrl");
        QTest::newRow("address already in three folders: Add again") << "Papers" << "alt-u enter"
                                                                     << "HTTPS://WWW.debian.org" << "HTTPS://WWW.debian.org";
        QTest::newRow("nested, Enter in the field, bare host") << "Bread & Baking" << "click enter" << "example.com"
                                                               << "http://example.com";
        QTest::newRow("keypad Enter in the tree") << "Papers" << "alt-u tab keypad" << "https://arxiv.org/" << "https://arxiv.org/";
    }
    void addFromTheKeyboard()
    {
        QFETCH(QString, folder);
        QFETCH(QString, press);
        QFETCH(QString, typedUrl);
        QFETCH(QString, writtenUrl);
        const QByteArray debian = "<DT><A HREF=\"https://www.debian.org/\">D</A>\n";
        QVERIFY(start(readBytes(Example).replace("<DT><A HREF=\"https://www.gnu", debian + "<DT><A HREF=\"https://www.gnu")
                  .replace("<DD>What", debian + "<DD>What")));
        QByteArray expected = readBytes(m_file);
        QVERIFY(select(folder));
        m_prompts.answers = {true};
        // Reaching a field, by its access key or a click, selects its whole text, past 255 characters.
        m_window->txtText->setText("Old name");
        m_window->txtUrl->setText("https://example.com/" + QString(300, u'x'));
        QTest::keyClick(m_window->windowHandle(), Qt::Key_T, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), "Linkcrate test");
        if (press.startsWith("click"))
            QTest::mouseClick(m_window->txtUrl, Qt::LeftButton, {}, QPoint(5, m_window->txtUrl->height() / 2));
        else
            QTest::keyClick(m_window->windowHandle(), Qt::Key_U, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), typedUrl);
        for (const QString &key : press.split(u' ').mid(1))
            QTest::keyClick(QApplication::focusWidget(), key == "tab" ? Qt::Key_Tab : key == "keypad" ? Qt::Key_Enter : Qt::Key_Return,
                            key == "keypad" ? Qt::KeypadModifier : Qt::NoModifier);

        QVERIFY(shown(typedUrl.contains("debian") ? QStringList{"This address is already in: Bookmarks Toolbar, Reading/Articles, "
                                                        "Bookmarks. Add it again?|Add again|Cancel"} : QStringList()));
        // First in the folder's list: after the first list opened from its heading on.
        const qsizetype heading = folder == "Bookmarks" ? 0 : expected.indexOf(folder.toHtmlEscaped().toUtf8() + "</H3>");
        expected.insert(expected.indexOf("<DL><p>\n", heading) + 8,
                        "<DT><A HREF=\"" + writtenUrl.toUtf8() + "\">Linkcrate test</A>\n");
        QCOMPARE(readBytes(m_file), expected);
        QCOMPARE(m_window->txtText->text() + m_window->txtUrl->text(), QString());
        QCOMPARE(QApplication::focusWidget(), m_window->txtText);
        QCOMPARE(m_window->Tree->currentItem()->text(0), folder);
    }

    void filterFindsAFolder_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("downs");
        QTest::addColumn<int>("finalKey");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("folders"); // none: the example file

        const QStringList named{"Zed", "Zed/S", "Zed/S/Tea", "Zed/old dev rust", "Teas", "café dev",
                                "café dev/rust mix à_lire", "rust dev tools", "Code", "Code/S", "Code/S/old mix dev rust", "Code/S/mix dev rust"};
        QTest::newRow("accents and case ignored") << "CREPES" << 0 << int(Qt::Key_Return) << "Cooking/Crêpes et galettes"
                                                  << QStringList();
        QTest::newRow("nothing typed: the folders used last, newest first") << "" << 0 << int(Qt::Key_Return)
                                                                            << "Cooking/Crêpes et galettes" << QStringList();
        QTest::newRow("name starting with the word first") << "p" << 0 << int(Qt::Key_Return) << "Reading/Papers"
                                                           << QStringList();
        QTest::newRow("in the name before in the path") << "ing" << 1 << int(Qt::Key_Return) << "Reading" << QStringList();
        QTest::newRow("every word, then Down, keypad Enter") << "a cook" << 1 << int(Qt::Key_Enter) << "Cooking/Crêpes et galettes"
                                               << QStringList();
        QTest::newRow("Esc keeps the selection") << "pap" << 0 << int(Qt::Key_Escape) << "Reading" << QStringList();
        QTest::newRow("the exact name before the shallower") << "mix dev  Rust" << 0 << int(Qt::Key_Return)
                                                             << "Code/S/mix dev rust" << named;
        QTest::newRow("the words as typed, then the shallower") << "dev rust" << 0 << int(Qt::Key_Return)
                                                                << "Zed/old dev rust" << named;
        QTest::newRow("word starts in the path before the shallower") << "s tea" << 0 << int(Qt::Key_Return)
                                                                      << "Zed/S/Tea" << named;
        QTest::newRow("alike: file order, not path order") << "s" << 0 << int(Qt::Key_Return) << "Zed/S" << named;
    }
    void filterFindsAFolder()
    {
        QFETCH(QString, typed);
        QFETCH(int, downs);
        QFETCH(int, finalKey);
        QFETCH(QString, selected);
        QFETCH(QStringList, folders);
        QVERIFY(start(folders.isEmpty() ? readBytes(Example) : foldersFile(folders)));
        m_settings->setRecentFolders({{{"Gone"}, 0}, {{}, 0}, {{"Cooking", "Crêpes et galettes"}, 0}, {{"Reading"}, 0}});
        QVERIFY(select(folders.isEmpty() ? "Reading" : "Bookmarks"));
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

    void refusedEntries_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("problem"); // "no folder", "tmp is a folder" or none
        QTest::addColumn<QString>("message"); // %1 the test folder
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("focus");

        const int none = int(UserPrompts::Icon::None);
        QTest::newRow("refused character, before blank") << "/" << "" << "" << "You can't use these characters:\r\n"
                                                        "\\ / : * ? \" < > | &" << none << "text";
        QTest::newRow("blank address") << "Name" << "   " << "" << "URL can't be empty !"
                                       << int(UserPrompts::Icon::Exclamation) << "url";
        QTest::newRow("not an address") << "Name" << "hello world" << "" << "\"hello world\" is not an address"
                                        << int(UserPrompts::Icon::Exclamation) << "url";
        QTest::newRow("no folder selected") << "Name" << "e.x" << "no folder" << "No directory selected !" << none << "tree";
        QTest::newRow("address already in the file: Cancel") << "Name" << "https://www.gnu.org/" << "" << "already in: "
            "Bookmarks. Add it again?|Add again|Cancel" << none << "text";
        QTest::newRow("insertion fails: said, entry kept") << "Name" << "https://e.x/" << "tmp is a folder"
            << "%1/bookmarks.html.tmp" << int(UserPrompts::Icon::Critical) << "text";
    }
    void refusedEntries()
    {
        QFETCH(QString, text);
        QFETCH(QString, url);
        QFETCH(QString, problem);
        QFETCH(QString, message);
        QFETCH(int, icon);
        QFETCH(QString, focus);
        QVERIFY(start());
        const QByteArray before = readBytes(m_file);
        if (problem == "no folder")
            m_window->Tree->clearSelection();
        if (problem == "tmp is a folder")
            QVERIFY(QDir().mkdir(m_file + ".tmp"));
        m_window->Tree->setFocus();
        m_window->txtText->setText(text);
        m_window->txtUrl->setText(url);
        // The access key presses the button as a click would, shown down for a moment.
        QTest::keyClick(m_window->windowHandle(), Qt::Key_A, Qt::AltModifier);
        QVERIFY(m_window->cmdAdd->isDown());
        QTRY_VERIFY(!m_window->cmdAdd->isDown());
        QVERIFY(shown({message}));
        QCOMPARE(int(m_prompts.messages.value(0).icon), icon);
        const QHash<QString, QWidget *> widgets{
            {"text", m_window->txtText}, {"url", m_window->txtUrl}, {"tree", m_window->Tree}};
        QCOMPARE(QApplication::focusWidget(), widgets[focus]);
        QCOMPARE(readBytes(m_file), before);
        QCOMPARE(m_window->txtText->text() + "|" + m_window->txtUrl->text(), text + "|" + url);
        QVERIFY(m_window->isEnabled() && m_window->cursor().shape() == Qt::ArrowCursor);
        // And the window still adds, once what was refused is mended.
        QDir().rmdir(m_file + ".tmp");
        m_window->Tree->setCurrentItem(m_window->Tree->topLevelItem(0));
        add("Fine", "https://fine.example/");
        QVERIFY(readBytes(m_file).contains("\"https://fine.example/\">Fine<"));
    }

    void folderKeptByPathAndRank()
    {
        // The second B is kept by its path and rank...
        QVERIFY(start(foldersFile({"B", "X", "X/B", "B"})));
        m_window->Tree->setCurrentItem(m_window->Tree->topLevelItem(0)->child(1));
        add();
        // ...at Add, when another program changed the file while the window asked: nothing written;
        m_prompts.answers = {true};
        m_prompts.whileAsked = [this] { QVERIFY(writeFile(m_file, foldersFile({"A", "B", "X", "X/B", "B"}))); QTest::qWait(500); };
        add();
        QVERIFY(shown({"already in: B.", "changed since it was read"}));
        QCOMPARE(readBytes(m_file), foldersFile({"A", "B", "X", "X/B", "B"}));
        QCOMPARE(m_window->Tree->selectedKey(), std::optional<QString>("D4"));
        // ...by the watch, when the file is replaced, and then rewritten in place;
        QVERIFY(writeFile(m_file + ".new", foldersFile({"C", "A", "B", "X", "X/B", "B"})));
        QCOMPARE(std::rename(qPrintable(m_file + ".new"), qPrintable(m_file)), 0);
        QTRY_VERIFY(findShown(m_window->Tree, "C"));
        QCOMPARE(m_window->Tree->selectedKey(), std::optional<QString>("D5"));
        QVERIFY(writeFile(m_file, foldersFile({"D", "C", "A", "B", "X", "X/B", "B"})));
        QTRY_VERIFY(findShown(m_window->Tree, "D"));
        QCOMPARE(m_window->Tree->selectedKey(), std::optional<QString>("D6"));
        // ...and at the next start after an addition to it, scrolled into view, in the window's size;
        m_window->resize(640, 480);
        QTest::keyClick(m_window->txtUrl, Qt::Key_Return);
        QTest::keyClick(m_window->windowHandle(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_prompts.messages.size(), 2);
        QVERIFY(start(readBytes(m_file)));
        QCOMPARE(m_window->Tree->selectedKey(), std::optional<QString>("D6"));
        QVERIFY(m_window->Tree->viewport()->rect().contains(m_window->Tree->visualItemRect(m_window->Tree->currentItem())));
        QCOMPARE(m_window->size(), QSize(640, 480));
        // the root once it is gone.
        QVERIFY(start(foldersFile({"B", "X"})));
        QCOMPARE(m_window->Tree->selectedKey(), std::optional<QString>("D-1"));
    }

    void undoTheLastAddition_data()
    {
        QTest::addColumn<QString>("between"); // what happens between the addition and Ctrl+Z
        QTest::addColumn<QStringList>("messages");
        const QString asked = "Undo adding “A long read” to Reading/Articles? The file goes back";
        QTest::newRow("in the emptied field") << "" << QStringList{asked, "has been undone"};
        QTest::newRow("question cancelled") << "cancel" << QStringList{asked};
        QTest::newRow("a record from before titles were kept") << "old"
            << QStringList{"Undo the last addition to \"%1/bookmarks.html\"?", "has been undone"};
        QTest::newRow("typing in the field is undone first") << "type" << QStringList();
        QTest::newRow("one level: undone already, from the tree") << "undo" << QStringList{"no bookmark that could be"};
    }
    void undoTheLastAddition()
    {
        QFETCH(QString, between);
        QFETCH(QStringList, messages);
        QVERIFY(start());
        const QByteArray original = readBytes(m_file);
        QVERIFY(select("Articles"));
        add("A long read");
        if (between == "old") {
            QVariantMap record = m_settings->lastAddition();
            record.remove("Title");
            m_settings->setLastAddition(record);
        }
        if (between == "type")
            QTest::keyClicks(m_window->txtText, "typed");
        m_prompts.answers = {between != "cancel"};
        if (between == "undo")
            QTest::keyClick(m_window->Tree, Qt::Key_Z, Qt::ControlModifier);
        const QByteArray before = readBytes(m_file);
        m_prompts.messages.clear();
        // Said under the tree until the next typing (or selection, or undo).
        QCOMPARE(m_window->lblPath->accessibleDescription() == "Added to Reading/Articles. Ctrl+Z undoes it.", between != "type" && between != "undo");
        QTest::keyClick(m_window->txtText, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(readBytes(m_file), between.isEmpty() || between == "old" ? original : before);
        QCOMPARE(m_window->txtText->text(), QString());
        QVERIFY(shown(messages));
        // The folders are those of the file: the next addition goes through without a word.
        add("Next", "https://e.y/");
        QCOMPARE(m_prompts.messages.size(), messages.size());
        QCOMPARE(m_settings->recentFolders().size(), 1); // one folder, however often used
    }

    void newFolder_data()
    {
        QTest::addColumn<QStringList>("names"); // typed at each question; "" cancels
        QTest::addColumn<QString>("then");      // "add", "again" (a new folder in the new one), "reread" (the file changes)
        QTest::addColumn<QStringList>("messages");
        const QString asked = "Name of the new folder in Reading/Articles:|";
        QTest::newRow("made with the bookmark; one undo takes both") << QStringList{"To read"} << "add"
            << QStringList{asked, "Undo adding “Name” to Reading/Articles/To read?", "has been undone"};
        QTest::newRow("blank and a slash refused, asked again") << QStringList{" ", "a/b", "To read"} << ""
            << QStringList{asked, "Please type a name", asked, "cannot hold", asked + "a/b"};
        QTest::newRow("cancelled") << QStringList{""} << "" << QStringList{asked};
        QTest::newRow("not inside itself") << QStringList{"To read"} << "again"
                                           << QStringList{asked, "\"To read\" is made with the bookmark added to it"};
        QTest::newRow("kept while the file is read again") << QStringList{"To read"} << "reread" << QStringList{asked};
    }
    void newFolder()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, then);
        QFETCH(QStringList, messages);
        QVERIFY(start());
        const QByteArray original = readBytes(m_file), changed = QByteArray(original).replace("Papers", "Studies");
        QVERIFY(select("Articles"));
        for (const QString &name : names)
            m_prompts.texts.append(name.isEmpty() ? std::nullopt : std::optional(name));
        QTest::keyClick(m_window->windowHandle(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
        if (then == "again")
            QTest::keyClick(m_window->windowHandle(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
        if (then == "reread") {
            QVERIFY(writeFile(m_file, changed));
            QTRY_VERIFY(findShown(m_window->Tree, "Studies"));
        }
        // Shown and selected; nothing written until Add.
        QCOMPARE(FolderTree::shownPath(m_window->Tree->currentItem()),
                 names.constLast().isEmpty() ? "Reading/Articles" : "Reading/Articles/To read");
        QCOMPARE(readBytes(m_file), then == "reread" ? changed : original);
        if (then == "add") {
            add();
            QVERIFY(readBytes(m_file).contains("Articles</H3>\n        <DL><p>\n            <DT><H3>To read</H3>\n"
                                               "            <DL><p>\n                <DT><A HREF=\"https://e.x/\">Name</A>\n"
                                               "            </DL><p>\n            <DT><A HREF=\"https://en.wiki"));
            QCOMPARE(m_window->Tree->selectedKey(), std::optional<QString>("D6"));
            QCOMPARE(m_window->lblPath->accessibleDescription(), "Added to Reading/Articles/To read. Ctrl+Z undoes it.");
            m_prompts.answers = {true};
            QTest::keyClick(m_window->txtText, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(readBytes(m_file), original);
            QVERIFY(!findShown(m_window->Tree, "To read"));
        }
        QVERIFY(shown(messages));
    }

    void dropALink_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("onto"); // "text" for the field, "window", or a folder, which is selected too
        QTest::addColumn<QString>("fields"); // the address and the link text after the drop
        QTest::newRow("link with its title, onto a folder") << "text/x-moz-url" << "https://e.x/a\nA <b> & B" << "Cooking"
                                                            << "https://e.x/a|A <b> & B";
        QTest::newRow("uri-list onto the text field: first address") << "text/uri-list"
            << "# c\r\nhttps://e.x/b\r\nhttps://e.x/c\r\n" << "text" << "https://e.x/b|Typed";
        QTest::newRow("plain text onto the window: address only") << "text/plain" << "\n  https://e.x/c \nmore" << "window"
                                                                  << "https://e.x/c|Typed";
        QTest::newRow("_NETSCAPE_URL: address and title") << "_NETSCAPE_URL" << "https://e.x/n\nNetscape title" << "window"
                                                           << "https://e.x/n|Netscape title";
        QTest::newRow("text/html: the link's address and text") << "text/html"
            << "<meta charset='utf-8'><A class=x HREF=\"https://e.x/h?a=1&amp;b=2\">A &amp; <b>B</b></a>" << "window"
            << "https://e.x/h?a=1&b=2|A & B";
        QTest::newRow("clipboard: a single web address, selected") << "clipboard" << " https://e.x/c \n" << ""
                                                                   << "https://e.x/c|https://e.x/c";
        QTest::newRow("clipboard: anything else is not taken") << "clipboard" << "https://e.x/c and more" << "" << "|";
        QTest::newRow("plain text into the text field is typing") << "text/plain" << "words" << "text" << "|wordsTyped";
    }
    void dropALink()
    {
        QFETCH(QString, format);
        QFETCH(QString, data);
        QFETCH(QString, onto);
        QFETCH(QString, fields);
        if (format == "clipboard") { // "address|selected" after a start without an address
            QApplication::clipboard()->setText(data);
            QVERIFY(start());
            QApplication::clipboard()->clear();
            QCOMPARE(m_window->txtUrl->text() + "|" + m_window->txtUrl->selectedText(), fields);
            QCOMPARE(QApplication::focusWidget(), fields == "|" ? m_window->txtText : m_window->txtUrl);
            return;
        }
        QVERIFY(start());
        m_window->txtText->setText("Typed");
        QMimeData mime; // browsers hand a link over in UTF-16
        const QByteArray utf16(reinterpret_cast<const char *>(data.utf16()), data.size() * 2);
        mime.setData(format, format.endsWith("moz-url") ? utf16 : data.toUtf8());
        QTreeWidgetItem *folder = findShown(m_window->Tree, onto);
        QWidget *target = folder ? m_window->Tree->viewport()
                                 : onto == "text" ? static_cast<QWidget *>(m_window->txtText) : m_window.get();
        const QPoint at = folder ? m_window->Tree->visualItemRect(folder).center() : QPoint(2, 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
        QCOMPARE(m_window->txtUrl->text() + "|" + m_window->txtText->text(), fields);
        QCOMPARE(m_window->Tree->currentItem()->text(0), folder ? onto : "Bookmarks");
        QCOMPARE(readBytes(m_file), readBytes(Example)); // nothing is added until Add
    }

    void layoutGrowsAndNothingClips()
    {
        QVERIFY(start());
        frmMain &w = *m_window;
        w.setFont(QFont(w.font().family(), 15));
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
    }

    // The real dialogs, not the fake: Return takes the harmless answer.
    void realPromptsDefaultToTheHarmlessAnswer()
    {
        QtUserPrompts prompts;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [] {
            if (QWidget *box = QApplication::activeModalWidget())
                QTest::keyClick(box, Qt::Key_Return);
        });
        timer.start(20);
        QVERIFY(!prompts.confirm("Undo the last addition?"));
        QVERIFY(!prompts.ask("Already there.", "Add again", "Cancel"));
    }

    // With the German catalogue built into the program, the window speaks German.
    void german()
    {
        QTranslator german;
        QVERIFY(german.load(QLocale(QLocale::German), "linkcrate", "_", ":/i18n"));
        QCoreApplication::installTranslator(&german);
        const bool started = start();
        QCoreApplication::removeTranslator(&german);
        QVERIFY(started);
        QCOMPARE(m_window->cmdAdd->text(), "&Hinzufügen");
        QCOMPARE(m_window->Tree->topLevelItem(0)->text(0), "Lesezeichen");
    }
};

LINKCRATE_TEST_MAIN(TestWindow, QApplication)
#include "test_window.moc"
