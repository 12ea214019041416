// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/programfolderstart.h"

#include "core/programinfo.h"
#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/xdg/xdgfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(ProgramFolder)

public:
    static QString moved(const ProgramFolderChoice& choice, const QString& executableDir)
    {
        const QString folder = QDir::toNativeSeparators(choice.folder);
        const QString own = QDir::toNativeSeparators(executableDir);
        QString text;
        switch (choice.reason) {
        case ProgramFolderChoice::Reason::ListReadOnly:
            text = tr("%1 now keeps your alarm list and songs in the folder %2, because it may not change "
                      "the alarm list in its own folder %3.")
                       .arg(ProgramInfo::name(), folder, own);
            break;
        case ProgramFolderChoice::Reason::SoundsInstalled:
            text = tr("%1 now keeps your alarm list and songs in the folder %2, because its own folder %3 "
                      "holds none of its songs.")
                       .arg(ProgramInfo::name(), folder, own);
            break;
        default:
            text = tr("%1 now keeps your alarm list and songs in the folder %2, because it may not add "
                      "files to its own folder %3.")
                       .arg(ProgramInfo::name(), folder, own);
            break;
        }
        if (!choice.copiedList.isEmpty())
            text += QStringLiteral("\r\n\r\n") +
                    tr("Your alarm list %1 was copied there. The list in %2 stays as it was and is no longer "
                       "changed.")
                        .arg(QFileInfo(choice.copiedList).fileName(), own);
        return text;
    }

    static QString unusable(const ProgramFolderChoice& choice)
    {
        const QString why = choice.error.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(choice.error);
        return tr("%1 keeps your alarm list and songs in the folder %2, but cannot create it or write in it%3. "
                  "Make the folder writable and start the program again.")
            .arg(ProgramInfo::name(), QDir::toNativeSeparators(choice.folder), why);
    }
};

} // namespace

std::optional<QString> openProgramFolder(Dialogs& dialogs, const QString& executableDir, const QString& eventsFileName)
{
    const ProgramFolderChoice choice =
        chooseProgramFolder(executableDir, xdgBaseFolder("XDG_DATA_HOME", QStringLiteral("/.local/share")),
                            QDir::cleanPath(executableDir + QStringLiteral("/../share/zibac")), eventsFileName);
    if (!choice.usable) {
        dialogs.refuse(Texts::unusable(choice));
        return std::nullopt;
    }
    if (choice.moved)
        dialogs.inform(Texts::moved(choice, executableDir));
    return choice.folder;
}
