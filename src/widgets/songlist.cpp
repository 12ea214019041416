// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/songlist.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {
bool storableName(const QString& name)
{
    if (name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('\r')) || name.contains(QLatin1Char('\n')))
        return false;
    // A name that does not survive the file-name encoding could never be opened again.
    return QFile::decodeName(QFile::encodeName(name)) == name && !name.contains(QChar::ReplacementCharacter);
}
} // namespace

QStringList waveSongs(const QString& programDir)
{
    const QDir dir(programDir);
    if (!dir.exists())
        return {};
    QStringList songs;
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (entry.isHidden() || !(entry.permissions() & QFileDevice::WriteOwner))
            continue;
        if (!name.toLower().endsWith(QStringLiteral(".wav")) || !storableName(name))
            continue;
        songs.append(name.left(name.size() - 4));
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(songs.begin(), songs.end(), collator);
    return songs;
}

QStringList speakerSongs()
{
    return {QStringLiteral("Hurry"), QStringLiteral("Game")};
}
