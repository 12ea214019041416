// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/alarmevent.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

/// What the loader needs to know to build rows: the moment of evaluation and the display
/// forms of dates and times.
struct EventsLoadContext
{
    QString lastCheckDate; // "yyyy/mm/dd"
    QString lastCheckTime; // "hh:mm:ss"
    std::function<QString(const QString& ymd)> renderDate;
    std::function<QString(const QString& time24)> displayTime;
};

struct EventsLoadResult
{
    enum class Status { Loaded, Missing, OpenFailed };
    Status status = Status::Missing;
    std::vector<AlarmEvent> events;
    /// "Data N, Field\r\n" per failure, in file order; empty when every line was good.
    QString report;
    /// Three bad headers ended the load; events is then empty.
    bool corrupted = false;
    /// The platform's text when the file could not be opened or read.
    QString error;
};

struct FileResult
{
    enum class Failure { None, SourceMissing, OpenFailed, ReadFailed, WriteFailed };
    bool ok = true;
    Failure failure = Failure::None;
    /// The file that failed, as the messages name it.
    QString path;
    /// The platform's text of the failure.
    QString error;
    /// The texts of the error boxes to show, in order.
    QStringList messages;
};

/// The loader refuses larger files: no list of alarms comes near this.
inline constexpr qint64 maxEventsFileSize = qint64{64} * 1024 * 1024;

/// Reads, checks and decodes every line of an events file. Anything but a regular file, and a
/// file over maxEventsFileSize, is refused as a file that cannot be opened.
EventsLoadResult readEventsFile(const QString& path, const EventsLoadContext& context);
/// The same for the bytes of a file already read.
EventsLoadResult readEventsData(QByteArrayView bytes, const EventsLoadContext& context);
/// The whole file text of the events, each line ended by CR LF.
QString eventsFileText(const std::vector<AlarmEvent>& events);
/// The user's state folder, where saves keep their journals: $XDG_STATE_HOME/zibac, or
/// ~/.local/state/zibac.
QString saveJournalFolder();
/// Writes the events as a new file that replaces the old one only when every line was written,
/// keeping the old content as previousVersionName() unless it was empty or is unchanged.
/// Where the folder refuses new files the file is rewritten in place, after its new content was
/// kept whole in a journal in journalFolder, from which finishInterruptedSave completes a rewrite
/// that was cut. Messages name the file without its folder.
FileResult writeEventsFile(const QString& path, const std::vector<AlarmEvent>& events,
                           const QString& journalFolder = saveJournalFolder());
/// The journal of one events file, named after its absolute path.
QString saveJournalPath(const QString& eventsPath, const QString& journalFolder);
/// Keeps the complete new content of an events file, and the file's path, in its journal (synced
/// to disk). Returns the platform's text of a failure, or nothing.
QString writeSaveJournal(const QString& eventsPath, const QByteArray& content, const QString& journalFolder);
/// Completes a save that was cut: a whole journal of this events file is written into it, then
/// removed. A journal cut short (the file was not touched yet) is removed; one that names another
/// file is left alone. Without a journal nothing happens.
FileResult finishInterruptedSave(const QString& path, const QString& journalFolder = saveJournalFolder());
/// Copies a file byte for byte into a new file that replaces the destination only when the copy
/// is whole, keeping the source's permissions. A file is never copied onto itself.
/// Messages name the files with their paths as given.
FileResult copyFileData(const QString& source, const QString& destination);
/// The backup's file name: the extension replaced by ".bak", or ".bak" added; never the events
/// file's own name.
QString backupFileName(const QString& eventsFileName);
/// Where a save keeps the version it replaces: the events file's name with ".prev" added.
QString previousVersionName(const QString& eventsPath);
/// The text of the report window shown after a load that found bad lines.
QString loadReportMessage(const QString& backupName, const QString& report);
/// "Error occurred when trying to open <name>\r\nError # <platform text>".
QString openErrorMessage(const QString& name, const QString& platformText);
/// The box shown when three bad headers end a load.
QString corruptedFileMessage(const QString& name);
