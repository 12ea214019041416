#pragma once

#include <QString>
#include <optional>

/// The folder of the program's own files: the events file, the songs, the chime and the help page.
/// It is executableDir when that folder holds the program's sounds and takes new files (a build or
/// an unpacked copy), or when nothing is installed in sharedDir; otherwise <dataHome>/zibac. The
/// first start creates that folder filled with a copy of sharedDir (the songs, chime and help page
/// that an installation puts in <prefix>/share/zibac); a folder that exists is used as it is.
/// Empty, with error set to a sentence for the user, when the data folder cannot be used.
std::optional<QString> chooseProgramFolder(const QString& executableDir, const QString& dataHome,
                                           const QString& sharedDir, QString* error);
