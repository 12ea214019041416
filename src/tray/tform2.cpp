#include "tray/tform2.h"

#include "app/tfrmmain.h"
#include "platform/taskbarbutton.h"
#include "tray/ttrayicon.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QToolButton>

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

TForm2::TForm2(TfrmMain& mainWindow, const PlatformServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_main(mainWindow)
    , m_services(services)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Form2"));
    ilOnOff = {QIcon(QStringLiteral(":/icons/tray-enabled.png")), QIcon(QStringLiteral(":/icons/tray-disabled.png"))};
    createMenu();
    FormCreate();
}

TForm2::~TForm2() = default;

TForm2* TForm2::find()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowTitle() == QLatin1String("Form2")) {
            if (auto* tray = qobject_cast<TForm2*>(window))
                return tray;
        }
    }
    return nullptr;
}

void TForm2::createMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    About1 = menuItem(PopupMenu1, "About1", QStringLiteral("About"));
    separator(PopupMenu1, "N1");
    mnuAlarmSet = menuItem(PopupMenu1, "mnuAlarmSet", QStringLiteral("Alarm Set"));
    mnuShow = menuItem(PopupMenu1, "mnuShow", QStringLiteral("Show"));
    mnuSettings = menuItem(PopupMenu1, "mnuSettings", QStringLiteral("Settings"));
    separator(PopupMenu1, "N2");
    mnuSubHelp = menuItem(PopupMenu1, "mnuSubHelp", QStringLiteral("Help"));
    mnuStop = menuItem(PopupMenu1, "mnuStop", QStringLiteral("Stop"));
    separator(PopupMenu1, "N3");
    mnuDisabled = menuItem(PopupMenu1, "mnuDisabled", QStringLiteral("Disabled"));
    mnuDisabled->setCheckable(true);
    Remove1 = menuItem(PopupMenu1, "Remove1", QStringLiteral("Remove"));

    connect(PopupMenu1, &QMenu::aboutToShow, this, &TForm2::PopupMenu1Popup);
    connect(About1, &QAction::triggered, m_main.smAbout, &QAction::trigger);
    connect(mnuAlarmSet, &QAction::triggered, this, &TForm2::mnuAlarmSetClick);
    connect(mnuShow, &QAction::triggered, m_main.mShow, &QAction::trigger);
    connect(mnuSettings, &QAction::triggered, m_main.mnuSettings, &QAction::trigger);
    connect(mnuSubHelp, &QAction::triggered, m_main.smACHelp, &QAction::trigger);
    connect(mnuStop, &QAction::triggered, this, &TForm2::mnuStopClick);
    connect(mnuDisabled, &QAction::triggered, this, &TForm2::mnuDisabledClick);
    connect(Remove1, &QAction::triggered, this, &TForm2::removeRequested);
}

void TForm2::FormCreate()
{
    setWindowIcon(QApplication::windowIcon());
    m_trayIcon = new TTrayIcon(*m_services.tray, windowIcon(), QGuiApplication::applicationDisplayName(), this);
    connect(m_trayIcon, &TTrayIcon::leftButtonDown, &m_main, &TfrmMain::StopSound);
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

void TForm2::PopupMenu1Popup()
{
    mnuDisabled->setChecked(m_main.btnDisabledAll->isChecked());
    // Commands that the main window cannot offer yet are greyed here too.
    for (auto [item, command] : {std::pair{About1, m_main.smAbout}, std::pair{mnuShow, m_main.mShow},
                                 std::pair{mnuSettings, m_main.mnuSettings}, std::pair{mnuSubHelp, m_main.smACHelp}})
        item->setEnabled(command->isEnabled());
}

void TForm2::trayIconRightButtonDown(const QPoint& cursor)
{
    // The menu opens to the left of the cursor, as notification areas sit at the right.
    PopupMenu1->popup(cursor - QPoint(PopupMenu1->sizeHint().width(), 0));
}

void TForm2::mnuAlarmSetClick()
{
    m_services.taskbar->show();
    m_main.showNormal();
    m_main.raise();
    m_main.activateWindow();
}

void TForm2::mnuStopClick()
{
    m_main.StopSound();
}

void TForm2::mnuDisabledClick()
{
    // click() toggles the button and runs its handling once, whatever state it was left in.
    const bool disabled = mnuDisabled->isChecked();
    m_main.btnDisabledAll->setChecked(!disabled);
    m_main.btnDisabledAll->click();
}
