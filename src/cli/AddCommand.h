#pragma once

#include "flow/AdditionFlow.h"

#include <QStringList>
#include <QTextStream>

#include <optional>

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

    // What the command line asks for.
    struct Request
    {
        bool list = false;
        bool dryRun = false;
        bool verbose = false;
        bool noDuplicate = false;
        bool undo = false;
        bool create = false; // the missing folders of the --folder path are made
        QString file; // as given; empty for the one in the settings
        QString text;
        QString address; // as typed
        AdditionFlow::FolderChoice folder;
    };

    AddCommand(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    // `arguments` includes the program name first.
    int run(const QStringList &arguments);

private:
    // Each step either gives what the next one needs or ends the command with an
    // exit status.
    using Stop = std::optional<int>;

    Stop parse(const QStringList &arguments, Request &request);
    // Prints to `stream`; on the error stream after the program's name.
    void say(QTextStream &stream, const QString &message);
    int fail(int code, const QString &message);
    // The exit status for what the flow said, which is printed.
    int fail(const AdditionFlow::Outcome &outcome);

    QTextStream &m_out;
    QTextStream &m_err;
};
