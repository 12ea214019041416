// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/eventsfile.h"

#include "alarms/activation.h"
#include "alarms/eventline.h"
#include "alarms/textencoding.h"
#include "core/programinfo.h"
#include "platform/xdg/xdgfolders.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString translated(const char* source)
{
    return QCoreApplication::translate("EventsFile", source);
}

const QString crLf = QStringLiteral("\r\n");
// What was being done to the file, by FileResult::Failure.
//: What was being done to a file, the %1 of "Error occurred when trying to %1 %2".
const char* const fileActions[] = {nullptr, nullptr, QT_TRANSLATE_NOOP("EventsFile", "open"),
                                   QT_TRANSLATE_NOOP("EventsFile", "read"), QT_TRANSLATE_NOOP("EventsFile", "write")};
const char* const notRegularFile = QT_TRANSLATE_NOOP("EventsFile", "Not a regular file");
const QByteArray journalMagic = "ZIBAC SAVE JOURNAL 1\n";

// Files hold few distinct dates and times: format each once per load. Keys are the digits of the
// checked "yyyy/mm/dd" or "hh:mm:ss" read as one number, cheaper to hash than the text.
class DisplayTextCache
{
public:
    explicit DisplayTextCache(const EventsLoadContext& context)
        : m_context(context)
    {}

    QString dateTimeText(const QString& date, const QString& time)
    {
        const QString timeText = lookup(m_times, time, m_context.displayTime);
        if (date == AlarmText::noDate)
            return timeText;
        return lookup(m_dates, date, m_context.renderDate) + QStringLiteral(" - ") + timeText;
    }

private:
    static int digitsKey(const QString& text)
    {
        int key = 0;
        for (const QChar c : text) {
            if (c.isDigit())
                key = key * 10 + c.digitValue();
        }
        return key;
    }

    static QString lookup(QHash<int, QString>& cache, const QString& text,
                          const std::function<QString(const QString&)>& format)
    {
        const int key = digitsKey(text);
        auto it = cache.constFind(key);
        if (it == cache.constEnd())
            it = cache.insert(key, format ? format(text) : QString());
        return *it;
    }

    const EventsLoadContext& m_context;
    QHash<int, QString> m_dates;
    QHash<int, QString> m_times;
};

// Lines end in CR LF, LF or a lone CR (old Mac files); a message never holds a CR or LF of its own.
class LineSplitter
{
public:
    explicit LineSplitter(const QString& text)
        : m_text(text)
    {}
    bool hasNext() const { return m_pos < m_text.size(); }
    QStringView next()
    {
        // The next line end of each kind is looked up only once passed: a file of CR-only lines
        // holds no LF, and must not be searched for one at every line.
        if (m_lineFeed != none && m_lineFeed < m_pos)
            m_lineFeed = m_text.indexOf(u'\n', m_pos);
        if (m_return != none && m_return < m_pos)
            m_return = m_text.indexOf(u'\r', m_pos);
        qsizetype end = m_lineFeed == none ? m_text.size() : m_lineFeed;
        qsizetype next = end + 1;
        if (m_return != none && m_return < end) {
            next = m_return + 1 == end ? end + 1 : m_return + 1;
            end = m_return;
        }
        const QStringView line = m_text.sliced(m_pos, end - m_pos);
        m_pos = next;
        return line;
    }

private:
    static constexpr qsizetype none = -1;
    QStringView m_text;
    qsizetype m_pos = 0;
    qsizetype m_lineFeed = -2;
    qsizetype m_return = -2;
};

void appendReport(QString& report, int lineNumber, LineCheck check)
{
    //: Starts a line of the load report: "Data 3, Time", the number of the bad line and the field.
    report += QCoreApplication::translate("EventsFile", "Data ") + QString::number(lineNumber) + QStringLiteral(", ") +
              lineCheckName(check) + crLf;
}

QString fileErrorMessage(const char* action, const QString& name, const QString& platformText)
{
    //: %1: open, read or write; %2: the file.
    return QCoreApplication::translate("EventsFile", "Error occurred when trying to %1 %2")
               .arg(translated(action), name) +
           crLf + QCoreApplication::translate("EventsFile", "Error # ") + platformText;
}

FileResult failed(FileResult::Failure failure, const QString& path, const QString& error)
{
    FileResult result;
    result.ok = false;
    result.failure = failure;
    result.path = path;
    result.error = error;
    if (failure == FileResult::Failure::SourceMissing)
        result.messages << QCoreApplication::translate("EventsFile", "Source file not found when trying to copy ") +
                               path;
    else
        result.messages << fileErrorMessage(fileActions[static_cast<int>(failure)], path, error);
    return result;
}

// Files are opened unbuffered: a short write is tried again so that the failure that stopped it
// is reported with the platform's text.
bool writeAll(QFileDevice& file, const char* data, qint64 size)
{
    while (size > 0) {
        const qint64 written = file.write(data, size);
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

bool writeAll(QFileDevice& file, const QByteArray& bytes)
{
    return writeAll(file, bytes.constData(), bytes.size());
}

QString absolutePath(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// Makes a rename in the folder last.
void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Writes over the file's own bytes, cuts it to the new length and syncs it; the platform's text
// of a failure, or nothing.
QString overwrite(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return file.errorString();
    if (!writeAll(file, bytes) || !file.resize(bytes.size()))
        return file.errorString();
    if (::fsync(file.handle()) != 0)
        return qt_error_string(errno);
    return {};
}

// The folder refuses new files, so there is no room for a replacement beside the file: write
// over it. The journal holds the new content meanwhile, so a rewrite cut by a crash is finished
// at the next start; a failed one puts the old content back.
FileResult writeInPlace(const QString& path, const QString& name, const QByteArray& bytes, const QString& journalFolder)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return failed(FileResult::Failure::OpenFailed, name, file.errorString());
    const QByteArray old = file.readAll();
    file.close();
    if (const QString error = writeSaveJournal(path, bytes, journalFolder); !error.isEmpty())
        return failed(FileResult::Failure::WriteFailed, name, error);
    const QString journal = saveJournalPath(path, journalFolder);
    const QString error = overwrite(path, bytes);
    if (error.isEmpty() || overwrite(path, old).isEmpty())
        QFile::remove(journal);
    if (!error.isEmpty())
        return failed(FileResult::Failure::WriteFailed, name, error);
    return {};
}

// The file's content when it is a version worth going back to: neither empty nor the one about
// to be written.
std::optional<QByteArray> versionToKeep(const QString& path, const QByteArray& next)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (bytes.isEmpty() || bytes == next)
        return std::nullopt;
    return bytes;
}

FileResult keepPreviousVersion(const QString& path, const QByteArray& bytes)
{
    const QString prevPath = previousVersionName(path);
    const QString name = QFileInfo(prevPath).fileName();
    QSaveFile prev(prevPath);
    if (!prev.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(FileResult::Failure::OpenFailed, name, prev.errorString());
    prev.setPermissions(QFile::permissions(path));
    if (!writeAll(prev, bytes) || !prev.commit())
        return failed(FileResult::Failure::WriteFailed, name, prev.errorString());
    return {};
}

enum class PreviousVersion { Keep, Leave };

FileResult writeEventsBytes(const QString& path, const QByteArray& bytes, const QString& journalFolder,
                            PreviousVersion previous)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (info.exists() && !info.isFile())
        return failed(FileResult::Failure::OpenFailed, name, translated(notRegularFile));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (info.isFile())
            return writeInPlace(path, name, bytes, journalFolder);
        return failed(FileResult::Failure::OpenFailed, name, file.errorString());
    }
    if (!writeAll(file, bytes))
        return failed(FileResult::Failure::WriteFailed, name, file.errorString());
    // The new list is whole on disk before the previous version is replaced, so a save that fails
    // leaves both files as they were.
    if (const auto old = previous == PreviousVersion::Keep ? versionToKeep(path, bytes) : std::nullopt) {
        if (FileResult kept = keepPreviousVersion(path, *old); !kept.ok)
            return kept;
    }
    if (!file.commit())
        return failed(FileResult::Failure::WriteFailed, name, file.errorString());
    // A journal left by a rewrite that could not be finished is older than this save.
    QFile::remove(saveJournalPath(path, journalFolder));
    return {};
}

struct SaveJournal
{
    QString target;
    QByteArray content;
};

// Nothing when the journal is not whole.
std::optional<SaveJournal> parseSaveJournal(const QByteArray& bytes)
{
    if (!bytes.startsWith(journalMagic))
        return std::nullopt;
    qsizetype start = journalMagic.size();
    QByteArray lines[3];
    for (QByteArray& line : lines) {
        const qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            return std::nullopt;
        line = bytes.mid(start, end - start);
        start = end + 1;
    }
    bool sized = false;
    const qsizetype size = lines[1].toLongLong(&sized);
    SaveJournal journal{QString::fromUtf8(QByteArray::fromPercentEncoding(lines[0])), bytes.mid(start)};
    if (!sized || journal.content.size() != size ||
        QCryptographicHash::hash(journal.content, QCryptographicHash::Sha256).toHex() != lines[2])
        return std::nullopt;
    return journal;
}

bool isSameFile(const QString& a, const QString& b)
{
    using FileStatus = struct stat;
    FileStatus first{};
    FileStatus second{};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}
} // namespace

EventsLoadResult readEventsFile(const QString& path, const EventsLoadContext& context)
{
    EventsLoadResult result;
    const auto refuse = [&result](const QString& error) {
        result.status = EventsLoadResult::Status::OpenFailed;
        result.error = error;
        return result;
    };
    const QString tooLarge = QCoreApplication::translate("EventsFile", "File is larger than 64 MB");
    // A FIFO or a device would block the start for good or read without end: never open one.
    const QFileInfo info(path);
    if (!info.exists())
        return result;
    if (!info.isFile())
        return refuse(notRegularFile);
    if (info.size() > maxEventsFileSize)
        return refuse(tooLarge);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.exists() ? refuse(file.errorString()) : result;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return refuse(file.errorString());
    if (bytes.size() > maxEventsFileSize)
        return refuse(tooLarge);
    return readEventsData(bytes, context);
}

EventsLoadResult readEventsData(QByteArrayView bytes, const EventsLoadContext& context)
{
    EventsLoadResult result;
    result.status = EventsLoadResult::Status::Loaded;
    const QString text = decodeEventsText(bytes);
    result.events.reserve(static_cast<size_t>(std::max(text.count(u'\n'), text.count(u'\r'))) + 1);
    DisplayTextCache display(context);
    int lineNumber = 0;
    int badHeaders = 0;
    LineSplitter lines(text);
    while (lines.hasNext()) {
        const QStringView line = lines.next();
        ++lineNumber;
        if (line.isEmpty())
            continue;

        const DecodedEventLine decoded = decodeEventLine(line);
        if (!decoded.headerOk) {
            appendReport(result.report, lineNumber, LineCheck::Header);
            if (++badHeaders >= 3) {
                result.corrupted = true;
                result.events.clear();
                break;
            }
            continue;
        }
        if (decoded.fieldFailure != LineCheck::None)
            appendReport(result.report, lineNumber, decoded.fieldFailure);
        if (decoded.glyphFailure)
            appendReport(result.report, lineNumber, LineCheck::Glyph);
        if (!decoded.isGood())
            continue;

        AlarmEvent event = eventFromLine(decoded.fields);
        event.dateTime = display.dateTimeText(event.date, event.time24);
        applyActivationRule(event, context.lastCheckDate, context.lastCheckTime);
        result.events.push_back(std::move(event));
    }
    return result;
}

QString eventsFileText(const std::vector<AlarmEvent>& events)
{
    QString text;
    text.reserve(static_cast<qsizetype>(events.size()) * 80);
    for (const AlarmEvent& event : events) {
        appendEventLine(text, event);
        text += crLf;
    }
    return text;
}

QString saveJournalFolder()
{
    return xdgStateFolder();
}

FileResult writeEventsFile(const QString& path, const std::vector<AlarmEvent>& events, const QString& journalFolder)
{
    return writeEventsBytes(path, encodeEventsText(eventsFileText(events)), journalFolder, PreviousVersion::Keep);
}

QString saveJournalPath(const QString& eventsPath, const QString& journalFolder)
{
    const QByteArray key = QCryptographicHash::hash(absolutePath(eventsPath).toUtf8(), QCryptographicHash::Sha256);
    return QDir(journalFolder)
        .filePath(QStringLiteral("save-") + QString::fromLatin1(key.toHex().left(32)) + QStringLiteral(".journal"));
}

QString writeSaveJournal(const QString& eventsPath, const QByteArray& content, const QString& journalFolder)
{
    QDir().mkpath(journalFolder);
    QSaveFile journal(saveJournalPath(eventsPath, journalFolder));
    if (!journal.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return journal.errorString();
    // Messages are private.
    journal.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray header = journalMagic + absolutePath(eventsPath).toUtf8().toPercentEncoding() + '\n' +
                              QByteArray::number(content.size()) + '\n' +
                              QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex() + '\n';
    if (!writeAll(journal, header) || !writeAll(journal, content))
        return journal.errorString();
    if (::fsync(journal.handle()) != 0)
        return qt_error_string(errno);
    if (!journal.commit())
        return journal.errorString();
    syncFolder(journalFolder);
    return {};
}

FileResult finishInterruptedSave(const QString& path, const QString& journalFolder)
{
    const QString journalPath = saveJournalPath(path, journalFolder);
    QFile journalFile(journalPath);
    if (!journalFile.open(QIODevice::ReadOnly))
        return {};
    const std::optional<SaveJournal> journal = parseSaveJournal(journalFile.readAll());
    journalFile.close();
    if (!journal) {
        // Cut while it was written: the save had not touched the events file yet.
        QFile::remove(journalPath);
        return {};
    }
    if (journal->target != absolutePath(path))
        return {};
    // The file was cut in the middle of a rewrite: not a version to keep.
    return writeEventsBytes(path, journal->content, journalFolder, PreviousVersion::Leave);
}

FileResult copyFileData(const QString& source, const QString& destination)
{
    if (!QFileInfo::exists(source))
        return failed(FileResult::Failure::SourceMissing, source, {});
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return failed(FileResult::Failure::OpenFailed, source, in.errorString());
    if (isSameFile(source, destination))
        return failed(FileResult::Failure::OpenFailed, destination,
                      QCoreApplication::translate("EventsFile", "It is the file being copied"));
    // The old backup stays whole until the new one is.
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(FileResult::Failure::OpenFailed, destination, out.errorString());
    out.setPermissions(in.permissions());

    char block[8192];
    for (;;) {
        const qint64 count = in.read(block, sizeof block);
        if (count < 0)
            return failed(FileResult::Failure::ReadFailed, source, in.errorString());
        if (count == 0)
            break;
        if (!writeAll(out, block, count))
            return failed(FileResult::Failure::WriteFailed, destination, out.errorString());
    }
    if (!out.commit())
        return failed(FileResult::Failure::WriteFailed, destination, out.errorString());
    return {};
}

QString backupFileName(const QString& eventsFileName)
{
    const qsizetype folderEnd =
        std::max(eventsFileName.lastIndexOf(u'/'), eventsFileName.lastIndexOf(QDir::separator()));
    const qsizetype dot = eventsFileName.lastIndexOf(u'.');
    const QString backup = (dot > folderEnd ? eventsFileName.left(dot) : eventsFileName) + QStringLiteral(".bak");
    // Copied onto itself, the file would be emptied; and the next save would overwrite its backup.
    return backup == eventsFileName ? backup + QStringLiteral(".bak") : backup;
}

QString previousVersionName(const QString& eventsPath)
{
    return eventsPath + QStringLiteral(".prev");
}

QString loadReportMessage(const QString& backupName, const QString& report)
{
    return QCoreApplication::translate("EventsFile", "Message from ") + ProgramInfo::title() +
           QCoreApplication::translate(
               "EventsFile",
               "\r\n\r\nError found when loading alarm events to list!"
               "\r\n\r\nBefore proceeding, please check those incorrect data in file and all alarm events "
               "which were not loaded in list. A backup file [") +
           backupName + QCoreApplication::translate("EventsFile", "] was created.") +
           QCoreApplication::translate("EventsFile", "Change the name of backup file to keep important data if need.") +
           QStringLiteral("\r\n\r\n") + QCoreApplication::translate("EventsFile", "Below is the information :") + crLf +
           report;
}

QString openErrorMessage(const QString& name, const QString& platformText)
{
    return fileErrorMessage(fileActions[static_cast<int>(FileResult::Failure::OpenFailed)], name, platformText);
}

QString corruptedFileMessage(const QString& name)
{
    return name + QCoreApplication::translate("EventsFile", " is corrupted. Fail to load alarm events.");
}
