// The time grid: six cells typed like a string grid, with the up-down arrows beside them.
#include "alarms/timegrid.h"
#include "app/tfrmmain.h"
#include "platform/dialogs.h"

#include <QKeyEvent>
#include <QTableWidget>

using namespace TimeGrid;

TimeGridCells TfrmMain::gridCells() const
{
    TimeGridCells cells;
    for (int column = 0; column < 6; ++column) {
        if (const QTableWidgetItem* item = sgTime->item(0, column))
            cells[column] = item->text();
    }
    return cells;
}

void TfrmMain::setGridCells(const TimeGridCells& cells)
{
    for (int column = 0; column < 6; ++column) {
        QTableWidgetItem* item = sgTime->item(0, column);
        if (!item) {
            item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(column == FirstColon || column == SecondColon ? Qt::ItemIsEnabled
                                                                         : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            sgTime->setItem(0, column, item);
        }
        item->setText(cells[column]);
    }
}

void TfrmMain::ShowTimeInGrid(const QString& time24)
{
    setGridCells(timeGridForTime24(time24));
    // The arrows follow the current cell's new number.
    sgTimeSelectCell(sgTime->currentColumn(), sgTime->currentColumn());
}

void TfrmMain::sgTimeSelectCell(int column, int previousColumn)
{
    int target = columnToSelect(column, previousColumn);
    if (target < 0)
        target = Hour;
    if (target != column) {
        sgTime->setCurrentCell(0, target);
        return;
    }
    m_gridTyping = false;
    const Range range = upDownRange(column);
    UpDown1->setRange(range.minimum, range.maximum);
    if (column == Marker) {
        UpDown1->setPosition(1);
        return;
    }
    const QString text = gridCells()[column];
    if (!text.isEmpty())
        UpDown1->setPosition(text.toInt());
}

bool TfrmMain::sgTimeKeyPress(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_gridTyping = false;
        return false;
    }
    const bool backspace = event->key() == Qt::Key_Backspace;
    const QString typed = event->text();
    if (!backspace && (typed.isEmpty() || !typed.at(0).isPrint() || event->modifiers() & Qt::ControlModifier ||
                       event->modifiers() & Qt::AltModifier))
        return false; // navigation, Tab, Escape and shortcuts belong to the grid and the window

    const int column = sgTime->currentColumn();
    QTableWidgetItem* item = sgTime->item(0, column);
    if (!item)
        return true;
    if (column == Marker) {
        item->setText(toggledMarker(item->text()));
        return true;
    }
    const QChar key = backspace ? QLatin1Char('\b') : typed.at(0);
    if (!acceptsKey(column, key)) {
        m_services.dialogs->beep();
        return true;
    }
    // As in a string grid, the first key replaces the cell's text and the next ones extend it.
    QString text = m_gridTyping ? item->text() : QString();
    if (backspace)
        text.chop(1);
    else
        text += key;
    m_gridTyping = true;
    item->setText(text);
    return true;
}

void TfrmMain::sgTimeKeyUp()
{
    const int column = sgTime->currentColumn();
    QTableWidgetItem* item = sgTime->item(0, column);
    if (!item)
        return;
    if (item->text().size() > 2) {
        item->setText(item->text().left(2));
        m_services.dialogs->beep();
    }
    if (!item->text().isEmpty() && column != Marker)
        UpDown1->setPosition(upDownPositionFor(column, item->text().toInt()));
}

void TfrmMain::UpDown1Click(UpDown::Button button)
{
    const Range range{UpDown1->minimum(), UpDown1->maximum()};
    UpDown1->setPosition(wrappedPosition(UpDown1->position(), range, button == UpDown::Button::Next));
    const int column = sgTime->currentColumn();
    QTableWidgetItem* item = sgTime->item(0, column);
    if (!item)
        return;
    m_gridTyping = false;
    if (column == Marker)
        item->setText(toggledMarker(item->text()));
    else
        item->setText(QString::number(UpDown1->position()));
}

bool TfrmMain::CheckTimeCells()
{
    const QString error = cellsError(gridCells());
    if (error.isEmpty())
        return true;
    m_services.dialogs->refuse(error, this);
    return false;
}
