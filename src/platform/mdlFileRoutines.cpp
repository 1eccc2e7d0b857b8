#include "platform/mdlFileRoutines.h"

#include "platform/UserPrompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

namespace mdlFileRoutines {

namespace {

// A trashed file lands in <trash>/files/<name>, its record in <trash>/info/<name>.trashinfo,
// where <trash> is the home trash or a ".Trash" folder at the top of a mount.
bool isInATrash(const QString &pathInTrash)
{
    const QFileInfo trashed(pathInTrash);
    if (!trashed.isAbsolute() || trashed.dir().dirName() != QLatin1String("files"))
        return false;
    QDir trash = trashed.dir();
    if (!trash.cdUp())
        return false;
    const QString name = trash.dirName();
    const bool trashName = name == QLatin1String("Trash") || name.startsWith(QLatin1String(".Trash"))
        || QFileInfo(trash.absolutePath()).dir().dirName() == QLatin1String(".Trash");
    return trashName && QFileInfo::exists(trash.filePath(QStringLiteral("info/%1.trashinfo").arg(trashed.fileName())));
}

} // namespace

qint32 RecycleFile(const QString &path, bool confirm, UserPrompts *prompts, RecycleDetails *details)
{
    if (confirm) {
        const QString question = QStringLiteral("Move \"%1\" to the trash?").arg(QFileInfo(path).fileName());
        if (!prompts || !prompts->confirm(question)) {
            if (details)
                details->error = QStringLiteral("not confirmed");
            return RecycleDeclined;
        }
    }
    // The trash folder is made inside the data folder, which a fresh account may
    // not have yet.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!dataHome.isEmpty())
        QDir().mkpath(dataHome);

    const QString original = QFileInfo(path).absoluteFilePath();
    QFile file(path);
    if (!file.moveToTrash()) {
        if (details)
            details->error = file.errorString().isEmpty() ? QStringLiteral("the trash could not be reached")
                                                          : file.errorString();
        return RecycleFailed;
    }
    // When no trash folder can be made, Qt may still report success after moving
    // the file into "files" under the current folder. That is no trash: put the
    // file back and say so.
    const QString pathInTrash = QFileInfo(file.fileName()).absoluteFilePath();
    if (!isInATrash(pathInTrash)) {
        const QFileInfo stray(pathInTrash);
        std::rename(QFile::encodeName(pathInTrash).constData(), QFile::encodeName(original).constData());
        QDir strayTrash = stray.dir();
        strayTrash.cdUp();
        QFile::remove(strayTrash.filePath(QStringLiteral("info/%1.trashinfo").arg(stray.fileName())));
        strayTrash.rmdir(QStringLiteral("info"));
        strayTrash.rmdir(QStringLiteral("files"));
        if (details)
            details->error = QStringLiteral("the trash folder could not be made");
        return RecycleFailed;
    }
    if (details)
        details->pathInTrash = pathInTrash;
    return RecycleOk;
}

bool PutBack(const RecycleDetails &trashed, const QString &original, QString &error)
{
    if (std::rename(QFile::encodeName(trashed.pathInTrash).constData(), QFile::encodeName(original).constData()) != 0) {
        error = QStringLiteral("rename failed");
        return false;
    }
    const QFileInfo inTrash(trashed.pathInTrash);
    QFile::remove(inTrash.dir().absoluteFilePath(QStringLiteral("../info/%1.trashinfo").arg(inTrash.fileName())));
    return true;
}

} // namespace mdlFileRoutines
