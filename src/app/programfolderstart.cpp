#include "app/programfolderstart.h"

#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/xdg/xdgfolders.h"

#include <QCoreApplication>

std::optional<QString> openProgramFolder(Dialogs& dialogs)
{
    const QString executableDir = QCoreApplication::applicationDirPath();
    QString error;
    std::optional<QString> folder =
        chooseProgramFolder(executableDir, xdgBaseFolder("XDG_DATA_HOME", QStringLiteral("/.local/share")),
                            QDir::cleanPath(executableDir + QStringLiteral("/../share/zibac")), &error);
    if (!folder)
        dialogs.refuse(error);
    return folder;
}
