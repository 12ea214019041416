#pragma once

#include "alarms/alarmevent.h"

#include <QString>
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
    /// The platform's text when the file could not be opened.
    QString error;
};

struct FileResult
{
    bool ok = true;
    QString error; // the platform's text on failure
};

/// Reads, checks and decodes every line of an events file.
EventsLoadResult readEventsFile(const QString& path, const EventsLoadContext& context);
/// Writes the events as a new file that replaces the old one only when every line was written.
FileResult writeEventsFile(const QString& path, const std::vector<AlarmEvent>& events);
/// Copies a file byte for byte, keeping the source's permissions; every write is checked.
FileResult copyFileData(const QString& source, const QString& destination);
/// The backup's file name: the extension replaced by ".bak", or ".bak" added.
QString backupFileName(const QString& eventsFileName);
/// The text of the report window shown after a load that found bad lines.
QString loadReportMessage(const QString& backupName, const QString& report);
