#include "alarms/timegrid.h"

namespace {
const QString am = QStringLiteral("AM");
const QString pm = QStringLiteral("PM");
const QString colon = QStringLiteral(":");

TimeGridCells cellsFor(int hour24, const QString& minute, const QString& second, bool twoDigitHour)
{
    const int hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
    const QString hour =
        twoDigitHour ? QStringLiteral("%1").arg(hour12, 2, 10, QLatin1Char('0')) : QString::number(hour12);
    return {hour, colon, minute, colon, second, hour24 < 12 ? am : pm};
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}
} // namespace

TimeGridCells timeGridForNow(const QTime& time)
{
    return cellsFor(time.hour(), twoDigits(time.minute()), twoDigits(time.second()), true);
}

TimeGridCells timeGridForTime24(const QString& time24)
{
    return cellsFor(time24.left(2).toInt(), time24.mid(3, 2), time24.mid(6, 2), false);
}

QString PadTwoDigits(const QString& text)
{
    if (text.size() == 1)
        return QLatin1Char('0') + text;
    return text.size() == 2 ? text : QString();
}

QString GridDisplayTime(const TimeGridCells& c)
{
    return (PadTwoDigits(c[0]) + c[1] + PadTwoDigits(c[2]) + c[3] + PadTwoDigits(c[4]) + c[5]).left(10);
}

QString GridTime24(const TimeGridCells& c)
{
    int hour = c[0].toInt();
    QString hourText;
    if (c[5] == pm) {
        hourText = QString::number(hour == 12 ? 12 : hour + 12);
    } else {
        hourText = PadTwoDigits(QString::number(hour == 12 ? 0 : hour));
    }
    return (hourText + c[1] + PadTwoDigits(c[2]) + c[3] + PadTwoDigits(c[4])).left(8);
}
