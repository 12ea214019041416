// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// Where a program keeps its own files, and how it came to that folder.
struct ProgramFolderChoice
{
    /// Why the executable's folder does not serve.
    enum class Reason {
        None,
        /// The folder refuses new files and holds no writable list of the name in the settings.
        RefusesNewFiles,
        /// The folder refuses new files and the list of that name in it cannot be written.
        ListReadOnly,
        /// The folder holds none of the program's sounds; an installation does.
        SoundsInstalled,
    };

    /// The folder chosen or, when it cannot be used, the data folder that failed.
    QString folder;
    bool usable = false;
    /// The platform's account of what failed, when usable is false; it may be empty.
    QString error;
    Reason reason = Reason::None;
    /// This start created, filled or gave a list to the data folder: the first in it.
    bool moved = false;
    /// The list copied from the executable's folder, or empty.
    QString copiedList;
};

/// The folder of the program's own files: the events file, the songs, the chime and the help page.
/// It is executableDir when that folder holds the program's sounds (or nothing is installed in
/// sharedDir) and either takes new files or holds a writable list named eventsFileName; saves then
/// rewrite that list in place. Otherwise it is <dataHome>/zibac. The first start there fills it with
/// the sounds and help page of sharedDir (an installation's <prefix>/share/zibac) or, without one,
/// of executableDir; a folder that holds sounds is used as it is. The list named eventsFileName is
/// copied into it from executableDir when it has none, so that no list is left behind.
ProgramFolderChoice chooseProgramFolder(const QString& executableDir, const QString& dataHome, const QString& sharedDir,
                                        const QString& eventsFileName);
