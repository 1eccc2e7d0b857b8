#include "flow/AdditionFlow.h"

#include "bookmarks/BookmarkInserter.h"
#include "bookmarks/BookmarkLock.h"
#include "bookmarks/BookmarkRecovery.h"
#include "bookmarks/BookmarkScanner.h"
#include "bookmarks/DisplayPaths.h"
#include "bookmarks/FolderPathWalk.h"
#include "platform/UrlTranslation.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace {

// Joins the names of a folder's path; no folder name holds it in practice.
constexpr QChar PathJoin = QChar(0x1F);

// How many folders the already-bookmarked question names, and the recent list keeps.
constexpr qsizetype FoldersNamed = 5;
constexpr qsizetype RecentKept = 10;

// A folder without a name, as the tree shows it.
QString noName()
{
    return QCoreApplication::translate("AdditionFlow", "(no name)");
}

// A folder's path as the window's tree names it: the root list is "Bookmarks".
QString shownFolder(const QString &path)
{
    return path.isEmpty() ? QCoreApplication::translate("AdditionFlow", "Bookmarks") : path;
}

//: The top of the bookmark file, where the folders are, in "Added to the root list:".
QString rootList()
{
    return QCoreApplication::translate("AdditionFlow", "the root list");
}

//: A folder's path in a sentence.
QString quoted(const QString &path)
{
    return QCoreApplication::translate("AdditionFlow", "\"%1\"").arg(path);
}

// The first few folders, and how many more there are.
QString namedAndMore(const QStringList &named, qsizetype more)
{
    //: Between two folder names in a list of them.
    const QString list = named.join(QCoreApplication::translate("AdditionFlow", ", "));
    if (more <= 0)
        return list;
    //: %1 is a list of folders; %n how many more folders hold the address.
    return QCoreApplication::translate("AdditionFlow", "%1 and %n more", nullptr, int(more)).arg(list);
}

AdditionFlow::Outcome outcome(AdditionFlow::Kind kind, const QString &message)
{
    return {kind, message};
}

// Finds the folder an addition asks for, told of the folders in file order with
// their display paths: by the file as it is copied, or by the catalogue, the
// same rule. Nothing is guessed: a number outside the file, or a path that names
// no folder or several, is refused with the candidates.
class ChoiceSearch : public BookmarkInserter::FolderSearch
{
public:
    ChoiceSearch(const AdditionFlow::FolderChoice &choice, bool addAgain)
        : m_choice(choice)
        , m_addAgain(addAgain)
    {
        // A path that ends in "/" or starts with one means the same.
        while (m_choice.path.startsWith(u'/'))
            m_choice.path.remove(0, 1);
        while (m_choice.path.endsWith(u'/'))
            m_choice.path.chop(1);
    }

    bool isTarget(qint32 index, const QString &path) override
    {
        using By = AdditionFlow::FolderChoice::By;
        bool target = false;
        switch (m_choice.by) {
        case By::Root:
        case By::Place:
            target = index == FolderCatalogue::Root;
            break;
        case By::Index:
            target = index >= 0 && index == m_choice.index;
            break;
        case By::Path:
            if (index == FolderCatalogue::Root)
                break;
            if (path == m_choice.path) {
                m_exact.append({index, path});
                target = m_exact.size() == 1;
            } else if (path.compare(m_choice.path, Qt::CaseInsensitive) == 0) {
                m_near.append({index, path});
            }
            break;
        }
        if (target) {
            m_found = {index, path};
            const auto rank = index == FolderCatalogue::Root ? 0 : std::count(m_before.cbegin(), m_before.cend(), qHash(path));
            m_place = {index == FolderCatalogue::Root ? QStringList() : path.split(u'/'), int(rank)};
        } else if (!m_found && index != FolderCatalogue::Root) {
            m_before.append(qHash(path)); // a path is not kept: the walk reuses its string
        }
        return target;
    }
    bool stands() override { return m_exact.size() <= 1 && !refusedAsDuplicate(); }
    void holdsAddress(qint32 folder, const QString &path) override
    {
        const QString name = folder == FolderCatalogue::Root ? rootList() : quoted(path);
        // Each folder is told once; only a few are named, however many hold it.
        ++m_holderCount;
        if (m_holders.size() < FoldersNamed && !m_holders.contains(name))
            m_holders.append(name);
    }
    // The one pass names only the first few folders and counts the rest.
    void setHolderCount(qsizetype count) { m_holderCount = std::max(m_holderCount, count); }

    QString holders() const
    {
        const qsizetype more = m_holderCount - FoldersNamed;
        return namedAndMore(m_holders, more);
    }
    bool refusedAsDuplicate() const { return !m_addAgain && !m_holders.isEmpty(); }
    bool found() const { return m_found.has_value(); }
    qint32 folder() const { return m_found ? m_found->index : FolderCatalogue::Root; }
    QString where() const
    {
        return !m_found || m_found->index == FolderCatalogue::Root ? rootList() : quoted(m_found->path);
    }
    // Why no folder, or no single one, was found in `file`.
    QString problem(const QString &file) const
    {
        if (m_choice.by == AdditionFlow::FolderChoice::By::Index)
            return QCoreApplication::translate("AdditionFlow", "there is no folder number %1 in \"%2\" (see --list).").arg(m_choice.index).arg(file);
        if (m_exact.size() > 1)
            return QCoreApplication::translate("AdditionFlow", "%n folders in \"%1\" are called \"%2\"; choose one with --folder-index:%3",
                                               nullptr, int(m_exact.size()))
                .arg(file, m_choice.path, candidates(m_exact));
        if (m_near.isEmpty())
            return QCoreApplication::translate("AdditionFlow", "there is no folder \"%1\" in \"%2\" (see --list).")
                .arg(m_choice.path, file);
        //: Followed by the folders of nearly that name, one a line.
        return QCoreApplication::translate("AdditionFlow", "there is no folder \"%1\" in \"%2\"; did you mean:%3")
            .arg(m_choice.path, file, candidates(m_near));
    }
    // The place of the folder found, for the recent folders: its path split at
    // "/" (a name holding "/" itself splits too, and a folder of such a name may
    // be taken for its double; both read the same), and its rank.
    AdditionFlow::FolderPlace place() const { return m_place; }

private:
    struct Match
    {
        qint32 index;
        QString path;
    };
    static QString candidates(const QList<Match> &matches)
    {
        QString list;
        for (const Match &match : matches)
            list += QStringLiteral("\n  %1\t%2").arg(match.index).arg(match.path);
        return list;
    }

    AdditionFlow::FolderChoice m_choice;
    bool m_addAgain;
    QStringList m_holders;
    qsizetype m_holderCount = 0;
    QList<Match> m_exact;
    QList<Match> m_near; // the same but for case
    std::optional<Match> m_found;
    AdditionFlow::FolderPlace m_place;
    QList<size_t> m_before; // the hashes of the paths of the folders before the one found
};

AdditionFlow::AddOutcome failedAddition(AdditionFlow::Kind kind, const QString &message)
{
    AdditionFlow::AddOutcome result;
    result.kind = kind;
    result.message = message;
    return result;
}

} // namespace

AdditionFlow::OpenOutcome AdditionFlow::open(const OpenRequest &request)
{
    OpenOutcome result;
    QString file = request.file.isEmpty() ? m_settings.bookmarks() : request.file;
    if (file.isEmpty() || file == Settings::BookmarksDefault) {
        result.kind = Kind::NoFile;
        return result;
    }
    file = QFileInfo(file).absoluteFilePath();
    result.file = file;
    // Before any lock or recovery: a folder or a named pipe is no bookmark file.
    if (const FileError error = FileAccess::checkRegular(file); error.failed()) {
        result.kind = Kind::FileProblem;
        result.message = error.message();
        return result;
    }
    const BookmarkRecovery::Result recovery = BookmarkRecovery::recover(file);
    result.recovery = outcome(recovery.error.failed() ? Kind::FileProblem : Kind::Done, recovery.message());
    if (!QFileInfo(file).isFile()) {
        result.kind = Kind::NoFile;
        result.message = QCoreApplication::translate("AdditionFlow", "\"%1\" was not found.").arg(file);
        return result;
    }
    if (request.readFolders) {
        if (const FileError error = m_catalogue.read(file); error.failed()) {
            result.kind = Kind::FileProblem;
            result.message = error.message();
            return result;
        }
    }
    m_foldersRead = request.readFolders;
    m_file = file;
    return result;
}

AdditionFlow::Outcome AdditionFlow::rememberFile()
{
    if (!isRemembered()) {
        m_settings.setLastFolder({});
        m_settings.setRecentFolders({});
    }
    m_settings.setBookmarks(m_file);
    if (!m_settings.sync())
        return outcome(Kind::FileProblem, QCoreApplication::translate("AdditionFlow", "The choice of bookmark file could not be saved in \"%1\".")
                                              .arg(m_settings.fileName()));
    return {};
}

bool AdditionFlow::isRemembered() const
{
    const QString remembered = m_settings.bookmarks();
    return !m_file.isEmpty() && !remembered.isEmpty() && QFileInfo(remembered).absoluteFilePath() == m_file;
}

AdditionFlow::Outcome AdditionFlow::readFolders()
{
    if (const FileError error = m_catalogue.read(m_file); error.failed())
        return outcome(Kind::FileProblem, error.message());
    m_foldersRead = true;
    return {};
}

namespace {
// Every folder's path joined by PathJoin. Parents come before their children:
// one pass makes every path.
QStringList pathKeys(const FolderCatalogue &catalogue)
{
    QStringList keys;
    keys.reserve(catalogue.FolderCount);
    for (qint32 i = 0; i < catalogue.FolderCount; ++i) {
        const qint32 parent = catalogue.parent(i);
        keys.append(parent == FolderCatalogue::Root ? catalogue.displayName(i)
                                                    : keys[parent] + PathJoin + catalogue.displayName(i));
    }
    return keys;
}
} // namespace

AdditionFlow::FolderPlace AdditionFlow::placeOf(qint32 index) const
{
    if (index < 0 || index >= m_catalogue.FolderCount)
        return {};
    const QStringList keys = pathKeys(m_catalogue);
    const auto rank = std::count(keys.cbegin(), keys.cbegin() + index, keys[index]);
    return {keys[index].split(PathJoin), int(rank)};
}

qint32 AdditionFlow::indexOf(const FolderPlace &place) const
{
    if (place.path.isEmpty())
        return FolderCatalogue::Root;
    const QString wanted = place.path.join(PathJoin);
    const QStringList keys = pathKeys(m_catalogue);
    int rank = place.rank;
    for (qint32 i = 0; i < keys.size(); ++i) {
        if (keys[i] == wanted && rank-- == 0)
            return i;
    }
    return FolderCatalogue::Root;
}

AdditionFlow::Outcome AdditionFlow::listFolders(const EachFolder &each, const std::function<void()> &startOver) const
{
    const auto failed = [](const FileError &error) { return outcome(Kind::FileProblem, error.message()); };
    QFile InFile;
    FileIdentity identity;
    if (const FileError error = FileAccess::openForReading(m_file, InFile, identity); error.failed())
        return failed(error);
    BookmarkScanner scanner(&InFile);
    FolderPathWalk walk(scanner, m_file, u'/');
    if (!walk.start())
        return failed(walk.error());
    qint32 index = 0;
    const QString *path = nullptr;
    FolderPathWalk::Step step;
    while ((step = walk.next(index, path)) == FolderPathWalk::Step::Folder)
        each(index, *path);
    if (step == FolderPathWalk::Step::Done)
        step = walk.finish();
    if (step == FolderPathWalk::Step::Failed)
        return failed(walk.error());
    if (step != FolderPathWalk::Step::OtherCharset)
        return {};

    // The names were read in a charset the file turned out not to have: the
    // catalogue reads it in the right one.
    FolderCatalogue catalogue;
    if (const FileError error = catalogue.read(m_file); error.failed())
        return failed(error);
    startOver();
    DisplayPaths paths(u'/');
    for (qint32 i = 0; i < catalogue.FolderCount; ++i)
        each(i, paths.enter(i, catalogue.parent(i), catalogue.displayName(i)));
    return {};
}

AdditionFlow::Holders AdditionFlow::alreadyIn(const QString &address) const
{
    Holders holders;
    holders.address = TranslateURL(address);
    holders.folders = m_catalogue.foldersHolding(holders.address);
    if (holders.folders.isEmpty())
        return holders;
    QStringList shown;
    for (const qint32 folder : holders.folders.first(std::min(holders.folders.size(), FoldersNamed))) {
        QStringList names;
        for (qint32 i = folder; i != FolderCatalogue::Root; i = m_catalogue.parent(i)) {
            const QString name = m_catalogue.displayName(i);
            names.prepend(name.isEmpty() ? noName() : name);
        }
        // The root list, as the tree names it.
        shown.append(names.isEmpty() ? QCoreApplication::translate("AdditionFlow", "Bookmarks") : names.join(u'/'));
    }
    const QString text = namedAndMore(shown, holders.folders.size() - FoldersNamed);
    holders.question = QCoreApplication::translate("AdditionFlow", "This address is already in: %1. Add it again?").arg(text);
    return holders;
}

AdditionFlow::EntryOutcome AdditionFlow::checkEntry(const QString &text, const QString &address, Titles titles)
{
    EntryOutcome result;
    // A page's title may hold anything, and a blank one gives way to the
    // address: only the address has to be there.
    result.verdict = EntryCheck::check(titles == Titles::FromPage ? QStringLiteral("title") : text, address);
    if (result.verdict != EntryCheck::Verdict::Ok) {
        result.kind = Kind::Refused;
        result.message = EntryCheck::message(result.verdict);
        result.aboutAddress = result.verdict == EntryCheck::Verdict::EmptyUrl;
    } else if (UrlTranslation::translate(address).code == UrlTranslation::Failed) {
        // Written as it stands it would be a link to nowhere.
        result.kind = Kind::Refused;
        result.message = QCoreApplication::translate("AdditionFlow", "\"%1\" is not an address: type a web address (example.com/page) or one "
                                        "with its scheme (https:, mailto:).")
                             .arg(address.trimmed());
        result.aboutAddress = true;
    }
    return result;
}

AdditionFlow::Outcome AdditionFlow::checkFolderName(const QString &name)
{
    const QString refusal = BookmarkInserter::folderNameRefusal(name);
    return refusal.isEmpty() ? Outcome() : outcome(Kind::Refused, refusal);
}

AdditionFlow::AddOutcome AdditionFlow::add(const AddRequest &request)
{
    if (const EntryOutcome entry = checkEntry(request.text, request.address, request.titles); !entry.ok())
        return failedAddition(entry.kind, entry.message);
    if (!request.newFolder.isEmpty()) {
        if (const Outcome name = checkFolderName(request.newFolder); !name.ok())
            return failedAddition(name.kind, name.message);
    }
    if (m_file.isEmpty())
        return failedAddition(Kind::NoFile, QCoreApplication::translate("AdditionFlow", "No bookmark file has been chosen."));
    // The line writes a title's `& < > "` as references, whatever it holds.
    QString text = request.text;
    if (request.titles == Titles::FromPage
        && EntryCheck::check(text, QStringLiteral("-")) == EntryCheck::Verdict::EmptyName)
        text = TranslateURL(request.address);

    if (m_foldersRead && !request.dryRun)
        return addToCatalogue(request, text, nullptr);
    // An addition holds the lock from before the file is read until it is
    // replaced, so that another writer (a window, another linkcrate-add) cannot
    // slip in between; a second reading, if the charset needs one, is under the
    // same lock.
    std::optional<BookmarkLock> lock;
    if (!request.dryRun) {
        lock.emplace(BookmarkInserter::rewriteTarget(m_file));
        if (!lock->tryLock(request.lockWaitMs))
            return failedAddition(Kind::FileProblem, FileError::io(QStringLiteral("add to"), m_file, lock->errorString()).message());
        // New folders are placed by the catalogue, which the file is read for first.
        const bool making = !request.newFolder.isEmpty() || (request.create && request.folder.by == FolderChoice::By::Path);
        bool twoPasses = making;
        if (!making) {
            AddOutcome once = addInOnePass(request, text, *lock, twoPasses);
            if (!twoPasses)
                return once;
        }
    }
    if (const FileError error = m_catalogue.read(m_file); error.failed())
        return failedAddition(Kind::FileProblem, error.message());
    m_foldersRead = true;
    return addToCatalogue(request, text, lock ? &*lock : nullptr);
}

AdditionFlow::AddOutcome AdditionFlow::addInOnePass(const AddRequest &request, const QString &text, BookmarkLock &lock,
                                                    bool &twoPasses)
{
    AddOutcome result;
    result.address = TranslateURL(request.address);
    result.text = text;
    // Only a folder chosen by its number or path can be found while copying.
    if (request.folder.by == FolderChoice::By::Place || request.folder.readFrom) {
        twoPasses = true;
        return result;
    }
    ChoiceSearch search(request.folder, request.addAgain);
    const BookmarkInserter::Result inserted =
        BookmarkInserter::insertWhileCopying(m_file, search, result.address, text, &lock);
    search.setHolderCount(inserted.holders);
    result.holders = search.holders();
    result.where = search.where();
    result.folder = search.folder();
    // A match met while an undeclared file was read as UTF-8 holds only if it was.
    if (search.refusedAsDuplicate() && inserted.outcome != BookmarkInserter::Outcome::Failed
        && inserted.outcome != BookmarkInserter::Outcome::TwoPasses) {
        result.kind = Kind::AlreadyThere;
        result.message = QCoreApplication::translate("AdditionFlow", "the address is already in: %1. Nothing was added.").arg(result.holders);
        return result;
    }
    switch (inserted.outcome) {
    case BookmarkInserter::Outcome::Added:
        result.line = inserted.codec.decode(BookmarkInserter::bookmarkLine(inserted.codec, result.address, text));
        result.message = recordAddition(inserted.record, search.place(), text, result.warning);
        break;
    case BookmarkInserter::Outcome::Failed:
        // An address the file could never find again is the user's to mend.
        result.kind = inserted.error.kind == FileError::Kind::Refused ? Kind::Refused : Kind::FileProblem;
        result.message = inserted.error.messageForUser();
        break;
    case BookmarkInserter::Outcome::NotFound:
    case BookmarkInserter::Outcome::Withdrawn:
        result.kind = Kind::FileProblem;
        result.message = search.problem(m_file);
        break;
    case BookmarkInserter::Outcome::TwoPasses:
        twoPasses = true;
        break;
    }
    return result;
}

AdditionFlow::AddOutcome AdditionFlow::addToCatalogue(const AddRequest &request, const QString &text, BookmarkLock *lock)
{
    AddOutcome result;
    result.address = TranslateURL(request.address);
    result.text = text;
    FolderChoice choice = request.folder;
    if (choice.by == FolderChoice::By::Place)
        choice = {FolderChoice::By::Index, indexOf(choice.place), {}, {}, {}};
    if (choice.readFrom && !(*choice.readFrom == m_catalogue.identity())) {
        result.kind = Kind::Changed;
        result.message = FileError::changed(m_file, QCoreApplication::translate("AdditionFlow", "has changed since its folders were read"))
                             .message();
        return result;
    }
    QStringList newNames;
    if (request.create && choice.by == FolderChoice::By::Path)
        newNames = missingTail(choice);
    if (!request.newFolder.isEmpty())
        newNames.append(request.newFolder);
    for (const QString &name : std::as_const(newNames)) {
        if (const Outcome refused = checkFolderName(name); !refused.ok()) {
            result.kind = refused.kind;
            result.message = QCoreApplication::translate("AdditionFlow", "The folder \"%1\" cannot be made: %2").arg(name, refused.message);
            return result;
        }
    }
    ChoiceSearch search(choice, request.addAgain);
    search.isTarget(FolderCatalogue::Root, QString());
    if (choice.by == FolderChoice::By::Path) {
        DisplayPaths paths(u'/');
        for (qint32 i = 0; i < m_catalogue.FolderCount; ++i)
            search.isTarget(i, paths.enter(i, m_catalogue.parent(i), m_catalogue.displayName(i)));
    } else if (choice.by == FolderChoice::By::Index && choice.index >= 0 && choice.index < m_catalogue.FolderCount) {
        search.isTarget(choice.index, m_catalogue.displayPath(choice.index, u'/'));
    }
    for (const qint32 holder : m_catalogue.foldersHolding(result.address))
        search.holdsAddress(holder, holder == FolderCatalogue::Root ? QString() : m_catalogue.displayPath(holder, u'/'));
    result.holders = search.holders();
    result.where = search.where();
    result.folder = search.folder();
    if (!newNames.isEmpty()) {
        QString path = result.folder == FolderCatalogue::Root ? QString() : m_catalogue.displayPath(result.folder, u'/');
        for (const QString &name : std::as_const(newNames))
            result.made.append(path = path.isEmpty() ? name : path + u'/' + name);
        result.where = quoted(path);
    }
    if (search.refusedAsDuplicate()) {
        result.kind = Kind::AlreadyThere;
        result.message = QCoreApplication::translate("AdditionFlow", "the address is already in: %1. Nothing was added.").arg(result.holders);
        return result;
    }
    if (!search.found() || !search.stands()) {
        result.kind = Kind::FileProblem;
        result.message = search.problem(m_file);
        return result;
    }
    const TextCodec &codec = m_catalogue.codec();
    const QByteArray line = BookmarkInserter::bookmarkLine(codec, result.address, text);
    result.line = codec.decode(line);
    if (request.dryRun) {
        // Refused as the addition itself would refuse it.
        if (const FileError error = BookmarkInserter::lineRefusal(codec, line, m_file); error.failed()) {
            result.kind = error.kind == FileError::Kind::Refused ? Kind::Refused : Kind::FileProblem;
            result.message = error.messageForUser();
        }
        return result;
    }
    LastAddition record;
    const FileError error = BookmarkInserter::insert(m_catalogue, result.folder, result.address, text,
                                                     request.keepAlive, lock, &record, newNames);
    if (error.kind == FileError::Kind::Changed) {
        result.kind = Kind::Changed;
        result.message = error.message();
        return result;
    }
    if (error.failed()) {
        result.kind = error.kind == FileError::Kind::Refused ? Kind::Refused : Kind::FileProblem;
        result.message = error.messageForUser();
        return result;
    }
    // The new folders are numbered right after their parent, each inside the one before.
    result.folder += qint32(newNames.size());
    result.message = recordAddition(record, placeOf(result.folder), text, result.warning);
    return result;
}

QStringList AdditionFlow::missingTail(FolderChoice &choice) const
{
    QString path = choice.path;
    while (path.startsWith(u'/'))
        path.remove(0, 1);
    while (path.endsWith(u'/'))
        path.chop(1);
    const QStringList names = path.split(u'/');
    // Each leading part of the path, by how many of its names it has; one
    // reading of the folders finds which exist.
    QHash<QString, qsizetype> parts;
    for (qsizetype n = 1; n <= names.size(); ++n)
        parts.insert(names.first(n).join(u'/'), n);
    qsizetype deepest = 0;
    DisplayPaths paths(u'/');
    for (qint32 i = 0; i < m_catalogue.FolderCount; ++i) {
        const auto part = parts.constFind(paths.enter(i, m_catalogue.parent(i), m_catalogue.displayName(i)));
        if (part != parts.cend())
            deepest = std::max(deepest, *part);
    }
    if (deepest == names.size())
        return {};
    // Several folders of the deepest path: the search says which, as for any path.
    if (deepest == 0)
        choice = {};
    else
        choice.path = names.first(deepest).join(u'/');
    return names.sliced(deepest);
}

// What undoing the addition needs, for every front end; and, for the file the
// window shows, where it went. Says what was done, and in `warning` when the
// settings could not keep it.
QString AdditionFlow::recordAddition(LastAddition record, const FolderPlace &place, const QString &title,
                                     QString &warning)
{
    record.title = title;
    record.folder = place.path.join(u'/');
    if (isRemembered()) {
        m_settings.setLastFolder(place);
        QList<FolderPlace> recent = m_settings.recentFolders();
        recent.removeAll(place);
        recent.prepend(place);
        m_settings.setRecentFolders(recent.first(std::min(recent.size(), RecentKept)));
    }
    m_settings.setLastAddition(record.toMap());
    // A settings object reports only the first error it ever met; a fresh one
    // tries what is still unwritten again and tells of this write alone.
    if (!Settings(m_settings.fileName()).sync())
        warning = QCoreApplication::translate("AdditionFlow", "The bookmark was added, but it cannot be undone: the settings file \"%1\" could not be "
                                 "written (is the disk full?). The previous version of \"%2\" is in the trash (%3).")
                      .arg(m_settings.fileName(), record.file, record.pathInTrash);
    return QCoreApplication::translate("AdditionFlow", "Added to %1.").arg(shownFolder(record.folder));
}

LastAddition AdditionFlow::lastAddition() const
{
    return LastAddition::fromMap(m_settings.lastAddition());
}

QString AdditionFlow::undoQuestion() const
{
    const LastAddition record = lastAddition();
    if (!record.isValid())
        return {};
    const QString consequence = QCoreApplication::translate(
        "AdditionFlow", "The file goes back to the version before it; the version with the addition goes to the trash.");
    //: The undo question (%1), then what undoing does (%2).
    const QString twoSentences = QCoreApplication::translate("AdditionFlow", "%1 %2");
    // A record from before titles were kept names the file alone.
    if (record.title.isEmpty())
        return twoSentences.arg(
            QCoreApplication::translate("AdditionFlow", "Undo the last addition to \"%1\"?").arg(record.file), consequence);
    constexpr qsizetype TitleShown = 80;
    const QString title = record.title.size() > TitleShown ? record.title.first(TitleShown - 1) + u'…' : record.title;
    const bool here = !m_file.isEmpty() && BookmarkInserter::rewriteTarget(m_file) == record.file;
    //: %1 is the bookmark's link text, %2 its folder.
    const QString question = here ? QCoreApplication::translate("AdditionFlow", "Undo adding “%1” to %2?")
                                        .arg(title, shownFolder(record.folder))
                                  //: %1 is the bookmark's link text, %2 its folder, %3 the bookmark file.
                                  : QCoreApplication::translate("AdditionFlow", "Undo adding “%1” to %2 in \"%3\"?")
                                        .arg(title, shownFolder(record.folder), record.file);
    return twoSentences.arg(question, consequence);
}

AdditionFlow::Outcome AdditionFlow::undo(const UndoRequest &request)
{
    const LastAddition record = lastAddition();
    if (!record.isValid())
        return outcome(Kind::FileProblem, record.undo().message());
    if (!request.file.isEmpty() && BookmarkInserter::rewriteTarget(request.file) != record.file)
        return outcome(Kind::FileProblem, QCoreApplication::translate("AdditionFlow", "The last addition was to \"%1\", not to \"%2\". Nothing was undone.")
                                              .arg(record.file, QFileInfo(request.file).absoluteFilePath()));
    BookmarkLock lock(record.file);
    if (!lock.tryLock(request.lockWaitMs))
        return outcome(Kind::FileProblem, FileError::io(QStringLiteral("undo the last addition to"), record.file,
                                                        lock.errorString())
                                              .messageForUser());
    if (const FileError error = record.undo(&lock); error.failed()) {
        // A record that can never be undone is not kept for another try.
        if (error.kind == FileError::Kind::Unusable)
            m_settings.setLastAddition({});
        return outcome(Kind::FileProblem, error.messageForUser());
    }
    m_settings.setLastAddition({});
    return outcome(Kind::Done, QCoreApplication::translate("AdditionFlow", "The last addition to \"%1\" has been undone; the version with it is in "
                                              "the trash.")
                                   .arg(record.file));
}

QList<qint32> AdditionFlow::recentIndexes() const
{
    QList<qint32> recent;
    for (const FolderPlace &place : recentFolders()) {
        if (const qint32 index = indexOf(place); index != FolderCatalogue::Root && !recent.contains(index))
            recent.append(index);
    }
    return recent;
}
