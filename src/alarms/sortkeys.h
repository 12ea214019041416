// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/alarmevent.h"

#include <QDate>
#include <QString>
#include <optional>

/// The orders of the alarm list that a click on a column header asks for.
namespace SortKeys {

/// What the comparisons read besides the two rows: today, and the header captions that carry
/// the direction of the last sort.
struct Context
{
    QString today;           // "yyyy/mm/dd"
    QString weekdayName;     // "Mon" ... "Sun"
    QString lastExamineDate; // today as the due scan stored it, empty before
    QString dateTimeCaption;
    QString scheduleCaption;
};

/// The context for a given day.
Context contextFor(const QDate& today, const QString& lastExamineDate, const QString& dateTimeCaption,
                   const QString& scheduleCaption);

/// Compares texts ignoring the case of ASCII letters only; negative, zero or positive.
int compareText(QStringView a, QStringView b);

bool dueToday(const AlarmEvent& event, const Context& context);
QString playTimesKey(const AlarmEvent& event, const QString& today);
QString dateTimeKey(const AlarmEvent& event, const QString& today);

/// Negative puts a first, positive b; zero for equal keys and for columns that do not sort.
int compare(int column, const AlarmEvent& a, const AlarmEvent& b, const Context& context);

/// The header after a sort by a column, from the captions it had; nothing for a column whose
/// click changes neither captions nor images.
struct Header
{
    QString dateTimeCaption;
    QString scheduleCaption;
    bool playTimesImage = false;
};
std::optional<Header> headerAfterSort(int column, const QString& dateTimeBefore, const QString& scheduleBefore);

const QString& dateTimeCaption();
const QString& scheduleCaption();

} // namespace SortKeys
