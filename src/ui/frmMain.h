#pragma once

#include "bookmarks/FolderCatalogue.h"
#include "ui/ImageList.h"

#include <QWidget>

class FolderTree;
class QLabel;
class QLineEdit;
class QPushButton;
class Settings;
class UserPrompts;

// The program's one window: the link text, the address, the Add button and the
// tree of the bookmark file's folders.
class frmMain : public QWidget
{
    Q_OBJECT
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

    // Lengths in the window are given in twips (1/1440 inch).
    int twipsToPixelsX(int twips) const;
    int twipsToPixelsY(int twips) const;

    QString BookmarkFile;
    FolderCatalogue catalogue;

    QLabel *Label1;
    QLineEdit *txtText;
    QLabel *Label2;
    QLineEdit *txtUrl;
    FolderTree *Tree;
    QPushButton *cmdAdd;
    ImageList images;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool readCatalogue();
    void rereadAfterChange(qint32 index);
    void setBusy(bool busy);

    Settings &m_settings;
    UserPrompts &m_prompts;
    bool m_busy = false;
};
