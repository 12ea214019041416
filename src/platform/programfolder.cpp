#include "platform/programfolder.h"

#include "core/programinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>

namespace {

bool holdsSounds(const QDir& folder)
{
    return folder.exists(QStringLiteral("didi.snd")) ||
           !folder.entryList({QStringLiteral("*.wav")}, QDir::Files).isEmpty();
}

// A real attempt: root passes every file mode check that QFileInfo::isWritable() makes.
bool takesNewFiles(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.zibac-probe-XXXXXX"));
    return probe.open();
}

bool copyTree(const QString& from, const QString& to, QString* error)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        QFile file(source);
        if (!QDir().mkpath(QFileInfo(target).path()) || !file.copy(target)) {
            *error = QCoreApplication::translate("ProgramFolder", "Cannot copy %1 to %2: %3")
                         .arg(source, target, file.errorString());
            return false;
        }
        QFile::setPermissions(target, QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner);
    }
    return true;
}

// Fills a folder beside the target and renames it into place, so that a failed or a simultaneous
// first start never leaves a half-filled program folder.
bool createFilled(const QString& target, const QString& sharedDir, QString* error)
{
    QTemporaryDir staging(target + QStringLiteral("-new-XXXXXX"));
    if (!staging.isValid()) {
        *error = staging.errorString();
        return false;
    }
    if (!copyTree(sharedDir, staging.path(), error))
        return false;
    // Another start may have put its folder there first: that one serves.
    return QDir().rename(staging.path(), target) || QFileInfo(target).isDir();
}

} // namespace

std::optional<QString> chooseProgramFolder(const QString& executableDir, const QString& dataHome,
                                           const QString& sharedDir, QString* error)
{
    const bool installed = QFileInfo(sharedDir).isDir();
    if ((holdsSounds(QDir(executableDir)) || !installed) && takesNewFiles(executableDir))
        return executableDir;

    const QString folder = QDir::cleanPath(dataHome + QStringLiteral("/zibac"));
    QString reason;
    const bool made =
        QFileInfo(folder).isDir() ||
        (QDir().mkpath(dataHome) && (installed ? createFilled(folder, sharedDir, &reason) : QDir().mkpath(folder)));
    if (made && takesNewFiles(folder))
        return folder;
    *error = QCoreApplication::translate("ProgramFolder",
                                         "%1 keeps your alarm list and songs in the folder %2, but cannot "
                                         "create it or write in it%3. Nothing was changed. Make the folder writable "
                                         "and start the program again.")
                 .arg(ProgramInfo::name(), QDir::toNativeSeparators(folder),
                      reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reason));
    return std::nullopt;
}
