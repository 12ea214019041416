// SPDX-License-Identifier: GPL-3.0-or-later
#include "tray/tform2.h"

#include "tray/ttrayicon.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

namespace {
QAction* menuItem(QMenu* menu, const char* objectName, const QString& caption)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(QLatin1String(objectName));
    return item;
}

void separator(QMenu* menu, const char* objectName)
{
    menu->addSeparator()->setObjectName(QLatin1String(objectName));
}
} // namespace

TForm2::TForm2(const PlatformServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_services(services)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Form2"));
    ilOnOff = {QIcon(QStringLiteral(":/icons/tray-enabled.png")), QIcon(QStringLiteral(":/icons/tray-disabled.png"))};
    createMenu();
    FormCreate();
}

TForm2::~TForm2()
{
    // The icon goes before the menu that the notification area may still hold.
    RemoveSysTrayIcon();
}

void TForm2::createMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    About1 = menuItem(PopupMenu1, "About1", tr("About"));
    separator(PopupMenu1, "N1");
    QAction* mnuAlarmSet = menuItem(PopupMenu1, "mnuAlarmSet", tr("Alarm Set"));
    mnuShow = menuItem(PopupMenu1, "mnuShow", tr("Show"));
    mnuSettings = menuItem(PopupMenu1, "mnuSettings", tr("Settings"));
    separator(PopupMenu1, "N2");
    mnuSubHelp = menuItem(PopupMenu1, "mnuSubHelp", tr("Help"));
    QAction* mnuStop = menuItem(PopupMenu1, "mnuStop", tr("Stop"));
    separator(PopupMenu1, "N3");
    mnuDisabled = menuItem(PopupMenu1, "mnuDisabled", tr("Disabled"));
    mnuDisabled->setCheckable(true);
    QAction* Remove1 = menuItem(PopupMenu1, "Remove1", tr("Remove"));

    connect(PopupMenu1, &QMenu::aboutToShow, this, &TForm2::menuOpening);
    connect(About1, &QAction::triggered, this, &TForm2::aboutRequested);
    connect(mnuAlarmSet, &QAction::triggered, this, &TForm2::alarmSetRequested);
    connect(mnuShow, &QAction::triggered, this, &TForm2::showRequested);
    connect(mnuSettings, &QAction::triggered, this, &TForm2::settingsRequested);
    connect(mnuSubHelp, &QAction::triggered, this, &TForm2::helpRequested);
    connect(mnuStop, &QAction::triggered, this, &TForm2::stopRequested);
    connect(mnuDisabled, &QAction::triggered, this, &TForm2::disableAllRequested);
    connect(Remove1, &QAction::triggered, this, &TForm2::removeRequested);
}

void TForm2::FormCreate()
{
    setWindowIcon(QApplication::windowIcon());
    m_trayIcon =
        new TTrayIcon(*m_services.tray, windowIcon(), QGuiApplication::applicationDisplayName(), PopupMenu1, this);
    connect(m_trayIcon, &TTrayIcon::leftButtonDown, this, &TForm2::stopRequested);
    connect(m_trayIcon, &TTrayIcon::rightButtonDown, this, &TForm2::trayIconRightButtonDown);
}

bool TForm2::hasTrayIcon() const
{
    return m_trayIcon->isAdded();
}

void TForm2::ChangeSysTrayIcon(int index)
{
    setWindowIcon(ilOnOff.at(index));
    m_trayIcon->setIcon(windowIcon());
}

void TForm2::RemoveSysTrayIcon()
{
    m_trayIcon->remove();
}

void TForm2::setMenuState(const MenuState& state)
{
    mnuDisabled->setChecked(state.alarmsDisabled);
    About1->setEnabled(state.aboutEnabled);
    mnuShow->setEnabled(state.showEnabled);
    mnuSettings->setEnabled(state.settingsEnabled);
    mnuSubHelp->setEnabled(state.helpEnabled);
}

void TForm2::trayIconRightButtonDown(const QPoint& cursor)
{
    // The menu opens to the left of the cursor, as notification areas sit at the right.
    PopupMenu1->popup(cursor - QPoint(PopupMenu1->sizeHint().width(), 0));
}
