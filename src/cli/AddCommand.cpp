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

} // namespace

int AddCommand::fail(int code, const QString &message)
{
    m_err << Program << ": " << message << Qt::endl;
    return code;
}

int AddCommand::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Adds a bookmark at the top of a folder of a bookmark file."));
    const QCommandLineOption fileOption(QStringLiteral("file"), QStringLiteral("The bookmark file (default: Linkcrate's)."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption folderOption(QStringLiteral("folder"),
                                          QStringLiteral("The folder, names joined by \"/\" (default: the root list)."),
                                          QStringLiteral("PATH"));
    const QCommandLineOption indexOption(QStringLiteral("folder-index"), QStringLiteral("The folder by its number in --list."),
                                         QStringLiteral("N"));
    const QCommandLineOption textOption(QStringLiteral("text"), QStringLiteral("The link text."), QStringLiteral("TEXT"));
    const QCommandLineOption listOption(QStringLiteral("list"), QStringLiteral("List the folders with their numbers."));
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"), QStringLiteral("Show what would be added; write nothing."));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"), QStringLiteral("Say what was added."));
    parser.addOptions({fileOption, folderOption, indexOption, textOption, listOption, dryRunOption, verboseOption});
    parser.addPositionalArgument(QStringLiteral("ADDRESS"), QStringLiteral("The address of the bookmark."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();

    const QString usageHint = QStringLiteral("\nTry '%1 --help'.").arg(Program);
    if (!parser.parse(arguments))
        return fail(Usage, parser.errorText() + usageHint);
    if (parser.isSet(helpOption)) {
        m_out << parser.helpText();
        return Added;
    }
    if (parser.isSet(versionOption)) {
        m_out << Program << ' ' << QCoreApplication::applicationVersion() << Qt::endl;
        return Added;
    }

    const bool list = parser.isSet(listOption);
    const QStringList positional = parser.positionalArguments();
    if (list && (parser.isSet(textOption) || !positional.isEmpty() || parser.isSet(folderOption)
                 || parser.isSet(indexOption) || parser.isSet(dryRunOption)))
        return fail(Usage, QStringLiteral("--list takes no folder, text or address.") + usageHint);
    if (!list && !parser.isSet(textOption))
        return fail(Usage, QStringLiteral("the link text is missing: give it with --text.") + usageHint);
    if (!list && positional.size() != 1)
        return fail(Usage, QStringLiteral("give exactly one address.") + usageHint);
    if (parser.isSet(folderOption) && parser.isSet(indexOption))
        return fail(Usage, QStringLiteral("give --folder or --folder-index, not both.") + usageHint);
    bool indexIsNumber = true;
    const qint32 requestedIndex = parser.isSet(indexOption) ? parser.value(indexOption).toInt(&indexIsNumber) : 0;
    if (!indexIsNumber)
        return fail(Usage, QStringLiteral("--folder-index takes a number.") + usageHint);

    // The link text is checked before the file is even opened: a refusal is the
    // user's to mend, whatever the file.
    const QString text = parser.value(textOption);
    const QString typedAddress = list ? QString() : positional.constFirst();
    if (!list) {
        const EntryCheck::Verdict verdict = EntryCheck::check(text, typedAddress);
        if (verdict != EntryCheck::Verdict::Ok)
            return fail(Refused, EntryCheck::message(verdict).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }

    QString file = parser.value(fileOption);
    if (file.isEmpty()) {
        file = Settings().bookmarks();
        if (file.isEmpty() || file == Settings::BookmarksDefault)
            return fail(FileProblem, QStringLiteral("no bookmark file: name one with --file FILE, or choose one in "
                                                    "Linkcrate's window."));
    }
    file = QFileInfo(file).absoluteFilePath();

    const BookmarkRecovery::Result recovery = BookmarkRecovery::recover(file);
    if (recovery.outcome == BookmarkRecovery::Outcome::Restored)
        m_err << Program << ": " << recovery.message() << Qt::endl;
    else if (recovery.error.failed())
        m_err << Program << ": " << recovery.error.message() << Qt::endl;

    // An addition holds the lock from reading the folders to replacing the file, so
    // that another writer (a window, another linkcrate-add) cannot slip in between.
    // Scripts can afford to wait longer for it than a window.
    std::optional<BookmarkLock> lock;
    if (!list && !parser.isSet(dryRunOption)) {
        lock.emplace(BookmarkInserter::rewriteTarget(file));
        if (!lock->tryLock(60000))
            return fail(FileProblem, QStringLiteral("Could not add to \"%1\": %2").arg(file, lock->errorString()));
    }

    FolderCatalogue catalogue;
    if (const FileError error = catalogue.read(file); error.failed())
        return fail(FileProblem, error.message());

    if (list) {
        for (qint32 i = 0; i < catalogue.FolderCount; ++i)
            m_out << i << '\t' << catalogue.displayPath(i, u'/') << '\n';
        m_out.flush();
        return Added;
    }

    qint32 folder = FolderCatalogue::Root;
    if (parser.isSet(indexOption)) {
        folder = requestedIndex;
        if (folder < 0 || folder >= catalogue.FolderCount)
            return fail(FileProblem, QStringLiteral("there is no folder number %1 in \"%2\" (see --list).").arg(folder).arg(file));
    } else if (parser.isSet(folderOption)) {
        // Nothing is guessed: a path that names no folder, or several, is refused
        // with the candidates.
        const QString path = parser.value(folderOption);
        const QList<qint32> found = matching(catalogue, path, Qt::CaseSensitive);
        if (found.size() > 1)
            return fail(FileProblem, QStringLiteral("%1 folders in \"%2\" are called \"%3\"; choose one with "
                                                    "--folder-index:%4")
                                         .arg(found.size())
                                         .arg(file, path, candidates(catalogue, found)));
        if (found.isEmpty()) {
            const QList<qint32> near = matching(catalogue, path, Qt::CaseInsensitive);
            return fail(FileProblem, QStringLiteral("there is no folder \"%1\" in \"%2\"%3")
                                         .arg(path, file,
                                              near.isEmpty() ? QStringLiteral(" (see --list).")
                                                             : QStringLiteral("; did you mean:") + candidates(catalogue, near)));
        }
        folder = found.constFirst();
    }

    const QString address = TranslateURL(typedAddress);
    const QByteArray line = BookmarkInserter::bookmarkLine(catalogue.codec(), address, text);
    const QString where = folderName(catalogue, folder);
    if (parser.isSet(dryRunOption)) {
        m_out << "Would add to " << where << " of \"" << file << "\":\n" << catalogue.codec().decode(line) << '\n';
        m_out.flush();
        return Added;
    }
    if (const FileError error = BookmarkInserter::insert(catalogue, folder, address, text, {}, &*lock); error.failed())
        return fail(FileProblem, error.messageForUser().replace(u'\n', u' '));
    if (parser.isSet(verboseOption)) {
        m_out << "Added to " << where << ":\n" << catalogue.codec().decode(line) << '\n';
        m_out.flush();
    }
    return Added;
}
