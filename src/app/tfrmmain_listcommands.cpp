// The buttons under the alarm list: Load, Save, Copy, Delete, Clear and "Disabled all alarm events",
// and the selection they act on.
#include "alarms/alarmlistmodel.h"
#include "app/tfrmmain.h"
#include "platform/dialogs.h"
#include "platform/taskbarbutton.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

void TfrmMain::connectListCommands()
{
    connect(sbLoad, &QToolButton::clicked, this, &TfrmMain::sbLoadClick);
    connect(btnSave, &QToolButton::clicked, this, &TfrmMain::btnSaveClick);
    connect(btnCopy, &QToolButton::clicked, this, &TfrmMain::btnCopyClick);
    connect(btnDelete, &QToolButton::clicked, this, &TfrmMain::btnDeleteClick);
    connect(btnClearAll, &QPushButton::clicked, this, &TfrmMain::btnClearAllClick);
    connect(btnDisabledAll, &QToolButton::clicked, this, &TfrmMain::btnDisabledAllClick);
    connect(lvMain->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { lvMainSelectItem(lvMain->selectionModel()->hasSelection()); });
    lvMain->installEventFilter(this);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lvMain && event->type() == QEvent::FocusOut) {
        // Only a move to another control of this window counts as leaving the list; a menu or
        // another window taking the keyboard for a while does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            lvMainExit();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::lvMainSelectItem(bool selected)
{
    if (m_removingRow)
        return;
    ItemSelected = selected;
    if (btnEdit->isChecked() && (!selected || selectedRow() != EditedIndex.row()))
        LeaveEditMode();
}

void TfrmMain::removeAlarmRow(int row)
{
    // The view selects a neighbour of a selected or current row that goes; the user chose none.
    const QModelIndex current = lvMain->currentIndex();
    const bool chosenGoes = lvMain->selectionModel()->isRowSelected(row) || (current.isValid() && current.row() == row);
    m_removingRow = true;
    m_alarms->removeAt(row);
    if (chosenGoes)
        lvMain->selectionModel()->clearSelection();
    m_removingRow = false;
    if (chosenGoes)
        ItemSelected = false;
}

void TfrmMain::lvMainExit()
{
    ItemSelected = false;
}

int TfrmMain::selectedRow() const
{
    const QModelIndexList rows = lvMain->selectionModel()->selectedRows();
    int first = -1;
    for (const QModelIndex& index : rows) {
        if (first < 0 || index.row() < first)
            first = index.row();
    }
    return first;
}

void TfrmMain::sbLoadClick()
{
    LastCheckDate = today();
    LastCheckTime = now24();
    LoadAlarmEvents();
}

void TfrmMain::btnSaveClick()
{
    if (SaveAlarmEvents())
        m_services.dialogs->inform(QStringLiteral("Data has been saved."), this);
}

int TfrmMain::rowToActOn()
{
    if (!ItemSelected) {
        m_services.dialogs->beep();
        return -1;
    }
    return selectedRow();
}

void TfrmMain::btnDeleteClick()
{
    const int row = rowToActOn();
    if (row < 0)
        return;
    removeAlarmRow(row);
    SaveAlarmEvents();
}

void TfrmMain::btnCopyClick()
{
    const int row = rowToActOn();
    if (row < 0)
        return;
    AlarmEvent copy = m_alarms->at(row);
    copy.date = copy.date.left(10);
    copy.time24 = copy.time24.left(8);
    // The copy stays off until the user switches it on.
    copy.enabled = false;
    m_alarms->append(std::move(copy));
    lvMain->scrollTo(m_alarms->index(m_alarms->rowCount() - 1, 0));
    SaveAlarmEvents();
}

void TfrmMain::btnClearAllClick()
{
    m_alarms->clear();
}

void TfrmMain::btnDisabledAllClick()
{
    m_services.taskbar->show();
    showAlarmsStateInTray();
    QPalette palette = lvMain->palette();
    if (btnDisabledAll->isChecked()) {
        MainTimer->stop();
        palette.setColor(QPalette::Base, palette.color(QPalette::Midlight));
        lvMain->setPalette(palette);
        return;
    }
    restartMainTimer();
    palette.setColor(QPalette::Base, QApplication::palette(lvMain).color(QPalette::Base));
    lvMain->setPalette(palette);
    if (!m_alarms->isEmpty()) {
        SaveAlarmEvents();
        sbLoadClick();
    }
}
