#include "alarms/eventsfile.h"

#include "alarms/activation.h"
#include "alarms/eventline.h"
#include "alarms/textencoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

namespace {
const QString crLf = QStringLiteral("\r\n");

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

void appendReport(QString& report, int lineNumber, LineCheck check)
{
    report +=
        QStringLiteral("Data ") + QString::number(lineNumber) + QStringLiteral(", ") + lineCheckName(check) + crLf;
}

QString fileErrorMessage(const QString& action, const QString& name, const QString& platformText)
{
    return QStringLiteral("Error occurred when trying to ") + action + u' ' + name + crLf + QStringLiteral("Error # ") +
           platformText;
}

FileResult failed(FileResult::Failure failure, const QString& path, const QString& error)
{
    static const QString actions[] = {{}, {}, QStringLiteral("open"), QStringLiteral("read"), QStringLiteral("write")};
    FileResult result;
    result.ok = false;
    result.failure = failure;
    result.path = path;
    result.error = error;
    if (failure == FileResult::Failure::SourceMissing)
        result.messages << QStringLiteral("Source file not found when trying to copy ") + path;
    else
        result.messages << fileErrorMessage(actions[static_cast<int>(failure)], path, error);
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

// The folder refuses new files, so there is no room for a replacement beside the file: write
// over it, and put the old contents back if that fails part-way.
FileResult writeInPlace(const QString& path, const QString& name, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(FileResult::Failure::OpenFailed, name, file.errorString());
    const QByteArray old = file.readAll();
    file.close();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return failed(FileResult::Failure::OpenFailed, name, file.errorString());
    if (writeAll(file, bytes)) {
        file.close();
        if (file.error() == QFileDevice::NoError)
            return {};
    }
    const QString error = file.errorString();
    file.close();
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        writeAll(file, old);
    return failed(FileResult::Failure::WriteFailed, name, error);
}
} // namespace

EventsLoadResult readEventsFile(const QString& path, const EventsLoadContext& context)
{
    EventsLoadResult result;
    QFile file(path);
    if (!file.exists())
        return result;
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.exists()) {
            result.status = EventsLoadResult::Status::OpenFailed;
            result.error = file.errorString();
        }
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = EventsLoadResult::Status::OpenFailed;
        result.error = file.errorString();
        return result;
    }
    return readEventsData(bytes, context);
}

EventsLoadResult readEventsData(QByteArrayView bytes, const EventsLoadContext& context)
{
    EventsLoadResult result;
    result.status = EventsLoadResult::Status::Loaded;
    const QString text = decodeEventsText(bytes);
    result.events.reserve(static_cast<size_t>(text.count(u'\n')) + 1);
    DisplayTextCache display(context);
    int lineNumber = 0;
    int badHeaders = 0;
    QStringView rest(text);
    while (!rest.isEmpty()) {
        const qsizetype lineFeed = rest.indexOf(u'\n');
        QStringView line = lineFeed < 0 ? rest : rest.first(lineFeed);
        rest = lineFeed < 0 ? QStringView() : rest.sliced(lineFeed + 1);
        if (line.endsWith(u'\r'))
            line.chop(1);
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

FileResult writeEventsFile(const QString& path, const std::vector<AlarmEvent>& events)
{
    const QByteArray bytes = encodeEventsText(eventsFileText(events));
    const QString name = QFileInfo(path).fileName();
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (writeAll(file, bytes) && file.commit())
            return {};
        return failed(FileResult::Failure::WriteFailed, name, file.errorString());
    }
    if (QFileInfo(path).isFile())
        return writeInPlace(path, name, bytes);
    return failed(FileResult::Failure::OpenFailed, name, file.errorString());
}

FileResult copyFileData(const QString& source, const QString& destination)
{
    if (!QFileInfo::exists(source))
        return failed(FileResult::Failure::SourceMissing, source, {});
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return failed(FileResult::Failure::OpenFailed, source, in.errorString());
    QFile out(destination);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
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
    out.close();
    if (out.error() != QFileDevice::NoError)
        return failed(FileResult::Failure::WriteFailed, destination, out.errorString());
    return {};
}

QString backupFileName(const QString& eventsFileName)
{
    const qsizetype folderEnd =
        std::max(eventsFileName.lastIndexOf(u'/'), eventsFileName.lastIndexOf(QDir::separator()));
    const qsizetype dot = eventsFileName.lastIndexOf(u'.');
    return (dot > folderEnd ? eventsFileName.left(dot) : eventsFileName) + QStringLiteral(".bak");
}

QString loadReportMessage(const QString& backupName, const QString& report)
{
    return QStringLiteral("Message from Zib Alarm Clock v2.2\r\n\r\nError found when loading alarm events to list!"
                          "\r\n\r\nBefore proceeding, please check those incorrect data in file and all alarm events "
                          "which were not loaded in list. A backup file [") +
           backupName + QStringLiteral("] was created.") +
           QStringLiteral("Change the name of backup file to keep important data if ") + QStringLiteral("need.") +
           QStringLiteral("\r\n\r\n") + QStringLiteral("Below is the information :") + crLf + report;
}

QString openErrorMessage(const QString& name, const QString& platformText)
{
    return fileErrorMessage(QStringLiteral("open"), name, platformText);
}

QString corruptedFileMessage(const QString& name)
{
    return name + QStringLiteral(" is corrupted. Fail to load alarm ") + QStringLiteral("events.");
}
