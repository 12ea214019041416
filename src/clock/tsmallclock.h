// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/programinfo.h"
#include "platform/platformservices.h"

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QMouseEvent;
class QTimer;
class SettingsService;
class TLabel3D;

/// The desktop clock: a small borderless strip that stays on top of other windows.
class TSmallClock : public QWidget
{
    Q_OBJECT

public:
    TSmallClock(const PlatformServices& services, SettingsService& settings, QWidget* parent = nullptr);
    ~TSmallClock() override;

    /// Makes the clock topmost again without moving or activating it.
    void ShowOnTop();
    bool isShowing() const { return isVisible(); }

    /// The window that the right click on the time brings up, and whose visibility keeps the
    /// taskbar button.
    void setMainWindow(QWidget* window) { m_mainWindow = window; }
    /// Whether the user chose to see the clock at start ("On").
    bool showAtStart() const;
    /// On while the clock waits above the top edge after a drag.
    bool clockTucked() const { return m_clockTucked; }
    void setClockTucked(bool on) { m_clockTucked = on; }
    /// Starts the clock's ticking again after the menu's Close stopped it.
    void resumeTicking();

signals:
    /// The menu's Stop: silence the alarm sound now playing.
    void stopRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void Timer1Timer();
    void m24hourClick();
    void mEnabledSecClick();
    void mShowDateClick();
    void m3DClick();
    void mOnClick();
    void mStopClick();
    void mCloseClick();

private:
    QTimer* Timer1 = nullptr;

    void FormCreate();
    void createControls();
    void createMenu();
    void readClockSettings();
    void smSizeClick(int size);
    void writeFlag(const QString& name, const QAction* item);
    void writePlace();
    void showDateLabel(bool on);
    void placeDateLabel();
    void setDigitsSize(int points);
    void set3D(bool on);
    bool smallScreen() const;
    int designPixels(int pixelsAt120) const;
    QRect screenRect() const;
    void updateTaskbarButton();

    void lblLeftMouseDown(QMouseEvent* event);
    void lblRightMouseDown(QMouseEvent* event);
    void lblDTMouseDown(QMouseEvent* event);
    void lblDTMouseMove(QMouseEvent* event);
    void lblDTMouseUp(QMouseEvent* event);
    void lblDateMouseMove();
    void dropBack();
    void bringUpMainWindow();

    QLabel* imgBackground = nullptr;
    QLabel* imgCaption = nullptr;
    QLabel* lblLeft = nullptr;
    QLabel* lblRight = nullptr;
    TLabel3D* lblDT = nullptr;
    TLabel3D* lblDate = nullptr;
    QMenu* popClock = nullptr;
    QAction* m24hour = nullptr;
    QAction* mEnabledSec = nullptr;
    QMenu* mSize = nullptr;
    QAction* mShowDate = nullptr;
    QAction* m3D = nullptr;
    QAction* mOn = nullptr;
    QAction* mStop = nullptr;
    QAction* mClose = nullptr;

    PlatformServices m_services;
    SettingsService& m_settings;
    QPointer<QWidget> m_mainWindow;
    bool m_clockTucked = false;
    bool m_dateToggle = false;
    int m_weekday = 0;
    bool m_dragging = false;
    QPoint m_dragPressGlobal;
    QPoint m_dragStartPos;
    QPoint m_dragPressInLabel;
};
