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

/// Reads, checks and decodes every line of an events file.
EventsLoadResult readEventsFile(const QString& path, const EventsLoadContext& context);
/// The same for the bytes of a file already read.
EventsLoadResult readEventsData(QByteArrayView bytes, const EventsLoadContext& context);
/// The whole file text of the events, each line ended by CR LF.
QString eventsFileText(const std::vector<AlarmEvent>& events);
/// Writes the events as a new file that replaces the old one only when every line was written.
/// Messages name the file without its folder.
FileResult writeEventsFile(const QString& path, const std::vector<AlarmEvent>& events);
/// Copies a file byte for byte, keeping the source's permissions; every write is checked.
/// Messages name the files with their paths as given.
FileResult copyFileData(const QString& source, const QString& destination);
/// The backup's file name: the extension replaced by ".bak", or ".bak" added.
QString backupFileName(const QString& eventsFileName);
/// The text of the report window shown after a load that found bad lines.
QString loadReportMessage(const QString& backupName, const QString& report);
/// "Error occurred when trying to open <name>\r\nError # <platform text>".
QString openErrorMessage(const QString& name, const QString& platformText);
/// The box shown when three bad headers end a load.
QString corruptedFileMessage(const QString& name);
