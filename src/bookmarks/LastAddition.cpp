#include "bookmarks/LastAddition.h"

#include "bookmarks/BookmarkLock.h"
#include "platform/mdlFileRoutines.h"

#include <QFile>

#include <optional>
#include <sys/stat.h>

QVariantMap LastAddition::toMap() const
{
    return {{QStringLiteral("File"), file},
            {QStringLiteral("Size"), written.size},
            {QStringLiteral("ModifiedNs"), written.mtimeNs},
            {QStringLiteral("Inode"), written.inode},
            {QStringLiteral("Device"), written.device},
            {QStringLiteral("InTrash"), pathInTrash},
            {QStringLiteral("TrashInfo"), infoPath},
            {QStringLiteral("PreviousSize"), previous.size},
            {QStringLiteral("PreviousModifiedNs"), previous.mtimeNs},
            {QStringLiteral("PreviousInode"), previous.inode}};
}

LastAddition LastAddition::fromMap(const QVariantMap &map)
{
    LastAddition record;
    record.file = map.value(QStringLiteral("File")).toString();
    record.written.size = map.value(QStringLiteral("Size"), -1).toLongLong();
    record.written.mtimeNs = map.value(QStringLiteral("ModifiedNs")).toLongLong();
    record.written.inode = map.value(QStringLiteral("Inode")).toULongLong();
    record.written.device = map.value(QStringLiteral("Device")).toULongLong();
    record.pathInTrash = map.value(QStringLiteral("InTrash")).toString();
    record.infoPath = map.value(QStringLiteral("TrashInfo")).toString();
    record.previous.size = map.value(QStringLiteral("PreviousSize"), -1).toLongLong();
    record.previous.mtimeNs = map.value(QStringLiteral("PreviousModifiedNs")).toLongLong();
    record.previous.inode = map.value(QStringLiteral("PreviousInode")).toULongLong();
    return record;
}

FileError LastAddition::undo(BookmarkLock *heldLock) const
{
    if (!isValid())
        return FileError::unusable(QStringLiteral("Linkcrate"), QStringLiteral("has added no bookmark that could be undone."));
    std::optional<BookmarkLock> ownLock;
    if (!heldLock) {
        ownLock.emplace(file);
        if (!ownLock->tryLock(10000))
            return FileError::io(QStringLiteral("undo the last addition to"), file, ownLock->errorString());
    }
    FileIdentity now;
    QString reason;
    if (!FileIdentity::read(file, now, reason) || !(now == written))
        return FileError::unusable(file, QStringLiteral("has changed since the last addition, which can no longer be "
                                                        "undone."));
    // The trash may have been emptied and the name taken by another file since.
    struct stat st {};
    if (::lstat(QFile::encodeName(pathInTrash).constData(), &st) != 0 || !S_ISREG(st.st_mode)
        || st.st_ino != previous.inode || st.st_size != previous.size
        || qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec != previous.mtimeNs)
        return FileError::unusable(file, QStringLiteral("cannot go back to its previous version: that version is no "
                                                        "longer in the trash."));

    // The version being undone goes to the trash too: nothing is ever deleted.
    mdlFileRoutines::RecycleDetails undone;
    if (mdlFileRoutines::RecycleFile(file, false, nullptr, &undone) != mdlFileRoutines::RecycleOk)
        return FileError::trash(file, undone.error);
    const mdlFileRoutines::RecycleDetails trashed{pathInTrash, infoPath, {}};
    QString putBackError;
    if (mdlFileRoutines::PutBack(trashed, file, putBackError))
        return {};
    QString restoreError;
    if (mdlFileRoutines::PutBack(undone, file, restoreError))
        return FileError::io(QStringLiteral("put back the previous version of"), file, putBackError);
    FileError stuck = FileError::io(
        QStringLiteral("put back the previous version of"), file,
        QStringLiteral("%1. Both versions are in the trash: the previous one as \"%2\", the one undone as \"%3\".")
            .arg(putBackError, pathInTrash, undone.pathInTrash));
    stuck.fileUnchanged = false;
    return stuck;
}
