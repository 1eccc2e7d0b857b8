#include "bookmarks/LastAddition.h"

#include "bookmarks/BookmarkLock.h"
#include "platform/mdlFileRoutines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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
            {QStringLiteral("PreviousInode"), previous.inode},
            {QStringLiteral("Title"), title},
            {QStringLiteral("Folder"), folder}};
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
    record.title = map.value(QStringLiteral("Title")).toString();
    record.folder = map.value(QStringLiteral("Folder")).toString();
    return record;
}

FileError LastAddition::undo(BookmarkLock *heldLock) const
{
    if (!isValid())
        //: Follows the program's name, "Linkcrate".
        return FileError::unusable(QStringLiteral("Linkcrate"), QCoreApplication::translate("LastAddition", "has added no bookmark that could be undone."));
    // The record is read from a file the user can edit: a path that Linkcrate
    // never writes there is refused before a lock is made beside it.
    if (!QFileInfo(file).isAbsolute() || QDir::cleanPath(file) != file)
        //: This and the next few follow the bookmark file's name.
        return FileError::unusable(file, QCoreApplication::translate("LastAddition", "is not a path that Linkcrate records; the record of the last "
                                                        "addition was dropped."));
    std::optional<BookmarkLock> ownLock;
    if (!heldLock) {
        ownLock.emplace(file);
        if (!ownLock->tryLock(10000))
            return FileError::io(QStringLiteral("undo the last addition to"), file, ownLock->errorString());
    }
    FileIdentity now;
    QString reason;
    if (!FileIdentity::read(file, now, reason) || !(now == written))
        return FileError::unusable(file, QCoreApplication::translate("LastAddition", "has changed since the last addition, which can no longer be "
                                                        "undone."));
    // The trash may have been emptied and the name taken by another file since.
    struct stat st {};
    if (::lstat(QFile::encodeName(pathInTrash).constData(), &st) != 0 || !S_ISREG(st.st_mode)
        || st.st_ino != previous.inode || st.st_size != previous.size || st.st_dev != written.device
        || qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec != previous.mtimeNs)
        return FileError::unusable(file, QCoreApplication::translate("LastAddition", "cannot go back to its previous version: that version is no "
                                                        "longer in the trash."));

    // Everything else the record names is checked before anything is moved, and
    // nothing outside the trash is ever removed.
    const mdlFileRoutines::RecycleDetails trashed{pathInTrash, infoPath, {}};
    QString why;
    if (!mdlFileRoutines::BelongsTo(trashed, file, why))
        return FileError::unusable(file, QCoreApplication::translate("LastAddition", "cannot be put back as the record of the last addition says, "
                                                        "which was dropped: %1.").arg(why));

    // The version being undone goes to the trash too: nothing is ever deleted. It
    // gets its second name there before the previous version takes the file's
    // name in one rename, so that the name never stands empty.
    mdlFileRoutines::RecycleDetails undone;
    QString putBackError;
    const qint32 linked = mdlFileRoutines::LinkToTrash(file, undone);
    if (linked == mdlFileRoutines::RecycleOk) {
        if (mdlFileRoutines::PutBackOver(trashed, file, putBackError))
            return {};
        mdlFileRoutines::Discard(undone);
        return FileError::io(QStringLiteral("put back the previous version of"), file, putBackError);
    }
    if (linked != mdlFileRoutines::RecycleNoLinks
        || mdlFileRoutines::RecycleFile(file, false, nullptr, &undone) != mdlFileRoutines::RecycleOk)
        return FileError::trash(file, undone.error);
    // Without hard links the name is free for a moment; a kill then leaves both
    // versions in the trash, and the next start puts the one undone back.
    if (mdlFileRoutines::PutBack(trashed, file, putBackError))
        return {};
    QString restoreError;
    if (mdlFileRoutines::PutBack(undone, file, restoreError))
        return FileError::io(QStringLiteral("put back the previous version of"), file, putBackError);
    FileError stuck = FileError::io(
        QStringLiteral("put back the previous version of"), file,
        QCoreApplication::translate("LastAddition", "%1. Both versions are in the trash: the previous one as \"%2\", the one undone as \"%3\".")
            .arg(putBackError, pathInTrash, undone.pathInTrash));
    stuck.fileUnchanged = false;
    return stuck;
}
