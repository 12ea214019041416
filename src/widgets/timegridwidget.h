// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/timegrid.h"
#include "widgets/updown.h"

#include <QWidget>

class Dialogs;
class QKeyEvent;
class QTableWidget;

/// The editor's time: six cells typed like a string grid, with up-down arrows beside them.
class TimeGridWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TimeGridWidget(Dialogs& dialogs, QWidget* parent = nullptr);

    TimeGridCells cells() const;
    /// The current time in the cells, the hour cell current.
    void startWithTime(const QTime& time);
    void ShowTimeInGrid(const QString& time24);
    /// The refusal of the cells before an add, or an empty text.
    QString cellsError() const;
    /// From now on the cells' events run none of the grid's rules: the window is going.
    void stopWatchingControls();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void sgTimeSelectCell(int column, int previousColumn);
    void sgTimeKeyUp();
    void UpDown1Click(UpDown::Button button);

private:
    void layOutCells();
    void setCells(const TimeGridCells& cells);
    /// True when the key was taken by the grid's own rules.
    bool sgTimeKeyPress(QKeyEvent* event);

    Dialogs& m_dialogs;
    QTableWidget* sgTime;
    UpDown* UpDown1;
    /// The current cell has been typed into since it became current: keys extend its text.
    bool m_gridTyping = false;
};
