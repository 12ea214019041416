// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/alarmlistpanel.h"

#include "alarms/alarmlistmodel.h"
#include "platform/dialogs.h"
#include "widgets/namedcontrols.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
constexpr int listColumnWidths[] = {85, 160, 85, 200};
}

AlarmListPanel::AlarmListPanel(AlarmListModel& alarms, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent)
    , m_alarms(alarms)
    , m_dialogs(dialogs)
{
    createControls();
    layOutControls();
    connectControls();
}

void AlarmListPanel::createControls()
{
    lvMain = named(new QTreeView(this), "lvMain", tr("Alarm events"));
    lvMain->setModel(&m_alarms);
    lvMain->setRootIsDecorated(false);
    lvMain->setItemsExpandable(false);
    lvMain->setUniformRowHeights(true);
    lvMain->setAllColumnsShowFocus(true);
    lvMain->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvMain->setSelectionMode(QAbstractItemView::SingleSelection);
    lvMain->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvMain->setFocusPolicy(Qt::ClickFocus);
    lvMain->header()->setSectionsMovable(false);
    lvMain->header()->setSectionsClickable(true);
    lvMain->header()->setStretchLastSection(false);
    lvMain->header()->setMinimumSectionSize(1);
    for (int column = 0; column < ListedColumnCount; ++column)
        lvMain->setColumnWidth(column, listColumnWidths[column]);

    sbLoad = speedButton("sbLoad", tr("Load"), this);
    btnSave = speedButton("btnSave", tr("Save"), this);
    btnEdit = named(new QPushButton(tr("Edit"), this), "btnEdit", tr("Edit"));
    btnEdit->setCheckable(true);
    btnEdit->setFocusPolicy(Qt::NoFocus);
    btnCopy = speedButton("btnCopy", tr("Copy"), this);
    btnDelete = speedButton("btnDelete", tr("Delete"), this);
    btnClearAll = named(new QPushButton(tr("Clear"), this), "btnClearAll", tr("Clear"));
    for (QPushButton* button : {btnEdit, btnClearAll})
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    btnDisabledAll = hintButton("btnDisabledAll", tr("Disabled all alarm events"), this);
    btnDisabledAll->setCheckable(true);
    btnDisabledAll->setFocusPolicy(Qt::NoFocus);
    btnDisabledAll->setIcon(style()->standardIcon(QStyle::SP_MediaPause));
}

void AlarmListPanel::layOutControls()
{
    auto* buttons = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{sbLoad, btnSave, btnEdit, btnCopy, btnDelete, btnClearAll, btnDisabledAll})
        buttons->addWidget(w);
    buttons->addStretch();
    auto* panel = new QVBoxLayout(this);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(lvMain, 1);
    panel->addLayout(buttons);
}

void AlarmListPanel::connectControls()
{
    connect(sbLoad, &QToolButton::clicked, this, &AlarmListPanel::loadClicked);
    connect(btnSave, &QToolButton::clicked, this, &AlarmListPanel::saveClicked);
    connect(btnEdit, &QPushButton::clicked, this, &AlarmListPanel::editClicked);
    connect(btnCopy, &QToolButton::clicked, this, &AlarmListPanel::copyClicked);
    connect(btnDelete, &QToolButton::clicked, this, &AlarmListPanel::deleteClicked);
    connect(btnClearAll, &QPushButton::clicked, this, &AlarmListPanel::clearClicked);
    connect(btnDisabledAll, &QToolButton::clicked, this, &AlarmListPanel::disabledAllClicked);
    connect(lvMain->header(), &QHeaderView::sectionClicked, this, &AlarmListPanel::columnClicked);
    // Qt reports the second of two quick clicks only as a double click.
    connect(lvMain->header(), &QHeaderView::sectionDoubleClicked, this, &AlarmListPanel::columnClicked);
    connect(lvMain, &QTreeView::doubleClicked, this, &AlarmListPanel::rowDoubleClicked);
    connect(lvMain->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &AlarmListPanel::lvMainSelectionChanged);
    lvMain->installEventFilter(this);
}

bool AlarmListPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lvMain && event->type() == QEvent::FocusOut) {
        // Only a move to another control of this window counts as leaving the list; a menu or
        // another window taking the keyboard for a while does not.
        const Qt::FocusReason reason = dynamic_cast<const QFocusEvent&>(*event).reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            lvMainExit();
    }
    return QWidget::eventFilter(watched, event);
}

void AlarmListPanel::lvMainSelectionChanged()
{
    if (m_removingRow)
        return;
    ItemSelected = lvMain->selectionModel()->hasSelection();
    emit selectionChangedByUser(ItemSelected);
}

void AlarmListPanel::lvMainExit()
{
    ItemSelected = false;
}

void AlarmListPanel::clearSelection()
{
    lvMain->selectionModel()->clearSelection();
}

int AlarmListPanel::selectedRow() const
{
    const QModelIndexList rows = lvMain->selectionModel()->selectedRows();
    int first = -1;
    for (const QModelIndex& index : rows) {
        if (first < 0 || index.row() < first)
            first = index.row();
    }
    return first;
}

int AlarmListPanel::rowToActOn()
{
    if (!ItemSelected) {
        m_dialogs.beep();
        return -1;
    }
    return selectedRow();
}

void AlarmListPanel::removeRow(int row)
{
    // The view selects a neighbour of a selected or current row that goes; the user chose none.
    const QModelIndex current = lvMain->currentIndex();
    const bool chosenGoes = lvMain->selectionModel()->isRowSelected(row) || (current.isValid() && current.row() == row);
    m_removingRow = true;
    m_alarms.removeAt(row);
    if (chosenGoes)
        lvMain->selectionModel()->clearSelection();
    m_removingRow = false;
    if (chosenGoes)
        ItemSelected = false;
}

void AlarmListPanel::scrollToRow(int row)
{
    lvMain->scrollTo(m_alarms.index(row, 0));
}

bool AlarmListPanel::isEditing() const
{
    return btnEdit->isChecked();
}

void AlarmListPanel::setEditing(bool editing)
{
    btnEdit->setChecked(editing);
}

void AlarmListPanel::setCommandsEnabled(bool enabled)
{
    for (QWidget* button : std::initializer_list<QWidget*>{btnDelete, btnClearAll, btnCopy})
        button->setEnabled(enabled);
}

void AlarmListPanel::pressClear()
{
    if (btnClearAll->isEnabled())
        btnClearAll->click();
}

bool AlarmListPanel::alarmsDisabled() const
{
    return btnDisabledAll->isChecked();
}

void AlarmListPanel::pressDisabledAll(bool disabled)
{
    // click() toggles the button and runs its handling once, whatever state it was left in.
    btnDisabledAll->setChecked(!disabled);
    btnDisabledAll->click();
}

void AlarmListPanel::showAlarmsDisabled(bool disabled)
{
    QPalette palette = lvMain->palette();
    palette.setColor(QPalette::Base, disabled ? palette.color(QPalette::Midlight)
                                              : QApplication::palette(lvMain).color(QPalette::Base));
    lvMain->setPalette(palette);
}

int AlarmListPanel::columnWidth(int column) const
{
    return lvMain->columnWidth(column);
}

void AlarmListPanel::setColumnWidth(int column, int width)
{
    lvMain->setColumnWidth(column, width);
}

QFont AlarmListPanel::listFont() const
{
    return lvMain->font();
}

void AlarmListPanel::setListFont(const QFont& font)
{
    lvMain->setFont(font);
}
