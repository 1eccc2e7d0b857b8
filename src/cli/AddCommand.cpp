#include "cli/AddCommand.h"

#include "flow/AdditionFlow.h"
#include "platform/Settings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileDevice>
#include <QIODevice>
#include <QStringEncoder>

#include <charconv>

namespace {

const QString Program = QStringLiteral("linkcrate-add");

// The options, and the parser that knows them.
struct Options
{
    //: The value names (FILE, PATH, TEXT) show in --help after their options.
    QCommandLineOption file{QStringLiteral("file"), QCoreApplication::translate("AddCommand", "The bookmark file (default: Linkcrate's)."),
                            QCoreApplication::translate("AddCommand", "FILE")};
    QCommandLineOption folder{QStringLiteral("folder"),
                              QCoreApplication::translate("AddCommand", "The folder, names joined by \"/\" (default: the root list)."),
                              QCoreApplication::translate("AddCommand", "PATH")};
    QCommandLineOption index{QStringLiteral("folder-index"), QCoreApplication::translate("AddCommand", "The folder by its number in --list."),
                             QStringLiteral("N")};
    QCommandLineOption text{QStringLiteral("text"), QCoreApplication::translate("AddCommand", "The link text."), QCoreApplication::translate("AddCommand", "TEXT")};
    QCommandLineOption list{QStringLiteral("list"), QCoreApplication::translate("AddCommand", "List the folders with their numbers.")};
    QCommandLineOption dryRun{QStringLiteral("dry-run"), QCoreApplication::translate("AddCommand", "Show what would be added; write nothing.")};
    QCommandLineOption verbose{QStringLiteral("verbose"), QCoreApplication::translate("AddCommand", "Say what was added.")};
    QCommandLineOption noDuplicate{QStringLiteral("no-duplicate"),
                                   QCoreApplication::translate("AddCommand", "Add nothing if the address is in the file already (exit status 3).")};
    QCommandLineOption create{QStringLiteral("create"),
                              QCoreApplication::translate("AddCommand", "Make the folders of the --folder path that are missing, like mkdir -p.")};
    QCommandLineOption undo{QStringLiteral("undo"),
                            QCoreApplication::translate("AddCommand", "Undo the last addition, made here or in Linkcrate's window.")};
    QCommandLineParser parser;

    Options()
    {
        parser.setApplicationDescription(QCoreApplication::translate("AddCommand", "Adds a bookmark at the top of a folder of a bookmark file."));
        parser.addOptions({file, folder, index, text, list, dryRun, verbose, noDuplicate, create, undo});
        parser.addPositionalArgument(QCoreApplication::translate("AddCommand", "ADDRESS"), QCoreApplication::translate("AddCommand", "The address of the bookmark."));
        parser.addHelpOption();
        parser.addVersionOption();
    }

    // What is wrong with a parsed command line, if anything.
    QString misuse() const
    {
        const int addresses = int(parser.positionalArguments().size());
        if (parser.isSet(undo)) {
            const bool alone = !parser.isSet(text) && addresses == 0 && !parser.isSet(folder) && !parser.isSet(index)
                && !parser.isSet(list) && !parser.isSet(dryRun) && !parser.isSet(noDuplicate) && !parser.isSet(create);
            return alone ? QString() : QCoreApplication::translate("AddCommand", "--undo takes no folder, text or address.");
        }
        if (parser.isSet(list) && (parser.isSet(text) || addresses > 0 || parser.isSet(folder) || parser.isSet(index)
                                   || parser.isSet(dryRun) || parser.isSet(create)))
            return QCoreApplication::translate("AddCommand", "--list takes no folder, text or address.");
        if (parser.isSet(create) && !parser.isSet(folder))
            return QCoreApplication::translate("AddCommand", "--create makes the folders of a --folder path: give one.");
        if (!parser.isSet(list) && !parser.isSet(text))
            return QCoreApplication::translate("AddCommand", "the link text is missing: give it with --text.");
        if (!parser.isSet(list) && addresses != 1)
            return QCoreApplication::translate("AddCommand", "give exactly one address.");
        if (parser.isSet(folder) && parser.isSet(index))
            return QCoreApplication::translate("AddCommand", "give --folder or --folder-index, not both.");
        bool number = true;
        if (parser.isSet(index))
            parser.value(index).toInt(&number);
        return number ? QString() : QCoreApplication::translate("AddCommand", "--folder-index takes a number.");
    }
};

} // namespace

int AddCommand::run(const QStringList &arguments)
{
    Request request;
    if (const Stop stop = parse(arguments, request))
        return *stop;
    Settings settings;
    AdditionFlow flow(settings);
    // Scripts can afford to wait longer for another writer than a window.
    constexpr int LockWaitMs = 60000;
    if (request.undo) {
        const AdditionFlow::Outcome undone = flow.undo({request.file, LockWaitMs});
        if (undone.ok() && request.verbose)
            say(m_out, undone.message);
        return undone.ok() ? Added : fail(undone);
    }

    const AdditionFlow::OpenOutcome opened = flow.open({request.file, false});
    if (opened.kind == AdditionFlow::Kind::NoFile && opened.file.isEmpty())
        return fail(FileProblem, QCoreApplication::translate("AddCommand", "no bookmark file: name one with --file FILE, or choose one in "
                                                "Linkcrate's window."));
    if (!opened.recovery.message.isEmpty())
        say(m_err, opened.recovery.message);
    if (!opened.ok())
        return fail(opened);

    if (request.list) {
        // The list is kept as the UTF-8 it is printed in, and written at once: a
        // file may hold hundreds of thousands of folders.
        QByteArray text;
        qsizetype used = 0;
        QStringEncoder utf8(QStringEncoder::Utf8, QStringConverter::Flag::Stateless);
        const AdditionFlow::Outcome listed = flow.listFolders(
            [&](qint32 index, const QString &path) {
                // Room ahead of time: growing by copying would touch the memory twice over.
                const qsizetype longest = 16 + utf8.requiredSpace(path.size());
                if (text.size() - used < longest)
                    text.resize(std::max<qsizetype>(1 << 20, text.size() * 2 + longest));
                // Written in place: a string of its own for each folder's number
                // and path would cost more than the rest of the line.
                char *out = text.data() + used;
                out = std::to_chars(out, out + 12, index).ptr;
                *out++ = '\t';
                out = utf8.appendToBuffer(out, path);
                *out++ = '\n';
                used = out - text.constData();
            },
            [&] { used = 0; });
        text.truncate(used);
        if (!listed.ok())
            return fail(listed);
        m_out.flush();
        QIODevice *device = m_out.device();
        if (!device) {
            m_out << QString::fromUtf8(text);
            m_out.flush();
            return Added;
        }
        // A full disk or a closed pipe must not pass for a list printed.
        bool written = device->write(text) == text.size();
        if (auto *file = qobject_cast<QFileDevice *>(device))
            written = file->flush() && written;
        if (!written)
            return fail(FileProblem, QCoreApplication::translate("AddCommand", "could not write the list of folders: %1.").arg(device->errorString()));
        return Added;
    }

    AdditionFlow::AddRequest addition;
    addition.text = request.text;
    addition.address = request.address;
    addition.folder = request.folder;
    addition.create = request.create;
    addition.addAgain = !request.noDuplicate;
    addition.dryRun = request.dryRun;
    addition.lockWaitMs = LockWaitMs;
    const AdditionFlow::AddOutcome added = flow.add(addition);
    if (!added.ok())
        return fail(added);
    if (!added.warning.isEmpty())
        say(m_err, QCoreApplication::translate("AddCommand", "warning: %1").arg(added.warning));
    if (!added.holders.isEmpty())
        say(m_err, request.dryRun ? QCoreApplication::translate("AddCommand", "warning: the address is already in: %1.")
                                        .arg(added.holders)
                                  : QCoreApplication::translate("AddCommand", "warning: the address was already in: %1.")
                                        .arg(added.holders));
    if (request.dryRun || request.verbose) {
        for (const QString &made : added.made)
            m_out << (request.dryRun ? QCoreApplication::translate("AddCommand", "Would make the folder \"%1\".")
                                     : QCoreApplication::translate("AddCommand", "Made the folder \"%1\"."))
                         .arg(made)
                  << '\n';
        const QString heading = request.dryRun
            ? QCoreApplication::translate("AddCommand", "Would add to %1 of \"%2\":").arg(added.where, flow.file())
            : QCoreApplication::translate("AddCommand", "Added to %1:").arg(added.where);
        m_out << heading << '\n' << added.line << '\n';
        m_out.flush();
    }
    return Added;
}

AddCommand::Stop AddCommand::parse(const QStringList &arguments, Request &request)
{
    Options options;
    const QCommandLineParser &parser = options.parser;
    const QString usageHint = u'\n' + QCoreApplication::translate("AddCommand", "Try '%1 --help'.").arg(Program);
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
    request.create = parser.isSet(options.create);
    request.file = parser.value(options.file);
    request.text = parser.value(options.text);
    request.address = parser.positionalArguments().value(0);
    if (parser.isSet(options.index)) {
        request.folder.by = AdditionFlow::FolderChoice::By::Index;
        request.folder.index = parser.value(options.index).toInt();
    } else if (parser.isSet(options.folder)) {
        request.folder.by = AdditionFlow::FolderChoice::By::Path;
        request.folder.path = parser.value(options.folder);
    }

    // The entry is checked before the file is even opened: a refusal is the
    // user's to mend, whatever the file.
    if (!request.list && !request.undo) {
        if (const AdditionFlow::Outcome entry = AdditionFlow::checkEntry(request.text, request.address); !entry.ok())
            return fail(entry);
    }
    return {};
}

// A message of several lines keeps its line breaks: the first line names the
// program, the others (a second sentence, a list of folders) follow as they stand.
void AddCommand::say(QTextStream &stream, const QString &message)
{
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    stream << (&stream == &m_err ? Program + QStringLiteral(": ") : QString()) << text << Qt::endl;
}

int AddCommand::fail(int code, const QString &message)
{
    say(m_err, message);
    return code;
}

int AddCommand::fail(const AdditionFlow::Outcome &outcome)
{
    switch (outcome.kind) {
    case AdditionFlow::Kind::Done:
        return Added;
    case AdditionFlow::Kind::Refused:
        return fail(Refused, outcome.message);
    case AdditionFlow::Kind::AlreadyThere:
        return fail(AlreadyThere, outcome.message);
    case AdditionFlow::Kind::NoFile:
    case AdditionFlow::Kind::FileProblem:
    case AdditionFlow::Kind::Changed:
    case AdditionFlow::Kind::NotYet:
        break;
    }
    return fail(FileProblem, outcome.message);
}
