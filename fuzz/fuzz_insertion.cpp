// libFuzzer target: arbitrary bytes as the bookmark file, with arbitrary choices
// of folder, link text and address. Every input must end in one of two ways: the
// addition fails with an error and the file is unchanged, or the new file is the
// old one, every byte in order, with one run inserted: the entry line and its
// line breaks.

#include "bookmarks/BookmarkInserter.h"
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

    // One run inserted: what precedes it and what follows it are the old bytes.
    check(now.size() > old.size(), "nothing was added");
    qsizetype same = 0;
    while (same < old.size() && old[same] == now[same])
        ++same;
    const QByteArray run = now.mid(same, now.size() - old.size());
    check(now.endsWith(old.mid(same)), "old bytes changed or moved");
    const QByteArray line = BookmarkInserter::bookmarkLine(catalogue.codec(), url, text);
    const qsizetype breaks = run.size() - line.size();
    check(breaks >= 1 && breaks <= 4, "the run is not the entry and its line breaks");
    check(now.count(line) == old.count(line) + 1, "the entry line is not whole");

    // The rewritten file has the same folders.
    FolderCatalogue again;
    check(!again.read(bookmarkPath).failed(), "the new file cannot be read");
    check(again.FolderCount == catalogue.FolderCount, "the folders changed");
    for (qint32 i = 0; i < catalogue.FolderCount; ++i)
        check(again.FolderPaths(i) == catalogue.FolderPaths(i) && again.parent(i) == catalogue.parent(i),
              "a folder changed");

    if (++runs % 200 == 0)
        QDir(workDir->filePath(QStringLiteral("data/Trash"))).removeRecursively();
    return 0;
}
