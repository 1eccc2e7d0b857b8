#pragma once

#include "bookmarks/EntryCheck.h"
#include "bookmarks/FileAccess.h"
#include "bookmarks/FolderCatalogue.h"
#include "bookmarks/LastAddition.h"
#include "platform/Settings.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class BookmarkLock;

// The road of an addition, the same for every front end: the file and its
// recovery, its folders, whether an address is there already, the addition
// itself, and undoing it. Each step gives an outcome with the words to show the
// user and a kind; the window turns it into a message box, the command line
// into text and an exit status. Nothing here shows, prints or asks anything.
class AdditionFlow
{
public:
    using FolderPlace = Settings::FolderPlace;

    enum class Kind {
        Done,         // nothing wrong (the message, if any, says what was done)
        Refused,      // the link text or the address: for the user to mend
        NoFile,       // no bookmark file chosen, or the chosen one is gone
        FileProblem,  // the file or the folder: unusable, ambiguous, missing, I/O, trash
        Changed,      // the file is not the version its folders were read from
        AlreadyThere, // the address is in the file already, and the request adds no second one
        NotYet,       // something this version cannot do yet
    };
    struct Outcome
    {
        Kind kind = Kind::Done;
        QString message; // what the user is told; may be empty when Done ("Added to A/B." after an addition)
        bool ok() const { return kind == Kind::Done; }
    };

    // The file: the one given, else the remembered one. An addition cut short on
    // it earlier is finished or cleared away first (`recovery` says what was
    // done). With `readFolders` its folders are read; on failure the flow stays
    // with the file and folders it had.
    struct OpenRequest
    {
        QString file;
        bool readFolders = true;
    };
    struct OpenOutcome : Outcome
    {
        Outcome recovery;
        QString file; // the file asked for, as an absolute path (empty when none is chosen)
    };
    [[nodiscard]] OpenOutcome open(const OpenRequest &request);
    // The file in use becomes the remembered one, for the next start and for
    // linkcrate-add; the folders remembered for another file are forgotten.
    [[nodiscard]] Outcome rememberFile();
    const QString &file() const { return m_file; }

    // The folders of the file in use, and reading them again (the catalogue is
    // kept on failure).
    const FolderCatalogue &catalogue() const { return m_catalogue; }
    FolderCatalogue &catalogue() { return m_catalogue; }
    [[nodiscard]] Outcome readFolders();
    // A folder by its names from the top level down and its rank among the
    // folders of that same path, which outlives the renumbering of a rewrite.
    FolderPlace placeOf(qint32 index) const;
    // The folder at `place`, or the root list when there is none.
    qint32 indexOf(const FolderPlace &place) const;
    // Where the last addition to the remembered file went, and the last ten
    // folders added to, newest first.
    FolderPlace lastFolder() const { return m_settings.lastFolder(); }
    QList<FolderPlace> recentFolders() const { return m_settings.recentFolders(); }
    // The same as folders of the file now, newest first: neither the root list
    // nor a folder gone from the file since.
    QList<qint32> recentIndexes() const;
    // Every folder's number and path, names joined by "/", in file order, told
    // to `each` as the file is read once (for callers that keep no catalogue).
    // A file that turns out to be in another charset than its names were first
    // read in is told again from the start, after `startOver`.
    using EachFolder = std::function<void(qint32 index, const QString &path)>;
    [[nodiscard]] Outcome listFolders(const EachFolder &each, const std::function<void()> &startOver) const;

    // Where an address is already, as it is written (translated), and the
    // question to ask when it is somewhere.
    struct Holders
    {
        QString address;
        QList<qint32> folders;
        QString question;
    };
    Holders alreadyIn(const QString &address) const;

    // How a link text is taken: as a person typed it, refused when it holds
    // characters that would break the line; or as a page titles itself, kept as
    // it is (the line holds it as character references), the address standing
    // in for a blank title. The address is refused when blank, or when it names
    // no scheme and cannot be made a web address ("hello world"); one with a
    // scheme is taken as it stands.
    enum class Titles { Typed, FromPage };
    struct EntryOutcome : Outcome
    {
        EntryCheck::Verdict verdict = EntryCheck::Verdict::Ok;
        bool aboutAddress = false; // the address is what to mend
    };
    static EntryOutcome checkEntry(const QString &text, const QString &address, Titles titles = Titles::Typed);
    // Whether `name` can be a new folder's name: Refused, with the reason, when
    // it is blank or holds "/" or "\", where a folder path splits.
    static Outcome checkFolderName(const QString &name);

    // The folder an addition goes to.
    struct FolderChoice
    {
        enum class By {
            Root,
            Index, // `index`; with `readFrom`, only into the version the index was read from
            Path,  // `path`: names joined by "/", one folder exactly
            Place, // `place`
        };
        By by = By::Root;
        qint32 index = FolderCatalogue::Root;
        std::optional<FileIdentity> readFrom;
        QString path;
        FolderPlace place;

        // The folder of that number, or the top of the file for FolderCatalogue::Root.
        static FolderChoice ofIndex(qint32 folder, std::optional<FileIdentity> version = {})
        {
            return {folder == FolderCatalogue::Root ? By::Root : By::Index, folder, version, {}, {}};
        }
    };
    struct AddRequest
    {
        QString text;
        QString address; // as typed: translated before it is written
        FolderChoice folder;
        // A new folder, made at the top of the chosen folder's list with the
        // bookmark in it, in the same rewrite: one name (not blank, no "/" or "\").
        QString newFolder;
        // With By::Path: the folders of the path that are missing are made, like
        // mkdir -p, each inside the one before, under the deepest that exists.
        bool create = false;
        Titles titles = Titles::Typed;
        bool addAgain = true; // false: an address in the file already adds nothing
        bool dryRun = false;  // decides everything, writes nothing
        int lockWaitMs = 10000;
        std::function<void()> keepAlive; // called every few milliseconds while the file is copied
    };
    struct AddOutcome : Outcome
    {
        QString address;   // as written
        QString text;      // as written
        QString where;     // the folder, as messages name it: "the root list" or "\"A/B\"" (a new one too)
        QStringList made;  // the paths of the folders made (a dry run: to be made), outermost first
        QString holders;   // the folders that held the address already, as `where` names them
        QString line;      // the bookmark line as written, decoded
        QString warning;   // beside a done addition, what did not go as it should (its undo record unsaved)
        qint32 folder = FolderCatalogue::Root;
    };
    // With folders read (open with readFolders, or readFolders()) the addition
    // goes into them; without, the file is read once while it is copied.
    [[nodiscard]] AddOutcome add(const AddRequest &request);

    // The last addition to any bookmark file, by any front end, and undoing it.
    LastAddition lastAddition() const;
    // The question to ask before undoing it, naming the bookmark and its folder
    // ("Undo adding “A long read” to Reading/Articles? …"), and the file when it
    // is not the one in use; empty when there is nothing to undo.
    QString undoQuestion() const;
    struct UndoRequest
    {
        QString file; // when given: only if the last addition was to this file
        int lockWaitMs = 10000;
    };
    [[nodiscard]] Outcome undo(const UndoRequest &request);

    explicit AdditionFlow(Settings &settings) : m_settings(settings) {}

private:
    AddOutcome addInOnePass(const AddRequest &request, const QString &text, BookmarkLock &lock, bool &twoPasses);
    AddOutcome addToCatalogue(const AddRequest &request, const QString &text, BookmarkLock *lock);
    // For a path to be made like mkdir -p: the deepest of its folders that exists
    // (the root list when none does) goes into `choice`; the names below it are
    // returned. A path that exists whole is left as it is.
    QStringList missingTail(AdditionFlow::FolderChoice &choice) const;
    QString recordAddition(LastAddition record, const FolderPlace &place, const QString &title, QString &warning);
    bool isRemembered() const;

    Settings &m_settings;
    QString m_file;
    FolderCatalogue m_catalogue;
    bool m_foldersRead = false;
};
