#pragma once

#include <QStringList>
#include <QTextStream>

#include <optional>

class BookmarkLock;
class FolderCatalogue;
class TextCodec;
struct LastAddition;

// linkcrate-add: adds a bookmark, or lists the folders, from the command line.
class AddCommand
{
public:
    enum ExitCode {
        Added = 0,
        Refused = 1, // the link text or the address was refused
        FileProblem = 2, // the file or the folder: missing, not a bookmark file, changed, ambiguous, I/O
        AlreadyThere = 3, // --no-duplicate, and the address is in the file already
        Usage = 64, // EX_USAGE
    };

    // The folder asked for, before it is looked up in a file.
    struct FolderChoice
    {
        enum class By { Root, Path, Index };
        By by = By::Root;
        QString path;
        qint32 index = -1;
    };

    // What the command line asks for.
    struct Request
    {
        bool list = false;
        bool dryRun = false;
        bool verbose = false;
        bool noDuplicate = false;
        bool undo = false;
        QString file; // as given; empty for the one in the settings
        QString text;
        QString address; // as typed
        FolderChoice folder;
    };

    AddCommand(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    // `arguments` includes the program name first.
    int run(const QStringList &arguments);

private:
    // Each step either gives what the next one needs or ends the command with an
    // exit status.
    using Stop = std::optional<int>;

    Stop parse(const QStringList &arguments, Request &request);
    Stop findFile(Request &request);
    int undo(const Request &request);
    Stop addInOnePass(const Request &request, BookmarkLock &lock);
    Stop listInOnePass(const Request &request);
    int list(const FolderCatalogue &catalogue);
    static void appendListLine(QByteArray &text, qint32 index, const QString &path);
    void printList(const QByteArray &text);
    int add(const Request &request, FolderCatalogue &catalogue, BookmarkLock *lock);
    void remember(const LastAddition &record);
    void show(const QString &heading, const TextCodec &codec, const QString &address, const QString &text);

    void say(const QString &message);
    int fail(int code, const QString &message);

    QTextStream &m_out;
    QTextStream &m_err;
};
