// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/eventline.h"

#include "alarms/dateformats.h"
#include "core/vocabulary.h"

namespace {
const QString lineBreakCode = QStringLiteral("#13#10");
const QString crLf = QStringLiteral("\r\n");

// Rows share the vocabulary's strings instead of allocating their own.
template <typename Value> QString shared(std::optional<Value> value, QStringView text)
{
    return value ? nameOf(*value) : text.toString();
}

QStringView firstChars(QStringView text, qsizetype n)
{
    return text.size() > n ? text.first(n) : text;
}

bool isGoodSchedule(QStringView schedule)
{
    return schedule.startsWith(nameOf(Schedule::Monthly)) || scheduleNamed(schedule);
}

LineCheck firstFieldFailure(const EventLineFields& f)
{
    if (f.date != AlarmText::noDate && (f.date.size() != 10 || !DateFormats::parseInternalDate(f.date)))
        return LineCheck::Date;
    if (f.time.size() != 8 || !DateFormats::parseInternalTime(f.time))
        return LineCheck::Time;
    if (f.enabled != u"On" && f.enabled != u"Off")
        return LineCheck::Activate;
    if (!playTimesNamed(f.playTimes))
        return LineCheck::PT;
    if (!isGoodSchedule(f.schedule))
        return LineCheck::Schedule;
    return LineCheck::None;
}

QString messageFromLine(QStringView message)
{
    QString text = message.toString();
    if (text.contains(u'#'))
        text.replace(lineBreakCode, crLf);
    return text;
}

// Nothing may end the line early: CR LF, and a CR or LF on its own, become "#13#10".
void appendCleanField(QString& out, QStringView text)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        out += text.sliced(start, i - start);
        out += lineBreakCode;
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    out += text.sliced(start);
}
} // namespace

QString lineCheckName(LineCheck check)
{
    switch (check) {
    case LineCheck::None:
        break;
    case LineCheck::Header:
        return QStringLiteral("Header");
    case LineCheck::Date:
        return QStringLiteral("Date");
    case LineCheck::Time:
        return QStringLiteral("Time");
    case LineCheck::Activate:
        return QStringLiteral("Activate");
    case LineCheck::PT:
        return QStringLiteral("PT");
    case LineCheck::Schedule:
        return QStringLiteral("Schedule");
    case LineCheck::Glyph:
        return QStringLiteral("Glyph");
    }
    return {};
}

DecodedEventLine decodeEventLine(QStringView line)
{
    DecodedEventLine decoded;
    const QStringView header = firstChars(line, 3);
    decoded.headerOk = header == u"evt" || header == u"exe";
    if (!decoded.headerOk)
        return decoded;

    EventLineFields& f = decoded.fields;
    QStringView* const taken[] = {&f.date, &f.time, &f.enabled, &f.run, &f.playTimes, &f.schedule, &f.sound, &f.glyph};
    QStringView rest = line.size() > 4 ? line.sliced(4) : QStringView();
    bool reachedMessage = true;
    for (QStringView* field : taken) {
        const qsizetype star = rest.indexOf(u'*');
        if (rest.isEmpty() || star < 0) {
            reachedMessage = false;
            break;
        }
        *field = rest.first(star);
        rest = rest.sliced(star + 1);
    }
    if (reachedMessage)
        f.message = rest;

    f.date = firstChars(f.date, 10);
    f.time = firstChars(f.time, 8);
    decoded.fieldFailure = firstFieldFailure(f);
    bool isNumber = false;
    decoded.glyphFailure = f.glyph.toInt(&isNumber) == 0 || !isNumber;
    return decoded;
}

AlarmEvent eventFromLine(const EventLineFields& f)
{
    AlarmEvent event;
    event.enabled = f.enabled != u"Off";
    event.playTimes = shared(playTimesNamed(f.playTimes), f.playTimes);
    if (f.schedule.startsWith(nameOf(Schedule::Monthly))) {
        event.schedule = nameOf(Schedule::Monthly);
        if (f.schedule.size() > 8)
            event.days = f.schedule.sliced(8).toString();
    } else {
        event.schedule = shared(scheduleNamed(f.schedule), f.schedule);
    }
    event.message = messageFromLine(f.message);
    const QStringView command = f.run.startsWith(u"Shell") ? f.run.sliced(5) : QStringView();
    event.soundRun = f.sound.toString();
    if (!command.isEmpty())
        event.soundRun += u'*' + command.toString();
    event.date = f.date == AlarmText::noDate ? AlarmText::noDate : f.date.toString();
    event.time24 = f.time.toString();
    event.imageIndex = -1;
    return event;
}

void appendEventLine(QString& out, const AlarmEvent& event)
{
    const QString& soundRun = event.soundRun;
    const qsizetype star = soundRun.indexOf(u'*');
    const QStringView sound = star < 0 ? QStringView(soundRun) : QStringView(soundRun).first(star);

    out += u"evt*";
    appendCleanField(out, event.date);
    out += u'*';
    appendCleanField(out, event.time24);
    out += event.enabled ? u"*On*" : u"*Off*";
    if (star < 0) {
        out += u"NoShell";
    } else {
        out += u"Shell";
        appendCleanField(out, QStringView(soundRun).sliced(star + 1));
    }
    out += u'*';
    appendCleanField(out, event.playTimes);
    out += u'*';
    appendCleanField(out, event.schedule);
    if (event.schedule == nameOf(Schedule::Monthly)) {
        out += u' ';
        appendCleanField(out, event.days);
    }
    out += u'*';
    appendCleanField(out, sound);
    out += u"*-1*";
    appendCleanField(out, event.message);
}

QString encodeEventLine(const AlarmEvent& event)
{
    QString line;
    appendEventLine(line, event);
    return line;
}
