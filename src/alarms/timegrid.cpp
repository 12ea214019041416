// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/timegrid.h"

#include <QCoreApplication>

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

namespace TimeGrid {
namespace {
bool isNumberInRange(const QString& text, int minimum, int maximum)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= minimum && value <= maximum;
}
} // namespace

Range upDownRange(int column)
{
    switch (column) {
    case Hour:
        return {0, 13};
    case Marker:
        return {-1, 3};
    default:
        return {-1, 60};
    }
}

int columnToSelect(int column, int current)
{
    if (column == FirstColon) {
        if (current == Hour)
            return Minute;
        return current == Minute ? Hour : current;
    }
    if (column == SecondColon) {
        if (current == Minute)
            return Second;
        return current == Second ? Minute : current;
    }
    return column;
}

bool acceptsKey(int column, QChar key)
{
    if (column == Marker)
        return false;
    return (key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key == QLatin1Char('\b');
}

QString toggledMarker(const QString& marker)
{
    return marker == am ? pm : am;
}

int upDownPositionFor(int column, int value)
{
    if (column == Hour)
        return value >= 1 && value <= 12 ? value : 1;
    return value >= 0 && value <= 59 ? value : 0;
}

int wrappedPosition(int position, const Range& range, bool up)
{
    if (up && position == range.maximum)
        return range.minimum + 1;
    if (!up && position == range.minimum)
        return range.maximum - 1;
    return position;
}

QString cellsError(const TimeGridCells& cells)
{
    if (!isNumberInRange(cells[Hour], 1, 12))
        return QCoreApplication::translate("TimeGrid", "Invalid input : hour");
    if (!isNumberInRange(cells[Minute], 0, 59))
        return QCoreApplication::translate("TimeGrid", "Invalid input : minute");
    if (!isNumberInRange(cells[Second], 0, 59))
        return QCoreApplication::translate("TimeGrid", "Invalid input : second");
    if (cells[Marker] != am && cells[Marker] != pm)
        return QCoreApplication::translate("TimeGrid", "Invalid input : not AM or PM found [unexpected error]!");
    return {};
}
} // namespace TimeGrid
