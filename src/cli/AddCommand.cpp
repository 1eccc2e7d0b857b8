#include "cli/AddCommand.h"

#include "bookmarks/BookmarkInserter.h"
#include "bookmarks/BookmarkLock.h"
#include "bookmarks/BookmarkRecovery.h"
#include "bookmarks/EntryCheck.h"
#include "bookmarks/FolderCatalogue.h"
#include "platform/Settings.h"
#include "platform/UrlTranslation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <optional>

namespace {

const QString Program = QStringLiteral("linkcrate-add");

QString folderName(const FolderCatalogue &catalogue, qint32 index)
{
    return index == FolderCatalogue::Root ? QStringLiteral("the root list")
                                          : QStringLiteral("\"%1\"").arg(catalogue.displayPath(index, u'/'));
}

QString candidates(const FolderCatalogue &catalogue, const QList<qint32> &indexes)
{
    QString list;
    for (const qint32 i : indexes)
        list += QStringLiteral("\n  %1\t%2").arg(i).arg(catalogue.displayPath(i, u'/'));
    return list;
}

// Folders whose path is the one asked for; a path that ends in "/" or starts
// with one means the same.
QList<qint32> matching(const FolderCatalogue &catalogue, QString path, Qt::CaseSensitivity cs)
{
    while (path.startsWith(u'/'))
        path.remove(0, 1);
    while (path.endsWith(u'/'))
        path.chop(1);
    QList<qint32> found;
    for (qint32 i = 0; i < catalogue.FolderCount; ++i) {
        if (catalogue.displayPath(i, u'/').compare(path, cs) == 0)
            found.append(i);
    }
    return found;
}

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
    QCommandLineParser parser;

    Options()
    {
        parser.setApplicationDescription(QStringLiteral("Adds a bookmark at the top of a folder of a bookmark file."));
        parser.addOptions({file, folder, index, text, list, dryRun, verbose});
        parser.addPositionalArgument(QStringLiteral("ADDRESS"), QStringLiteral("The address of the bookmark."));
        parser.addHelpOption();
        parser.addVersionOption();
    }

    // What is wrong with a parsed command line, if anything.
    QString misuse() const
    {
        const int addresses = int(parser.positionalArguments().size());
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
    if (const Stop stop = findFile(request))
        return *stop;
    std::optional<BookmarkLock> lock;
    FolderCatalogue catalogue;
    if (const Stop stop = readFile(request, lock, catalogue))
        return *stop;
    if (request.list)
        return list(catalogue);
    qint32 folder = FolderCatalogue::Root;
    if (const Stop stop = findFolder(request, catalogue, folder))
        return *stop;
    return add(request, catalogue, folder, lock ? &*lock : nullptr);
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
    request.file = parser.value(options.file);
    request.text = parser.value(options.text);
    request.address = request.list ? QString() : parser.positionalArguments().constFirst();
    if (parser.isSet(options.index))
        request.folder = {FolderChoice::By::Index, {}, parser.value(options.index).toInt()};
    else if (parser.isSet(options.folder))
        request.folder = {FolderChoice::By::Path, parser.value(options.folder), FolderCatalogue::Root};

    // The entry is checked before the file is even opened: a refusal is the
    // user's to mend, whatever the file.
    if (!request.list) {
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

    const BookmarkRecovery::Result recovery = BookmarkRecovery::recover(request.file);
    if (recovery.outcome == BookmarkRecovery::Outcome::Restored)
        say(recovery.message());
    else if (recovery.error.failed())
        say(recovery.error.message());
    return {};
}

AddCommand::Stop AddCommand::readFile(const Request &request, std::optional<BookmarkLock> &lock,
                                      FolderCatalogue &catalogue)
{
    // An addition holds the lock from reading the folders to replacing the file, so
    // that another writer (a window, another linkcrate-add) cannot slip in between.
    // Scripts can afford to wait longer for it than a window.
    if (!request.list && !request.dryRun) {
        lock.emplace(BookmarkInserter::rewriteTarget(request.file));
        if (!lock->tryLock(60000))
            return fail(FileProblem, QStringLiteral("Could not add to \"%1\": %2").arg(request.file, lock->errorString()));
    }
    if (const FileError error = catalogue.read(request.file); error.failed())
        return fail(FileProblem, error.message());
    return {};
}

// Nothing is guessed: a number outside the file, or a path that names no folder
// or several, is refused with the candidates.
AddCommand::Stop AddCommand::findFolder(const Request &request, const FolderCatalogue &catalogue, qint32 &folder)
{
    const FolderChoice &choice = request.folder;
    switch (choice.by) {
    case FolderChoice::By::Root:
        folder = FolderCatalogue::Root;
        return {};
    case FolderChoice::By::Index:
        if (choice.index < 0 || choice.index >= catalogue.FolderCount)
            return fail(FileProblem, QStringLiteral("there is no folder number %1 in \"%2\" (see --list).")
                                         .arg(choice.index)
                                         .arg(request.file));
        folder = choice.index;
        return {};
    case FolderChoice::By::Path:
        break;
    }
    const QList<qint32> found = matching(catalogue, choice.path, Qt::CaseSensitive);
    if (found.size() > 1)
        return fail(FileProblem, QStringLiteral("%1 folders in \"%2\" are called \"%3\"; choose one with "
                                                "--folder-index:%4")
                                     .arg(found.size())
                                     .arg(request.file, choice.path, candidates(catalogue, found)));
    if (found.isEmpty()) {
        const QList<qint32> near = matching(catalogue, choice.path, Qt::CaseInsensitive);
        return fail(FileProblem, QStringLiteral("there is no folder \"%1\" in \"%2\"%3")
                                     .arg(choice.path, request.file,
                                          near.isEmpty() ? QStringLiteral(" (see --list).")
                                                         : QStringLiteral("; did you mean:") + candidates(catalogue, near)));
    }
    folder = found.constFirst();
    return {};
}

int AddCommand::list(const FolderCatalogue &catalogue)
{
    for (qint32 i = 0; i < catalogue.FolderCount; ++i)
        m_out << i << '\t' << catalogue.displayPath(i, u'/') << '\n';
    m_out.flush();
    return Added;
}

int AddCommand::add(const Request &request, FolderCatalogue &catalogue, qint32 folder, BookmarkLock *lock)
{
    const QString address = TranslateURL(request.address);
    const QString line = catalogue.codec().decode(BookmarkInserter::bookmarkLine(catalogue.codec(), address, request.text));
    const QString where = folderName(catalogue, folder);
    if (request.dryRun) {
        m_out << "Would add to " << where << " of \"" << request.file << "\":\n" << line << '\n';
        m_out.flush();
        return Added;
    }
    if (const FileError error = BookmarkInserter::insert(catalogue, folder, address, request.text, {}, lock); error.failed())
        return fail(FileProblem, error.messageForUser());
    if (request.verbose) {
        m_out << "Added to " << where << ":\n" << line << '\n';
        m_out.flush();
    }
    return Added;
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
