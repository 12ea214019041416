#pragma once

#include <QString>
#include <QStringList>
#include <optional>

/// The text that answers --help and --version, for standard output, after which the program ends
/// successfully; nothing when the program is to start. Reads no setting and needs
/// no application object, so that the answer comes before any window, lock or settings file.
/// Options it does not know are left to Qt (-platform, -style...).
std::optional<QString> answerCommandLine(const QStringList& arguments);
