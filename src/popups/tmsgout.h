// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platformservices.h"
#include "popups/snoozecountdown.h"

#include <QDateTime>
#include <QDialog>
#include <QPointer>
#include <functional>

class DropDownComboBox;
class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class SettingsService;

/// The window that shows a fired alarm's message. It stays in front until the user attends
/// to it and can hide itself and come back, asking for the song again, after a number of
/// minute changes. Top-level; it deletes itself when closed.
class TMsgOut : public QDialog
{
    Q_OBJECT

public:
    /// titleClock formats a moment the way the main window's caption shows it. The desktop clock,
    /// when showing, or else the main window takes the focus when the window goes away.
    TMsgOut(const PlatformServices& services, SettingsService& settings, QWidget* desktopClock, QWidget* mainWindow,
            std::function<QString(const QDateTime&)> titleClock, QWidget* parent = nullptr);

    void setMessage(const QString& text);
    void setPicture(const QPixmap& picture);
    int windowNumber() const { return m_windowNumber; }
    /// Whether the window is still pushed to the top on every tick.
    bool isForcedToFront() const { return !m_lostFocus; }

signals:
    /// The snooze has ended: the main window plays its song with these play times.
    void remindRequested(const QString& playTimes);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Escape does not close a message window; only OK and the title bar do.
    void reject() override {}

private slots:
    void Timer1Timer();
    void btnOKClick();
    void SpinEdit1Change();
    void cbPlayTimesDropDown();

private:
    void FormCreate();
    void FormCloseQuery();
    void FormResize();
    bool SpinEdit1KeyPress(const QKeyEvent& key);
    void buildControls();
    void giveFocusAway();
    bool clockShowing() const;
    int currentMinute() const;

    PlatformServices m_services;
    SettingsService& m_settings;
    QPointer<QWidget> m_desktopClock;
    QWidget* m_mainWindow;
    std::function<QString(const QDateTime&)> m_titleClock;

    QPlainTextEdit* mMsg = nullptr;
    QLabel* imgMe = nullptr;
    QLabel* lblRemind = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QLabel* lblMins = nullptr;
    DropDownComboBox* cbPlayTimes = nullptr;
    QPushButton* btnOK = nullptr;
    QTimer* Timer1 = nullptr;

    int m_windowNumber = 0;
    bool m_lostFocus = false;
    bool m_resizeSeen = false;
    SnoozeCountdown m_snooze;
};
