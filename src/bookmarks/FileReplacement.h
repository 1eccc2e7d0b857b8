#pragma once

#include "bookmarks/FileAccess.h"
#include "bookmarks/FileError.h"
#include "platform/mdlFileRoutines.h"

#include <QFile>
#include <QString>

// Replaces a file without ever leaving it damaged or missing: the new version is
// written to "<file>.tmp" beside it and put on the disk; then the trash gets the
// old version as a second name, and the new one takes the file's name in one
// rename. Knows nothing of what is written. Until commit() succeeds, the temporary file is removed when this goes.
class FileReplacement
{
public:
    explicit FileReplacement(const QString &target);
    ~FileReplacement();
    FileReplacement(const FileReplacement &) = delete;
    FileReplacement &operator=(const FileReplacement &) = delete;

    static QString temporaryFileName(const QString &target) { return target + QStringLiteral(".tmp"); }

    // Creates the temporary file with the permissions of `original`, the target as
    // it was opened. A read-only target is refused: its owner meant it to stay.
    [[nodiscard]] FileError begin(const FileIdentity &original);
    // Where the new version is written (unbuffered).
    QIODevice *device() { return &m_out; }
    // Puts the new version on the disk; then, if the target is still `expected`,
    // gives the old version to the trash and puts the new one in its place. `written` is the new version's identity.
    [[nodiscard]] FileError commit(const FileIdentity &expected, FileIdentity &written);
    // Where the previous version went, once commit() succeeded.
    const mdlFileRoutines::RecycleDetails &trashed() const { return m_trashed; }

private:
    // The temporary file, which starts putting what it was given on the disk
    // every few megabytes: the flush at commit() then waits for the last few
    // only, instead of for the whole file after it is written.
    class TemporaryFile : public QFile
    {
    protected:
        qint64 writeData(const char *data, qint64 size) override;

    private:
        qint64 m_written = 0;
        qint64 m_onTheWay = 0; // the bytes before this have been sent to the disk
    };

    [[nodiscard]] FileError moveAsideAndReplace();

    QString m_target;
    QString m_tmp;
    TemporaryFile m_out;
    mdlFileRoutines::RecycleDetails m_trashed;
    bool m_created = false;
    bool m_committed = false;
};
