// Benchmark for large bookmark files: generates a realistic export from a fixed
// seed, then times start-up's reading and filling and one addition against what
// the machine allows (reading and copying the file), and measures peak memory.
// The command line is timed as whole processes, against cp + sync and wc -l.

#include "bookmarks/BookmarkInserter.h"
#include "bookmarks/FolderCatalogue.h"
#include "platform/Settings.h"
#include "platform/UserPrompts.h"
#include "ui/FolderFilter.h"
#include "ui/FolderTree.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <random>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Shape
{
    qint64 bytes = 50LL * 1000 * 1000;
    int bookmarks = 300000;
    int folders = 20000;
    int depth = 10;
    quint64 seed = 20261206;
};

class Generator
{
public:
    explicit Generator(const Shape &shape) : m_shape(shape), m_rng(shape.seed) {}

    bool write(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        m_out = &file;
        plan();
        put("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<!-- This is an automatically generated file.\n"
            "     It will be read and overwritten.\n     DO NOT EDIT! -->\n"
            "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
            "<meta http-equiv=\"Content-Security-Policy\"\n      content=\"default-src 'self'; script-src 'none'\"></meta>\n"
            "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks Menu</H1>\n\n<DL><p>\n");
        emitFolder(-1, 1);
        put("</DL>\n");
        flush();
        return file.error() == QFileDevice::NoError;
    }

private:
    void plan()
    {
        m_children.assign(size_t(m_shape.folders) + 1, {});
        m_marks.assign(size_t(m_shape.folders) + 1, {});
        std::vector<int> depthOf(size_t(m_shape.folders), 0);
        for (int i = 0; i < m_shape.folders; ++i) {
            // Mostly near recent folders, so that nesting runs deep as real trees do.
            int parent = -1;
            if (i > 0 && pick(10) < 8) {
                const int window = std::min(i, 50);
                parent = i - 1 - pick(window);
                if (depthOf[size_t(parent)] + 1 >= m_shape.depth)
                    parent = -1;
            }
            depthOf[size_t(i)] = parent < 0 ? 0 : depthOf[size_t(parent)] + 1;
            m_children[size_t(parent + 1)].push_back(i);
        }
        for (int b = 0; b < m_shape.bookmarks; ++b)
            m_marks[size_t(pick(m_shape.folders + 1))].push_back(b);
        // Icon data fills what the bookmarks leave of the requested size.
        const qint64 base = qint64(m_shape.bookmarks) * 190 + qint64(m_shape.folders) * 150;
        const qint64 iconBytes = std::max<qint64>(0, m_shape.bytes - base);
        const int icons = int(iconBytes / (300 * 1024));
        m_iconSize = icons > 0 ? int(iconBytes / icons) : 0;
        m_icons.clear();
        for (int i = 0; i < icons && m_shape.bookmarks > 0; ++i)
            m_icons.push_back(pick(m_shape.bookmarks));
        std::sort(m_icons.begin(), m_icons.end());
    }

    void emitFolder(int folder, int level)
    {
        const QByteArray indent(size_t(level) * 4, ' ');
        for (const int b : m_marks[size_t(folder + 1)])
            emitBookmark(b, indent);
        for (const int child : m_children[size_t(folder + 1)]) {
            put(indent + "<DT><H3 ADD_DATE=\"" + QByteArray::number(1500000000 + pick(100000000)) + "\" LAST_MODIFIED=\""
                + QByteArray::number(1600000000 + pick(100000000)) + "\">" + name(child) + "</H3>\n");
            put(indent + "<DL><p>\n");
            emitFolder(child, level + 1);
            put(indent + "</DL><p>\n");
        }
    }

    void emitBookmark(int b, const QByteArray &indent)
    {
        QByteArray line = indent + "<DT><A HREF=\"https://site" + QByteArray::number(pick(5000)) + ".example.com/path/"
            + QByteArray::number(b) + "?q=" + QByteArray::number(pick(1000000)) + "&amp;lang=en\" ADD_DATE=\""
            + QByteArray::number(1500000000 + pick(100000000)) + "\" LAST_MODIFIED=\""
            + QByteArray::number(1600000000 + pick(100000000)) + "\"";
        if (std::binary_search(m_icons.begin(), m_icons.end(), b)) {
            line += " ICON=\"data:image/png;base64,";
            put(line);
            QByteArray chunk(64 * 1024, 'A');
            for (qsizetype i = 0; i < chunk.size(); ++i)
                chunk[i] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"[pick(64)];
            for (int left = m_iconSize; left > 0; left -= int(chunk.size()))
                put(chunk.left(std::min<qsizetype>(left, chunk.size())));
            line = "\"";
        }
        put(line + ">" + title(b) + "</A>\n");
    }

    QByteArray name(int folder)
    {
        static const char *words[] = {"Reading", "Work", "Tools &amp; Tips", "Café", "Recipes", "日本語", "Straße",
                                      "Projects", "News", "Music", "Crème brûlée", "Archive"};
        return QByteArray(words[pick(12)]) + ' ' + QByteArray::number(folder);
    }

    QByteArray title(int b)
    {
        static const char *words[] = {"How to", "Über", "a guide", "&quot;quoted&quot;", "déjà vu", "notes", "東京",
                                      "the list", "2024", "review"};
        return QByteArray(words[pick(10)]) + ' ' + words[pick(10)] + ' ' + QByteArray::number(b);
    }

    int pick(int n) { return n <= 1 ? 0 : int(m_rng() % quint64(n)); }

    void put(const QByteArray &bytes)
    {
        m_buffer += bytes;
        if (m_buffer.size() > (1 << 20))
            flush();
    }
    void flush()
    {
        m_out->write(m_buffer);
        m_buffer.clear();
    }

    Shape m_shape;
    std::mt19937_64 m_rng;
    QFile *m_out = nullptr;
    QByteArray m_buffer;
    std::vector<std::vector<int>> m_children;
    std::vector<std::vector<int>> m_marks;
    std::vector<int> m_icons;
    int m_iconSize = 0;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double timeMs(int reps, const std::function<void()> &step, const std::function<void()> &between = {})
{
    std::vector<double> times;
    for (int i = 0; i < reps; ++i) {
        if (between)
            between();
        QElapsedTimer t;
        t.start();
        step();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

// A step and its floor, timed in turns so that both see the same machine: a
// ratio of two runs made at different moments says more about the moment.
std::pair<double, double> timePairMs(int reps, const std::function<void()> &floorStep, const std::function<void()> &step,
                                     const std::function<void()> &between = {})
{
    std::vector<double> floors;
    std::vector<double> steps;
    for (int i = 0; i < reps; ++i) {
        floors.push_back(timeMs(1, floorStep));
        steps.push_back(timeMs(1, step, between));
    }
    return {median(floors), median(steps)};
}

// Linux keeps the peak resident size in VmHWM; writing 5 to clear_refs resets it.
void resetPeak()
{
    const int fd = ::open("/proc/self/clear_refs", O_WRONLY);
    if (fd >= 0) {
        [[maybe_unused]] const ssize_t n = ::write(fd, "5", 1);
        ::close(fd);
    }
}

double peakMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

void fail(const QString &what)
{
    std::fprintf(stderr, "linkcrate_bench: %s\n", qPrintable(what));
    std::exit(1);
}

class NoPrompts : public UserPrompts
{
public:
    void message(const QString &, Icon) override {}
    bool confirm(const QString &) override { return false; }
    std::optional<QString> chooseBookmarkFile(const QString &) override { return std::nullopt; }
};

double floorRead(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        fail(QStringLiteral("cannot read ") + path);
    std::vector<char> block(1 << 20);
    qint64 lines = 0;
    for (qint64 n; (n = f.read(block.data(), qint64(block.size()))) > 0;) {
        for (const char *p = block.data(), *e = p + n; (p = static_cast<const char *>(std::memchr(p, '\n', size_t(e - p))));
             ++p)
            ++lines;
    }
    return double(lines);
}

void floorCopy(const QString &from, const QString &to)
{
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || !out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(QStringLiteral("cannot copy ") + from);
    std::vector<char> block(1 << 20);
    for (qint64 n; (n = in.read(block.data(), qint64(block.size()))) > 0;)
        out.write(block.data(), n);
    ::fsync(out.handle());
    out.close();
    QFile::remove(to);
}


// The spread of a ratio over several runs.
struct Spread
{
    double median = 0;
    double min = 0;
    double max = 0;
};

Spread spreadOf(const std::vector<double> &v)
{
    if (v.empty())
        return {};
    return {median(v), *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end())};
}

// One process from start to exit, its output thrown away: the wall time and the
// peak resident size the kernel kept for it.
struct ProcessRun
{
    double ms = 0;
    double peakMiB = 0;
};

ProcessRun runProcess(char *const argv[])
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    QElapsedTimer t;
    t.start();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        fail(QStringLiteral("cannot start ") + QString::fromLocal8Bit(argv[0]));
    int status = 0;
    struct rusage usage {};
    if (::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail(QStringLiteral("failed: ") + QString::fromLocal8Bit(argv[0]));
    return {double(t.nsecsElapsed()) / 1e6, double(usage.ru_maxrss) / 1024.0};
}

ProcessRun runProcess(const QStringList &arguments)
{
    std::vector<QByteArray> bytes;
    for (const QString &a : arguments)
        bytes.push_back(QFile::encodeName(a));
    std::vector<char *> argv;
    for (QByteArray &b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    return runProcess(argv.data());
}

// A process's peak resident size. A child started from this process counts our
// own size as its peak (the kernel takes it over when the child replaces itself
// with the program), so the program is started from a fresh, small copy of the
// benchmark that does nothing else.
double peakOfProcess(const QStringList &arguments)
{
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--peak-of")} + arguments);
    if (!process.waitForFinished(600000) || process.exitCode() != 0)
        fail(QStringLiteral("failed: ") + arguments.join(u' '));
    return process.readAllStandardOutput().trimmed().toDouble();
}

// A process and its floor, run in turns; each ratio is of one pair.
struct ProcessPair
{
    double floorMs = 0;
    double stepMs = 0;
    Spread ratio;
};

ProcessPair timeProcesses(int runs, const QList<QStringList> &floorCommands, const QStringList &stepArgs,
                          const std::function<void()> &between = {})
{
    std::vector<double> floors;
    std::vector<double> steps;
    std::vector<double> ratios;
    ProcessPair pair;
    for (int i = 0; i < runs; ++i) {
        if (between)
            between();
        double floorMs = 0;
        for (const QStringList &command : floorCommands)
            floorMs += runProcess(command).ms;
        floors.push_back(floorMs);
        if (between)
            between();
        steps.push_back(runProcess(stepArgs).ms);
        ratios.push_back(steps.back() / floors.back());
    }
    pair.floorMs = median(floors);
    pair.stepMs = median(steps);
    pair.ratio = spreadOf(ratios);
    return pair;
}

} // namespace

int main(int argc, char *argv[])
{
    // Before anything else grows this process: see peakOfProcess().
    if (argc > 2 && std::strcmp(argv[1], "--peak-of") == 0) {
        std::printf("%f\n", runProcess(argv + 2).peakMiB);
        return 0;
    }
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times Linkcrate on a large generated bookmark file."));
    parser.addHelpOption();
    const QCommandLineOption mbOption(QStringLiteral("megabytes"), QStringLiteral("Size of the file (50)."), QStringLiteral("MB"), QStringLiteral("50"));
    const QCommandLineOption bookmarksOption(QStringLiteral("bookmarks"), QStringLiteral("Bookmarks (300000)."), QStringLiteral("N"), QStringLiteral("300000"));
    const QCommandLineOption foldersOption(QStringLiteral("folders"), QStringLiteral("Folders (20000)."), QStringLiteral("N"), QStringLiteral("20000"));
    const QCommandLineOption repsOption(QStringLiteral("reps"), QStringLiteral("Repetitions per timing (5)."), QStringLiteral("N"), QStringLiteral("5"));
    const QCommandLineOption dirOption(QStringLiteral("dir"), QStringLiteral("Where to write the files (a temporary folder)."), QStringLiteral("DIR"));
    const QCommandLineOption keepOption(QStringLiteral("keep"), QStringLiteral("Keep the generated files (for profiling)."));
    const QCommandLineOption ratioOption(QStringLiteral("catalogue-ratio"),
                                         QStringLiteral("Only print catalogue / floor_read for FILE (used by the benchmark "
                                                        "itself, one process per run)."),
                                         QStringLiteral("FILE"));
    const QCommandLineOption startUpOption(QStringLiteral("start-up"),
                                           QStringLiteral("Only start the window on FILE and print how long it took "
                                                          "(used by the benchmark itself, one process per run)."),
                                           QStringLiteral("FILE"));
    parser.addOptions({mbOption, bookmarksOption, foldersOption, repsOption, dirOption, keepOption, ratioOption,
                       startUpOption});
    parser.process(app);
    if (parser.isSet(startUpOption)) {
        // As the window starts: the file read, the tree filled and shown once.
        QTemporaryDir home;
        Settings settings(home.filePath(QStringLiteral("bench.conf")));
        NoPrompts prompts;
        QElapsedTimer t;
        t.start();
        frmMain window(settings, prompts);
        window.loadImages();
        if (const FileError e = window.catalogue.read(parser.value(startUpOption)); e.failed())
            fail(e.message());
        window.FillTree();
        window.show();
        QCoreApplication::processEvents();
        std::printf("%f\n", double(t.nsecsElapsed()) / 1e6);
        return 0;
    }
    if (parser.isSet(ratioOption)) {
        const QString file = parser.value(ratioOption);
        FolderCatalogue catalogue;
        const auto [readMs, catalogueMs] = timePairMs(
            std::max(1, parser.value(repsOption).toInt()), [&] { floorRead(file); },
            [&] {
                if (const FileError e = catalogue.read(file); e.failed())
                    fail(e.message());
            });
        std::printf("%f\n", catalogueMs / readMs);
        return 0;
    }

    Shape big;
    big.bytes = qint64(parser.value(mbOption).toDouble() * 1000 * 1000);
    big.bookmarks = parser.value(bookmarksOption).toInt();
    big.folders = parser.value(foldersOption).toInt();
    const int reps = std::max(1, parser.value(repsOption).toInt());

    QTemporaryDir tmp(parser.isSet(dirOption) ? parser.value(dirOption) + QStringLiteral("/linkcrate-bench-XXXXXX")
                                              : QDir::tempPath() + QStringLiteral("/linkcrate-bench-XXXXXX"));
    if (!tmp.isValid())
        fail(QStringLiteral("cannot make a temporary folder"));
    tmp.setAutoRemove(!parser.isSet(keepOption));
    if (parser.isSet(keepOption))
        std::printf("files kept in %s\n", qPrintable(tmp.path()));
    // The trash and the settings stay inside the temporary folder.
    qputenv("XDG_DATA_HOME", QFile::encodeName(tmp.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(tmp.filePath(QStringLiteral("config"))));
    QDir().mkpath(tmp.filePath(QStringLiteral("data")));
    const auto emptyTrash = [&] { QDir(tmp.filePath(QStringLiteral("data/Trash"))).removeRecursively(); };

    const QString bigFile = tmp.filePath(QStringLiteral("big.html"));
    const QString smallFile = tmp.filePath(QStringLiteral("small.html"));
    Shape small{1000, 3, 2, 2, big.seed};
    Shape tenth = big;
    tenth.folders = std::max(1, big.folders / 10);
    tenth.bookmarks = std::max(1, big.bookmarks / 10);
    tenth.bytes = big.bytes / 10;
    const QString tenthFile = tmp.filePath(QStringLiteral("tenth.html"));
    // Many folders, for the window's tree at scale.
    Shape manyFolders = big;
    manyFolders.folders = 300000;
    const QString manyFile = tmp.filePath(QStringLiteral("many-folders.html"));
    if (!Generator(big).write(bigFile) || !Generator(small).write(smallFile) || !Generator(tenth).write(tenthFile)
        || !Generator(manyFolders).write(manyFile))
        fail(QStringLiteral("cannot write the generated files"));

    // Memory first, before any window exists.
    const auto peakOf = [&](const std::function<void()> &step) {
        resetPeak();
        const double before = peakMiB();
        step();
        return peakMiB() - before;
    };
    FolderCatalogue catalogue;
    const auto readCatalogue = [&](const QString &path) {
        if (const FileError e = catalogue.read(path); e.failed())
            fail(e.message());
    };
    const auto insertLast = [&] {
        if (const FileError e = BookmarkInserter::insert(catalogue, catalogue.FolderCount - 1,
                                                         QStringLiteral("https://bench.example/"), QStringLiteral("Bench"));
            e.failed())
            fail(e.message());
    };
    const double catalogueSmallMem = peakOf([&] { readCatalogue(smallFile); });
    const double insertSmallMem = peakOf(insertLast);
    catalogue = FolderCatalogue();
    const double catalogueBigMem = peakOf([&] { readCatalogue(bigFile); });
    const double insertBigMem = peakOf(insertLast);
    emptyTrash();

    double lines = 0;
    const auto [floorReadMs, catalogueMs] = timePairMs(reps, [&] { lines = floorRead(bigFile); },
                                                       [&] { readCatalogue(bigFile); });
    const auto [floorCopyMs, insertMs] = timePairMs(
        reps, [&] { floorCopy(bigFile, bigFile + QStringLiteral(".copy")); }, insertLast, emptyTrash);
    emptyTrash();

    Settings settings(tmp.filePath(QStringLiteral("bench.conf")));
    NoPrompts prompts;
    frmMain window(settings, prompts);
    window.loadImages();
    window.show();
    const auto fillPerFolder = [&](const QString &path) {
        readCatalogue(path);
        window.catalogue = catalogue;
        // As at start-up: into an empty tree (emptying it is not part of the fill).
        const double ms = timeMs(reps, [&] { window.FillTree(); }, [&] { window.Tree->clearNodes(); });
        return std::pair{ms, ms * 1000.0 / std::max(1, catalogue.FolderCount)};
    };
    const auto [fillTenthMs, perFolderTenthUs] = fillPerFolder(tenthFile);
    const auto [fillMs, perFolderUs] = fillPerFolder(bigFile);

    // Already bookmarked: what noting every address in the start-up read would
    // cost, and what the first check (which notes them by a read of its own) costs.
    const double addressesMs = timeMs(reps, [&] {
        if (const FileError e = catalogue.read(bigFile, true); e.failed())
            fail(e.message());
    });
    readCatalogue(bigFile);
    const double firstCheckMs = timeMs(1, [&] { catalogue.foldersHolding(QStringLiteral("https://bench.example/")); });
    const double startUpMs = catalogueMs + fillMs;

    // The folder filter on the large tree: its first opening makes the search
    // index; then every keystroke of a few searches a person might type, each
    // from an empty field (which lists every folder).
    const double filterOpenMs = timeMs(1, [&] { window.openFilter(); });
    std::vector<double> keystrokes;
    for (const QString &query : {QStringLiteral("music 1"), QStringLiteral("creme brulee 2"),
                                 QStringLiteral("tools tips 19"), QStringLiteral("strasse"), QStringLiteral("日本語")}) {
        for (qsizetype n = 0; n <= query.size(); ++n)
            keystrokes.push_back(timeMs(1, [&] { window.filter->field()->setText(query.left(n)); }));
    }
    const double keystrokeWorstMs = *std::max_element(keystrokes.begin(), keystrokes.end());
    // Whole processes, each against its floor in the same run. The floor of an
    // addition is copying the file and putting the copy on the disk (sync of that
    // file, as the addition syncs its new version), that of --list counting lines.
    const int runs = 5;
    const QString addProgram = QCoreApplication::applicationDirPath() + QStringLiteral("/linkcrate-add");
    readCatalogue(bigFile);
    const QString lastFolder = QString::number(catalogue.FolderCount - 1);
    const auto addInto = [&](const QString &file) {
        return QStringList{addProgram, QStringLiteral("--file"), file, QStringLiteral("--folder-index"), lastFolder,
                           QStringLiteral("--text"), QStringLiteral("Bench"), QStringLiteral("https://bench.example/")};
    };
    const auto listOf = [&](const QString &file) { return QStringList{addProgram, QStringLiteral("--file"), file, QStringLiteral("--list")}; };
    const QString copy = bigFile + QStringLiteral(".copy");
    const auto cleanUp = [&] {
        emptyTrash();
        QFile::remove(copy);
    };
    const ProcessPair addition = timeProcesses(
        runs, {{QStringLiteral("cp"), bigFile, copy}, {QStringLiteral("sync"), copy}}, addInto(bigFile), cleanUp);
    const ProcessPair listing = timeProcesses(runs, {{QStringLiteral("wc"), QStringLiteral("-l"), bigFile}}, listOf(bigFile));
    cleanUp();
    // The small file's folders are fewer: its root list stands in for the last folder.
    const double addSmallMiB = peakOfProcess({addProgram, QStringLiteral("--file"), smallFile, QStringLiteral("--text"),
                                              QStringLiteral("Bench"), QStringLiteral("https://bench.example/")});
    const double addBigMiB = peakOfProcess(addInto(bigFile));
    const double listSmallMiB = peakOfProcess(listOf(smallFile));
    const double listBigMiB = peakOfProcess(listOf(bigFile));
    emptyTrash();
    // The catalogue against the read floor in separate processes: a process's
    // memory and caches make its ratio differ from the next one's.
    std::vector<double> catalogueRatios;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        process.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--catalogue-ratio"), bigFile, QStringLiteral("--reps"), QString::number(reps)});
        if (!process.waitForFinished(600000) || process.exitCode() != 0)
            fail(QStringLiteral("the catalogue process failed"));
        catalogueRatios.push_back(process.readAllStandardOutput().trimmed().toDouble());
    }
    const Spread catalogueSpread = spreadOf(catalogueRatios);
    // The window's start-up, each in a process of its own: its time, and its
    // peak memory.
    const auto startUp = [&](const QString &file) {
        const QStringList command{QCoreApplication::applicationFilePath(), QStringLiteral("--start-up"), file};
        std::vector<double> ms;
        for (int i = 0; i < runs; ++i) {
            QProcess process;
            process.start(command.first(), command.mid(1));
            if (!process.waitForFinished(600000) || process.exitCode() != 0)
                fail(QStringLiteral("the start-up process failed"));
            ms.push_back(process.readAllStandardOutput().trimmed().toDouble());
        }
        return std::pair{spreadOf(ms), peakOfProcess(command)};
    };
    const auto [startUpSmall, startUpSmallMiB] = startUp(smallFile);
    const auto [startUpBig, startUpBigMiB] = startUp(bigFile);
    const auto [startUpMany, startUpManyMiB] = startUp(manyFile);

    const double mb = double(QFileInfo(bigFile).size()) / 1e6;
    std::printf("Linkcrate benchmark: %.1f MB, %.0f lines, %d folders, %d bookmarks, median of %d\n\n", mb, lines,
                big.folders, big.bookmarks, reps);
    std::printf("| step | time | target |\n|---|---|---|\n");
    std::printf("| floor_read (blocks + memchr) | %.1f ms | |\n", floorReadMs);
    std::printf("| catalogue (start-up's read) | %.1f ms | |\n", catalogueMs);
    std::printf("| catalogue / floor_read | %.2f | <= 2.0 |\n", catalogueMs / floorReadMs);
    std::printf("| floor_copy (copy + fsync) | %.1f ms | |\n", floorCopyMs);
    std::printf("| insert (last folder, trash + rename) | %.1f ms | |\n", insertMs);
    std::printf("| insert / floor_copy | %.2f | <= 1.25 |\n", insertMs / floorCopyMs);
    std::printf("| fill with tooltips, %d folders | %.1f ms (%.2f us/folder) | |\n", tenth.folders, fillTenthMs, perFolderTenthUs);
    std::printf("| fill with tooltips, %d folders | %.1f ms (%.2f us/folder) | |\n", big.folders, fillMs, perFolderUs);
    std::printf("| fill per folder, large / small | %.2f | <= 1.5 |\n", perFolderUs / perFolderTenthUs);
    std::printf("| catalogue with every address noted | %.1f ms | |\n", addressesMs);
    std::printf("| start-up (catalogue + fill), were addresses noted in its read | +%.0f%% | <= +15%%: so they are not |\n",
                100.0 * (addressesMs - catalogueMs) / startUpMs);
    std::printf("| first already-bookmarked check (notes the addresses) | %.1f ms | start-up +0%% |\n", firstCheckMs);
    std::printf("| filter, first opening (index of %d paths) | %.1f ms | |\n", big.folders, filterOpenMs);
    std::printf("| filter keystroke, %d folders: median / worst of %zu | %.1f / %.1f ms | < 50 ms |\n", big.folders,
                keystrokes.size(), median(keystrokes), keystrokeWorstMs);
    std::printf("| peak memory growth, catalogue: 1 KB -> %.0f MB | %.1f MiB -> %.1f MiB | in proportion to folders |\n", mb,
                catalogueSmallMem, catalogueBigMem);
    std::printf("| peak memory growth, insert: 1 KB -> %.0f MB | %.1f MiB -> %.1f MiB | <= +16 MiB |\n", mb, insertSmallMem,
                insertBigMem);
    std::printf("\nWhole processes, %d runs each in turns with the floor; ratio: median (min-max) of the runs\n\n", runs);
    std::printf("| process | time | floor | floor time | ratio | target |\n|---|---|---|---|---|---|\n");
    std::printf("| linkcrate-add into the last folder | %.1f ms | cp + sync | %.1f ms | %.2f (%.2f-%.2f) | <= 1.25 |\n",
                addition.stepMs, addition.floorMs, addition.ratio.median, addition.ratio.min, addition.ratio.max);
    std::printf("| linkcrate-add --list | %.1f ms | wc -l | %.1f ms | %.2f (%.2f-%.2f) | <= 2.5 |\n", listing.stepMs,
                listing.floorMs, listing.ratio.median, listing.ratio.min, listing.ratio.max);
    std::printf("| catalogue / floor_read, in %d processes | | | | %.2f (%.2f-%.2f) | <= 2.0 |\n", runs,
                catalogueSpread.median, catalogueSpread.min, catalogueSpread.max);
    std::printf("| peak memory, linkcrate-add: 1 KB -> %.0f MB | %.1f MiB -> %.1f MiB | | | %+.1f MiB | <= +16 MiB |\n", mb,
                addSmallMiB, addBigMiB, addBigMiB - addSmallMiB);
    std::printf("| peak memory, linkcrate-add --list: 1 KB -> %.0f MB | %.1f MiB -> %.1f MiB | | | %+.1f MiB | in proportion to folders |\n",
                mb, listSmallMiB, listBigMiB, listBigMiB - listSmallMiB);
    std::printf("\nThe window's start-up (file read, tree filled and shown), %d processes each: time median (min-max), "
                "peak memory\n\n",
                runs);
    std::printf("| file | time | peak memory | target |\n|---|---|---|---|\n");
    std::printf("| %d folders | %.1f ms (%.1f-%.1f) | %.1f MiB | |\n", small.folders, startUpSmall.median, startUpSmall.min,
                startUpSmall.max, startUpSmallMiB);
    std::printf("| %d folders | %.1f ms (%.1f-%.1f) | %.1f MiB | |\n", big.folders, startUpBig.median, startUpBig.min,
                startUpBig.max, startUpBigMiB);
    std::printf("| %d folders | %.1f ms (%.1f-%.1f) | %.1f MiB | < 100 MB |\n", manyFolders.folders, startUpMany.median,
                startUpMany.min, startUpMany.max, startUpManyMiB);
    return 0;
}
