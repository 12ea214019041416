// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/programfolder.h"

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

// Real attempts: root passes every file mode check that QFileInfo::isWritable() makes.
bool takesNewFiles(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.zibac-probe-XXXXXX"));
    return probe.open();
}

bool opensForWriting(const QString& file)
{
    QFile probe(file);
    return QFileInfo(file).isFile() && probe.open(QIODevice::WriteOnly | QIODevice::Append);
}

// The program's own files in a folder, relative to it: the songs, the chime and the help page.
// Nothing else of an executable's folder (the program, its libraries) is the user's to keep.
QStringList ownFiles(const QString& folder)
{
    const QDir dir(folder);
    QStringList files = dir.entryList({QStringLiteral("*.wav"), QStringLiteral("didi.snd")}, QDir::Files);
    QDirIterator help(dir.filePath(QStringLiteral("help")), QDir::Files, QDirIterator::Subdirectories);
    while (help.hasNext())
        files << dir.relativeFilePath(help.next());
    return files;
}

// The copy is the user's own: writable, whatever the installed file's mode.
bool copyFile(const QString& source, const QString& target, QString* error)
{
    QFile file(source);
    if (!QDir().mkpath(QFileInfo(target).path()) || !file.copy(target)) {
        *error = QCoreApplication::translate("ProgramFolder", "Cannot copy %1 to %2: %3")
                     .arg(source, target, file.errorString());
        return false;
    }
    QFile::setPermissions(target, QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner);
    return true;
}

// Copies what the target does not have yet; a file of the user's is never replaced.
bool copyOwnFiles(const QString& from, const QString& to, QString* error)
{
    for (const QString& name : ownFiles(from)) {
        const QString target = QDir(to).filePath(name);
        if (!QFileInfo::exists(target) && !copyFile(QDir(from).filePath(name), target, error))
            return false;
    }
    return true;
}

// Fills a folder beside the target and renames it into place, so that a failed or a simultaneous
// first start never leaves a half-filled program folder.
bool createFilled(const QString& target, const QString& from, QString* error)
{
    QTemporaryDir staging(target + QStringLiteral("-new-XXXXXX"));
    if (!staging.isValid()) {
        *error = staging.errorString();
        return false;
    }
    if (!copyOwnFiles(from, staging.path(), error))
        return false;
    // Another start may have put its folder there first: that one serves.
    return QDir().rename(staging.path(), target) || QFileInfo(target).isDir();
}

} // namespace

ProgramFolderChoice chooseProgramFolder(const QString& executableDir, const QString& dataHome, const QString& sharedDir,
                                        const QString& eventsFileName)
{
    using Reason = ProgramFolderChoice::Reason;
    ProgramFolderChoice choice;
    const bool installed = QFileInfo(sharedDir).isDir();
    const QString ownList = eventsFileName.isEmpty() ? QString() : QDir(executableDir).filePath(eventsFileName);
    const bool listThere = !ownList.isEmpty() && QFileInfo(ownList).isFile();
    const bool takesFiles = takesNewFiles(executableDir);
    const bool listWritable = listThere && opensForWriting(ownList);
    if ((holdsSounds(QDir(executableDir)) || !installed) && (takesFiles || listWritable)) {
        choice.folder = executableDir;
        choice.usable = true;
        return choice;
    }
    choice.reason = takesFiles                   ? Reason::SoundsInstalled
                    : listThere && !listWritable ? Reason::ListReadOnly
                                                 : Reason::RefusesNewFiles;

    const QString folder = QDir::cleanPath(dataHome + QStringLiteral("/zibac"));
    const QString soundsFrom = installed ? sharedDir : executableDir;
    choice.folder = folder;
    bool ready = true;
    if (!QFileInfo(folder).isDir()) {
        ready = QDir().mkpath(dataHome) && createFilled(folder, soundsFrom, &choice.error);
        choice.moved = ready;
    } else if (!holdsSounds(QDir(folder)) && !ownFiles(soundsFrom).isEmpty()) {
        // A folder left empty by an earlier start, or emptied: the songs come back.
        ready = copyOwnFiles(soundsFrom, folder, &choice.error);
        choice.moved = ready;
    }
    ready = ready && takesNewFiles(folder);
    const QString listHere = eventsFileName.isEmpty() ? QString() : QDir(folder).filePath(eventsFileName);
    if (ready && listThere && !QFileInfo::exists(listHere)) {
        ready = copyFile(ownList, listHere, &choice.error);
        if (ready) {
            choice.copiedList = ownList;
            choice.moved = true;
        }
    }
    choice.usable = ready;
    return choice;
}
