#include "cli/AddCommand.h"

#include "bookmarks/BookmarkInserter.h"
#include "bookmarks/BookmarkLock.h"
#include "bookmarks/BookmarkRecovery.h"
#include "bookmarks/BookmarkScanner.h"
#include "bookmarks/DisplayPaths.h"
#include "bookmarks/EntryCheck.h"
#include "bookmarks/FolderCatalogue.h"
#include "bookmarks/FolderPathWalk.h"
#include "bookmarks/LastAddition.h"
#include "platform/Settings.h"
#include "platform/UrlTranslation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

const QString Program = QStringLiteral("linkcrate-add");

// Finds the folder the command line names, told of the folders in file order
// with their display paths: by the file or by the catalogue, the same rule.
// Nothing is guessed: a number outside the file, or a path that names no folder
// or several, is refused with the candidates.
class Search : public BookmarkInserter::FolderSearch
{
public:
    Search(const AddCommand::FolderChoice &choice, bool noDuplicate)
        : m_choice(choice)
        , m_noDuplicate(noDuplicate)
    {
        // A path that ends in "/" or starts with one means the same.
        while (m_choice.path.startsWith(u'/'))
            m_choice.path.remove(0, 1);
        while (m_choice.path.endsWith(u'/'))
            m_choice.path.chop(1);
    }

    bool isTarget(qint32 index, const QString &path) override
    {
        bool target = false;
        switch (m_choice.by) {
        case AddCommand::FolderChoice::By::Root:
            target = index == FolderCatalogue::Root;
            break;
        case AddCommand::FolderChoice::By::Index:
            target = index >= 0 && index == m_choice.index;
            break;
        case AddCommand::FolderChoice::By::Path:
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
        if (target)
            m_found = {index, path};
        return target;
    }
    bool stands() override { return m_exact.size() <= 1 && !refusedAsDuplicate(); }
    void holdsAddress(qint32 folder, const QString &path) override
    {
        const QString name = folder == FolderCatalogue::Root ? QStringLiteral("the root list") : QStringLiteral("\"%1\"").arg(path);
        if (!m_holders.contains(name))
            m_holders.append(name);
    }

    // The folders that hold the address already, as the messages name them.
    QString holders() const { return m_holders.join(QStringLiteral(", ")); }
    bool refusedAsDuplicate() const { return m_noDuplicate && !m_holders.isEmpty(); }

    bool found() const { return m_found.has_value(); }
    // Where the line goes, as the messages name it.
    QString where() const
    {
        return m_found->index == FolderCatalogue::Root ? QStringLiteral("the root list")
                                                       : QStringLiteral("\"%1\"").arg(m_found->path);
    }
    // Why no folder, or no single one, was found in `file`.
    QString problem(const QString &file) const
    {
        if (m_choice.by == AddCommand::FolderChoice::By::Index)
            return QStringLiteral("there is no folder number %1 in \"%2\" (see --list).").arg(m_choice.index).arg(file);
        if (m_exact.size() > 1)
            return QStringLiteral("%1 folders in \"%2\" are called \"%3\"; choose one with --folder-index:%4")
                .arg(m_exact.size())
                .arg(file, m_choice.path, candidates(m_exact));
        return QStringLiteral("there is no folder \"%1\" in \"%2\"%3")
            .arg(m_choice.path, file,
                 m_near.isEmpty() ? QStringLiteral(" (see --list).") : QStringLiteral("; did you mean:") + candidates(m_near));
    }

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

    AddCommand::FolderChoice m_choice;
    bool m_noDuplicate;
    QStringList m_holders;
    QList<Match> m_exact;
    QList<Match> m_near; // the same but for case
    std::optional<Match> m_found;
};

// The options, and the parser that knows them.
struct Options
{
    QCommandLineOption file{QStringLiteral("file"), QStringLiteral("The bookmark file (default: Linkcrate's)."),
                            QStringLiteral("FILE")};
    QCommandLineOption folder{QStringLiteral("folder"),
                              QStringLiteral("The folder, names joined by \"/\" (default: the root list)."),
                              QStringLiteral("PATH")};
    QCommandLineOption index{QStringLiteral("folder-index"), QStringLiteral("The folder by its number in --list."),
                             QStringLiteral("N")};
    QCommandLineOption text{QStringLiteral("text"), QStringLiteral("The link text."), QStringLiteral("TEXT")};
    QCommandLineOption list{QStringLiteral("list"), QStringLiteral("List the folders with their numbers.")};
    QCommandLineOption dryRun{QStringLiteral("dry-run"), QStringLiteral("Show what would be added; write nothing.")};
    QCommandLineOption verbose{QStringLiteral("verbose"), QStringLiteral("Say what was added.")};
    QCommandLineOption noDuplicate{QStringLiteral("no-duplicate"),
                                   QStringLiteral("Add nothing if the address is in the file already (exit status 3).")};
    QCommandLineOption undo{QStringLiteral("undo"),
                            QStringLiteral("Undo the last addition, made here or in Linkcrate's window.")};
    QCommandLineParser parser;

    Options()
    {
        parser.setApplicationDescription(QStringLiteral("Adds a bookmark at the top of a folder of a bookmark file."));
        parser.addOptions({file, folder, index, text, list, dryRun, verbose, noDuplicate, undo});
        parser.addPositionalArgument(QStringLiteral("ADDRESS"), QStringLiteral("The address of the bookmark."));
        parser.addHelpOption();
        parser.addVersionOption();
    }

    // What is wrong with a parsed command line, if anything.
    QString misuse() const
    {
        const int addresses = int(parser.positionalArguments().size());
        if (parser.isSet(undo)) {
            const bool alone = !parser.isSet(text) && addresses == 0 && !parser.isSet(folder) && !parser.isSet(index)
                && !parser.isSet(list) && !parser.isSet(dryRun) && !parser.isSet(noDuplicate);
            return alone ? QString() : QStringLiteral("--undo takes no folder, text or address.");
        }
        if (parser.isSet(list) && (parser.isSet(text) || addresses > 0 || parser.isSet(folder) || parser.isSet(index)
                                   || parser.isSet(dryRun)))
            return QStringLiteral("--list takes no folder, text or address.");
        if (!parser.isSet(list) && !parser.isSet(text))
            return QStringLiteral("the link text is missing: give it with --text.");
        if (!parser.isSet(list) && addresses != 1)
            return QStringLiteral("give exactly one address.");
        if (parser.isSet(folder) && parser.isSet(index))
            return QStringLiteral("give --folder or --folder-index, not both.");
        bool number = true;
        if (parser.isSet(index))
            parser.value(index).toInt(&number);
        return number ? QString() : QStringLiteral("--folder-index takes a number.");
    }
};

} // namespace

int AddCommand::run(const QStringList &arguments)
{
    Request request;
    if (const Stop stop = parse(arguments, request))
        return *stop;
    if (request.undo)
        return undo(request);
    if (const Stop stop = findFile(request))
        return *stop;
    if (request.list) {
        if (const Stop stop = listInOnePass(request))
            return *stop;
    }
    // An addition holds the lock from before the file is read until it is replaced,
    // so that another writer (a window, another linkcrate-add) cannot slip in
    // between; a second reading, if the charset needs one, is under the same lock.
    // Scripts can afford to wait longer for it than a window.
    std::optional<BookmarkLock> lock;
    if (!request.list && !request.dryRun) {
        lock.emplace(BookmarkInserter::rewriteTarget(request.file));
        if (!lock->tryLock(60000))
            return fail(FileProblem, QStringLiteral("Could not add to \"%1\": %2").arg(request.file, lock->errorString()));
        if (const Stop stop = addInOnePass(request, *lock))
            return *stop;
    }
    FolderCatalogue catalogue;
    if (const FileError error = catalogue.read(request.file); error.failed())
        return fail(FileProblem, error.message());
    if (request.list)
        return list(catalogue);
    return add(request, catalogue, lock ? &*lock : nullptr);
}

AddCommand::Stop AddCommand::parse(const QStringList &arguments, Request &request)
{
    Options options;
    const QCommandLineParser &parser = options.parser;
    const QString usageHint = QStringLiteral("\nTry '%1 --help'.").arg(Program);
    if (!options.parser.parse(arguments))
        return fail(Usage, parser.errorText() + usageHint);
    if (parser.isSet(QStringLiteral("help"))) {
        m_out << parser.helpText();
        return Added;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        m_out << Program << ' ' << QCoreApplication::applicationVersion() << Qt::endl;
        return Added;
    }
    if (const QString misuse = options.misuse(); !misuse.isEmpty())
        return fail(Usage, misuse + usageHint);

    request.list = parser.isSet(options.list);
    request.dryRun = parser.isSet(options.dryRun);
    request.verbose = parser.isSet(options.verbose);
    request.noDuplicate = parser.isSet(options.noDuplicate);
    request.undo = parser.isSet(options.undo);
    request.file = parser.value(options.file);
    request.text = parser.value(options.text);
    request.address = parser.positionalArguments().value(0);
    if (parser.isSet(options.index))
        request.folder = {FolderChoice::By::Index, {}, parser.value(options.index).toInt()};
    else if (parser.isSet(options.folder))
        request.folder = {FolderChoice::By::Path, parser.value(options.folder), FolderCatalogue::Root};

    // The entry is checked before the file is even opened: a refusal is the
    // user's to mend, whatever the file.
    if (!request.list && !request.undo) {
        if (const EntryCheck::Verdict verdict = EntryCheck::check(request.text, request.address);
            verdict != EntryCheck::Verdict::Ok)
            return fail(Refused, EntryCheck::message(verdict));
    }
    return {};
}

// The file named, or the one in the settings; an addition interrupted on it
// earlier is finished or undone first, as the window does at start-up.
AddCommand::Stop AddCommand::findFile(Request &request)
{
    if (request.file.isEmpty()) {
        request.file = Settings().bookmarks();
        if (request.file.isEmpty() || request.file == Settings::BookmarksDefault)
            return fail(FileProblem, QStringLiteral("no bookmark file: name one with --file FILE, or choose one in "
                                                    "Linkcrate's window."));
    }
    request.file = QFileInfo(request.file).absoluteFilePath();
    // Before any lock or recovery: a folder or a named pipe is no bookmark file.
    if (const FileError error = FileAccess::checkRegular(request.file); error.failed())
        return fail(FileProblem, error.message());

    if (const QString recovered = BookmarkRecovery::recover(request.file).message(); !recovered.isEmpty())
        say(recovered);
    return {};
}

// The file is read once, the folder chosen as it is copied; only a file whose
// charset turns out to need the folders read first goes on to add().
AddCommand::Stop AddCommand::addInOnePass(const Request &request, BookmarkLock &lock)
{
    const QString address = TranslateURL(request.address);
    Search search(request.folder, request.noDuplicate);
    const BookmarkInserter::Result result =
        BookmarkInserter::insertWhileCopying(request.file, search, address, request.text, &lock);
    // A match met while an undeclared file was read as UTF-8 holds only if it was.
    if (search.refusedAsDuplicate() && result.outcome != BookmarkInserter::Outcome::Failed
        && result.outcome != BookmarkInserter::Outcome::TwoPasses)
        return fail(AlreadyThere, QStringLiteral("the address is already in: %1. Nothing was added.").arg(search.holders()));
    switch (result.outcome) {
    case BookmarkInserter::Outcome::Added:
        remember(result.record);
        if (!search.holders().isEmpty())
            say(QStringLiteral("warning: the address was already in: %1.").arg(search.holders()));
        if (request.verbose)
            show(QStringLiteral("Added to %1:").arg(search.where()), result.codec, address, request.text);
        return Added;
    case BookmarkInserter::Outcome::Failed:
        return fail(FileProblem, result.error.messageForUser());
    case BookmarkInserter::Outcome::NotFound:
    case BookmarkInserter::Outcome::Withdrawn:
        return fail(FileProblem, search.problem(request.file));
    case BookmarkInserter::Outcome::TwoPasses:
        break;
    }
    return {};
}

// The folders as the file is read, each path built from its parent's; only a
// file whose charset turns out other than the one the names were read in goes
// on to list().
AddCommand::Stop AddCommand::listInOnePass(const Request &request)
{
    QFile InFile;
    FileIdentity identity;
    if (const FileError error = FileAccess::openForReading(request.file, InFile, identity); error.failed())
        return fail(FileProblem, error.message());
    BookmarkScanner scanner(&InFile);
    FolderPathWalk walk(scanner, request.file, u'/');
    if (!walk.start())
        return fail(FileProblem, walk.error().message());
    QByteArray text;
    qint32 index = 0;
    const QString *path = nullptr;
    FolderPathWalk::Step step;
    while ((step = walk.next(index, path)) == FolderPathWalk::Step::Folder)
        appendListLine(text, index, *path);
    if (step == FolderPathWalk::Step::Done)
        step = walk.finish();
    if (step == FolderPathWalk::Step::Failed)
        return fail(FileProblem, walk.error().message());
    if (step == FolderPathWalk::Step::OtherCharset)
        return {};
    printList(text);
    return Added;
}

int AddCommand::list(const FolderCatalogue &catalogue)
{
    DisplayPaths paths(u'/');
    QByteArray text;
    for (qint32 i = 0; i < catalogue.FolderCount; ++i)
        appendListLine(text, i, paths.enter(i, catalogue.parent(i), catalogue.displayName(i)));
    printList(text);
    return Added;
}

// The list is kept as the UTF-8 it is printed in: half the memory of the text.
void AddCommand::appendListLine(QByteArray &text, qint32 index, const QString &path)
{
    // Room ahead of time: growing by copying would touch the memory twice over.
    if (text.capacity() - text.size() < 4096 + 3 * path.size())
        text.reserve(std::max<qsizetype>(1 << 20, text.capacity() * 2 + 3 * path.size()));
    text += QByteArray::number(index);
    text += '\t';
    text += path.toUtf8();
    text += '\n';
}

// One write for the whole list: a file may hold tens of thousands of folders.
void AddCommand::printList(const QByteArray &text)
{
    m_out.flush();
    if (QIODevice *device = m_out.device())
        device->write(text);
    else
        m_out << QString::fromUtf8(text);
    m_out.flush();
}

// With the folders read: a dry run, or an addition the one pass could not make.
int AddCommand::add(const Request &request, FolderCatalogue &catalogue, BookmarkLock *lock)
{
    Search search(request.folder, request.noDuplicate);
    qint32 folder = FolderCatalogue::Root;
    search.isTarget(FolderCatalogue::Root, QString());
    DisplayPaths paths(u'/');
    for (qint32 i = 0; i < catalogue.FolderCount; ++i) {
        if (search.isTarget(i, paths.enter(i, catalogue.parent(i), catalogue.displayName(i))))
            folder = i;
    }
    const QString address = TranslateURL(request.address);
    for (const qint32 holder : catalogue.foldersHolding(address))
        search.holdsAddress(holder, holder == FolderCatalogue::Root ? QString() : catalogue.displayPath(holder, u'/'));
    if (search.refusedAsDuplicate())
        return fail(AlreadyThere, QStringLiteral("the address is already in: %1. Nothing was added.").arg(search.holders()));
    if (!search.found() || !search.stands())
        return fail(FileProblem, search.problem(request.file));
    if (!search.holders().isEmpty())
        say(QStringLiteral("warning: the address %1 already in: %2.")
                .arg(request.dryRun ? QStringLiteral("is") : QStringLiteral("was"), search.holders()));

    if (request.dryRun) {
        show(QStringLiteral("Would add to %1 of \"%2\":").arg(search.where(), request.file), catalogue.codec(), address,
             request.text);
        return Added;
    }
    LastAddition record;
    if (const FileError error = BookmarkInserter::insert(catalogue, folder, address, request.text, {}, lock, &record);
        error.failed())
        return fail(FileProblem, error.messageForUser());
    remember(record);
    if (request.verbose)
        show(QStringLiteral("Added to %1:").arg(search.where()), catalogue.codec(), address, request.text);
    return Added;
}

// The last addition, made here or in the window, undone under the lock.
int AddCommand::undo(const Request &request)
{
    Settings settings;
    const LastAddition record = settings.lastAddition();
    if (!record.isValid())
        return fail(FileProblem, QStringLiteral("there is no addition to undo."));
    if (!request.file.isEmpty() && BookmarkInserter::rewriteTarget(request.file) != record.file)
        return fail(FileProblem, QStringLiteral("the last addition was to \"%1\", not to \"%2\". Nothing was undone.")
                                     .arg(record.file, QFileInfo(request.file).absoluteFilePath()));
    BookmarkLock lock(record.file);
    if (!lock.tryLock(60000))
        return fail(FileProblem, QStringLiteral("Could not undo the last addition to \"%1\": %2").arg(record.file, lock.errorString()));
    if (const FileError error = record.undo(&lock); error.failed()) {
        // A record that can never be undone is not kept for another try.
        if (error.kind == FileError::Kind::Unusable)
            settings.setLastAddition({});
        return fail(FileProblem, error.messageForUser());
    }
    settings.setLastAddition({});
    if (request.verbose) {
        m_out << "Undid the last addition to \"" << record.file << "\".\n";
        m_out.flush();
    }
    return Added;
}

// What undoing this addition needs, for --undo and the window's Ctrl+Z.
void AddCommand::remember(const LastAddition &record)
{
    Settings().setLastAddition(record);
}

// The line as written to the file, decoded back for the terminal.
void AddCommand::show(const QString &heading, const TextCodec &codec, const QString &address, const QString &text)
{
    m_out << heading << '\n' << codec.decode(BookmarkInserter::bookmarkLine(codec, address, text)) << '\n';
    m_out.flush();
}

// A message of several lines keeps its line breaks: the first line names the
// program, the others (a second sentence, a list of folders) follow as they stand.
void AddCommand::say(const QString &message)
{
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_err << Program << ": " << text << Qt::endl;
}

int AddCommand::fail(int code, const QString &message)
{
    say(message);
    return code;
}
