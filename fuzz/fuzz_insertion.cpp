// libFuzzer target: arbitrary bytes as the bookmark file, with arbitrary choices
// of folder, link text and address. Every input must end in one of two ways: the
// addition fails with an error and the file is unchanged, or the new file is the
// old one with exactly one entry line added right after a list's opening line.

#include "bookmarks/BookmarkInserter.h"
#include "bookmarks/BookmarkScanner.h"
#include "bookmarks/FolderCatalogue.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir *workDir = nullptr;
QString bookmarkPath;
int runs = 0;

QList<QByteArray> splitLines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.append(bytes.mid(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    return lines;
}

// The events of a whole scan, with every line visited or with lines skipped.
QList<QByteArray> events(const QByteArray &bytes, bool lineByLine)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    BookmarkScanner scanner(&in);
    if (lineByLine)
        scanner.setLineInspector([](QByteArrayView) {});
    QList<QByteArray> seen;
    for (int i = 0; i < 100000; ++i) {
        const BookmarkScanner::ListEvent e = scanner.ReadToNextList();
        seen.append(QByteArray::number(int(e.kind)) + (e.hasHeading ? "+" : "-") + e.name.toByteArray());
        if (e.kind == BookmarkScanner::Event::EndOfFile || e.kind == BookmarkScanner::Event::ReadError)
            break;
    }
    return seen;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void check(bool condition, const char *what)
{
    if (!condition) {
        fprintf(stderr, "property violated: %s\n", what);
        abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    workDir = new QTemporaryDir;
    qputenv("HOME", QFile::encodeName(workDir->path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(workDir->filePath(QStringLiteral("data"))));
    QDir().mkpath(workDir->filePath(QStringLiteral("data")));
    bookmarkPath = workDir->filePath(QStringLiteral("bookmarks.html"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const uint8_t choice = data[0];
    qsizetype textEnd = input.indexOf('\0', 1);
    if (textEnd < 0)
        textEnd = input.size();
    qsizetype urlEnd = input.indexOf('\0', textEnd + 1);
    if (urlEnd < 0)
        urlEnd = input.size();
    const QString text = QString::fromUtf8(input.mid(1, textEnd - 1));
    const QString url = QString::fromUtf8(input.mid(textEnd + 1, urlEnd - textEnd - 1));
    const QByteArray old = input.mid(urlEnd + 1);

    check(events(old, true) == events(old, false), "skipping lines changed what the scan sees");
    {
        QFile f(bookmarkPath);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(old) != old.size())
            abort();
    }
    FolderCatalogue catalogue;
    if (catalogue.read(bookmarkPath).failed())
        return 0;
    const qint32 folder = qint32(choice % (catalogue.FolderCount + 1)) - 1;
    const FileError error = BookmarkInserter::insert(catalogue, folder, url, text);
    const QByteArray now = readAll(bookmarkPath);
    check(!QFile::exists(bookmarkPath + QStringLiteral(".tmp")), "temporary file left behind");
    if (error.failed()) {
        check(now == old, "failed addition changed the file");
        return 0;
    }

    const QList<QByteArray> before = splitLines(old);
    QList<QByteArray> after = splitLines(now);
    check(after.size() == before.size() + 1, "not exactly one line added");
    const QByteArray line = BookmarkInserter::bookmarkLine(catalogue.codec(), url, text);
    qsizetype at = 0;
    while (at < before.size() && before[at] == after[at])
        ++at;
    check(after[at] == line, "the added line is not the entry line");
    // The same entry may already stand right below: the new one is the first of the run.
    while (at > 0 && after[at - 1] == line)
        --at;
    check(at > 0 && BookmarkScanner::lineMarks(after[at - 1]).opens, "the entry does not follow a list's opening line");
    after.removeAt(at);
    check(after == before, "other lines changed");

    // The rewritten file has the same folders.
    FolderCatalogue again;
    check(!again.read(bookmarkPath).failed(), "the new file cannot be read");
    check(again.FolderPaths == catalogue.FolderPaths, "the folders changed");

    if (++runs % 200 == 0)
        QDir(workDir->filePath(QStringLiteral("data/Trash"))).removeRecursively();
    return 0;
}
