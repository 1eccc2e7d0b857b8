#pragma once

#include <QFrame>
#include <QList>
#include <QString>

class FolderCatalogue;
class QLineEdit;
class QListView;
class MatchModel;

// A field over the folder tree that narrows the folders, word by word, to those
// whose whole path contains every word, ignoring case and accents; before
// anything is typed it lists the folders used last. Up and Down
// move through the matches, Enter chooses one, Esc gives up.
class FolderFilter : public QFrame
{
    Q_OBJECT
public:
    explicit FolderFilter(QWidget *parent = nullptr);

    // The folders to search; read again on the next open, so that filling the
    // tree does not pay for a search that may never come.
    void setFolders(const FolderCatalogue *catalogue);
    // The folders listed while nothing is typed, newest first (the last ones
    // added to); with none, every folder is.
    void setRecent(const QList<qint32> &folders);
    // Shows the field, empty, with the focus in it.
    void open();

    QLineEdit *field() const { return m_field; }
    // The folder indexes matching the field's text, best first.
    const QList<qint32> &matches() const { return m_matches; }

Q_SIGNALS:
    void chosen(qint32 folder);
    void dismissed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void index();
    void search();
    void showMatches();
    void choose();

    QLineEdit *m_field;
    QListView *m_list;
    MatchModel *m_model;
    const FolderCatalogue *m_catalogue = nullptr;
    bool m_indexed = false;

    // Per folder: its path as shown, folded for searching, where its own name
    // starts in the folded path, and its depth.
    QList<QString> m_shown;
    QList<QString> m_folded;
    QList<qint32> m_nameStart;
    QList<qint32> m_depth;
    QList<qint32> m_matches;
    QList<qint32> m_recent;
};
