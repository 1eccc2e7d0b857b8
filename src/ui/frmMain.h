#pragma once

#include "bookmarks/FolderCatalogue.h"
#include "flow/AdditionFlow.h"
#include "platform/Settings.h"
#include "ui/ImageList.h"
#include "ui/WindowLayout.h"

#include <QPointer>
#include <QWidget>

class FolderFilter;
class FolderTree;
class FileWatch;
class QTreeWidgetItem;
class QLabel;
class QLineEdit;
class QPushButton;
class UserPrompts;

// The program's one window: the link text, the address, the Add button, the
// tree of the bookmark file's folders and, under it, where a bookmark would go.
class frmMain : public QWidget
{
    Q_OBJECT
    // Before the fields that refer into it.
    AdditionFlow m_flow;

public:
    frmMain(Settings &settings, UserPrompts &prompts, QWidget *parent = nullptr);

    // Start-up: settles which bookmark file to use, shows the window and fills
    // the tree. False when the user cancelled the file dialog: the program ends.
    [[nodiscard]] bool Form_Load();
    // The tree's pictures: 1 the bookmarks, 2 a closed folder, 3 an open one.
    void loadImages();
    // Builds the tree from the catalogue, with the root selected.
    void FillTree();
    void cmdAdd_Click();
    // True when the entry is refused: the user has been told and the focus moved.
    bool InvalidInput();
    void Form_Resize();
    // Ctrl+O: another bookmark file, remembered like the first choice.
    void chooseOtherFile();
    // Ctrl+F: finds a folder by words of its path.
    void openFilter();
    // Ctrl+Z where no field has typing to undo: puts the bookmark file of the
    // last addition, by this window or linkcrate-add, back as it was before.
    void undoLastAddition();
    // Ctrl+Shift+N, or "New Folder…" in the tree's menu: asks for a name and
    // shows the folder under the selected one, selected. Nothing is written
    // until Add, which makes the folder with the bookmark in it.
    void newFolder();

    // Lengths in the window are given in twips (1/1440 inch).
    int twipsToPixelsX(int twips) const;
    int twipsToPixelsY(int twips) const;

    // The file in use and its folders, as the flow has them.
    const QString &BookmarkFile;
    FolderCatalogue &catalogue;

    QLabel *Label1;
    QLineEdit *txtText;
    QLabel *Label2;
    QLineEdit *txtUrl;
    FolderTree *Tree;
    QPushButton *cmdAdd;
    QLabel *lblPath;
    FolderFilter *filter;
    ImageList images;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showRecovery(const AdditionFlow::Outcome &recovery);
    void rememberFile();
    // Reads the file again and selects the same folder: by its path and, of
    // several folders with one path, by its rank among them.
    void reread(bool tellFailure);
    // The selected folder's number; a folder still to be made stands for the one
    // it is made in.
    qint32 selectedIndex() const;
    // The name of the folder still to be made, when it is the one selected.
    QString selectedNewFolder() const;
    // Starting without an address: one copied from a browser is taken.
    void takeClipboardAddress();
    void selectFolder(qint32 index);
    void showPath();
    void setBusy(bool busy);

    Settings &m_settings;
    UserPrompts &m_prompts;
    bool m_busy = false;
    WindowLayout m_layout;
    FileWatch *m_watch;
    QPointer<QWidget> m_focusBeforeFilter;
    QString m_said; // what the last addition did, shown under the tree until the next selection or typing
};
