#include "platform/mdlFileRoutines.h"

#include "platform/UserPrompts.h"

#include <QFile>
#include <QFileInfo>

namespace mdlFileRoutines {

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
    QFile file(path);
    if (!file.moveToTrash()) {
        if (details)
            details->error = file.errorString().isEmpty() ? QStringLiteral("the trash could not be reached")
                                                          : file.errorString();
        return RecycleFailed;
    }
    if (details)
        details->pathInTrash = file.fileName(); // now the path in the trash
    return RecycleOk;
}

} // namespace mdlFileRoutines
