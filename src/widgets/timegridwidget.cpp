// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/timegridwidget.h"

#include "platform/dialogs.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>
#include <algorithm>

using namespace TimeGrid;

namespace {
constexpr int gridColumnWidths[] = {19, 8, 19, 8, 19, 24};
}

TimeGridWidget::TimeGridWidget(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , sgTime(new QTableWidget(1, 6, this))
    , UpDown1(new UpDown(this))
{
    sgTime->setObjectName(QStringLiteral("sgTime"));
    sgTime->setAccessibleName(tr("Time"));
    sgTime->horizontalHeader()->hide();
    sgTime->horizontalHeader()->setMinimumSectionSize(1);
    sgTime->verticalHeader()->hide();
    sgTime->setShowGrid(false);
    sgTime->setTextElideMode(Qt::ElideNone);
    sgTime->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgTime->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgTime->setSelectionMode(QAbstractItemView::SingleSelection);
    sgTime->verticalHeader()->setDefaultSectionSize(18);
    sgTime->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QFont gridFont(QStringLiteral("Arial"));
    gridFont.setPixelSize(13);
    sgTime->setFont(gridFont);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setAccessibleName(tr("Up-down"));
    layOutCells();

    connect(sgTime, &QTableWidget::currentCellChanged, this,
            [this](int, int column, int, int previousColumn) { sgTimeSelectCell(column, previousColumn); });
    connect(UpDown1, &UpDown::clicked, this, &TimeGridWidget::UpDown1Click);
    sgTime->installEventFilter(this);
    sgTime->viewport()->installEventFilter(this);
}

void TimeGridWidget::layOutCells()
{
    // The design widths suit the narrow font they were drawn for; wider fonts widen the cells.
    const QFontMetrics metrics(sgTime->font());
    const int numberWidth = metrics.horizontalAdvance(QStringLiteral("00")) + 10;
    const int markerWidth = metrics.horizontalAdvance(QStringLiteral("PM")) + 10;
    const int separatorWidth = metrics.horizontalAdvance(QLatin1Char(':')) + 4;
    const int neededWidths[] = {numberWidth, separatorWidth, numberWidth, separatorWidth, numberWidth, markerWidth};
    int gridWidth = 2 * sgTime->frameWidth();
    for (int column = 0; column < 6; ++column) {
        const int width = std::max(gridColumnWidths[column], neededWidths[column]);
        sgTime->setColumnWidth(column, width);
        gridWidth += width;
    }
    sgTime->setFixedSize(gridWidth, metrics.height() + 8);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(sgTime);
    row->addWidget(UpDown1);
    row->addStretch();
}

bool TimeGridWidget::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == sgTime && event->type() == QEvent::FocusIn) ||
        (watched == sgTime->viewport() && event->type() == QEvent::MouseButtonPress)) {
        // A cell that the user comes back to, even the current one, takes fresh typing.
        m_gridTyping = false;
        return false;
    }
    if (watched == sgTime && event->type() == QEvent::KeyPress)
        return sgTimeKeyPress(&dynamic_cast<QKeyEvent&>(*event));
    if (watched == sgTime && event->type() == QEvent::KeyRelease &&
        !dynamic_cast<const QKeyEvent&>(*event).isAutoRepeat())
        sgTimeKeyUp();
    return false;
}

TimeGridCells TimeGridWidget::cells() const
{
    TimeGridCells cells;
    for (int column = 0; column < 6; ++column) {
        if (const QTableWidgetItem* item = sgTime->item(0, column))
            cells[column] = item->text();
    }
    return cells;
}

void TimeGridWidget::setCells(const TimeGridCells& cells)
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

void TimeGridWidget::startWithTime(const QTime& time)
{
    setCells(timeGridForNow(time));
    sgTime->setCurrentCell(0, 0);
    UpDown1->setRange(0, 13);
    UpDown1->setPosition(sgTime->item(0, 0)->text().toInt());
}

void TimeGridWidget::ShowTimeInGrid(const QString& time24)
{
    setCells(timeGridForTime24(time24));
    // The arrows follow the current cell's new number.
    sgTimeSelectCell(sgTime->currentColumn(), sgTime->currentColumn());
}

void TimeGridWidget::sgTimeSelectCell(int column, int previousColumn)
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
    const QString text = cells()[column];
    if (!text.isEmpty())
        UpDown1->setPosition(text.toInt());
}

bool TimeGridWidget::sgTimeKeyPress(QKeyEvent* event)
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
        m_dialogs.beep();
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

void TimeGridWidget::sgTimeKeyUp()
{
    const int column = sgTime->currentColumn();
    QTableWidgetItem* item = sgTime->item(0, column);
    if (!item)
        return;
    if (item->text().size() > 2) {
        item->setText(item->text().left(2));
        m_dialogs.beep();
    }
    if (!item->text().isEmpty() && column != Marker)
        UpDown1->setPosition(upDownPositionFor(column, item->text().toInt()));
}

void TimeGridWidget::UpDown1Click(UpDown::Button button)
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

void TimeGridWidget::stopWatchingControls()
{
    sgTime->removeEventFilter(this);
    sgTime->viewport()->removeEventFilter(this);
}

QString TimeGridWidget::cellsError() const
{
    return TimeGrid::cellsError(cells());
}
