#pragma once

#include <QStringList>
#include <QTextStream>

// linkcrate-add: adds a bookmark, or lists the folders, from the command line.
class AddCommand
{
public:
    enum ExitCode {
        Added = 0,
        Refused = 1, // the link text or the address was refused
        FileProblem = 2, // the file or the folder: missing, not a bookmark file, changed, ambiguous, I/O
        Usage = 64, // EX_USAGE
    };

    AddCommand(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    // `arguments` includes the program name first.
    int run(const QStringList &arguments);

private:
    int fail(int code, const QString &message);

    QTextStream &m_out;
    QTextStream &m_err;
};
