#pragma once

#include "platform/platformservices.h"

#include <QString>
#include <QWidget>

/// The desktop clock. Created first, it also sets the program folder and hosts the access to
/// the settings key that every later window goes through.
class TSmallClock : public QWidget
{
    Q_OBJECT

public:
    /// executableDir: the folder of the program's executable (the program folder).
    TSmallClock(const PlatformServices& services, const QString& executableDir, QWidget* parent = nullptr);

    /// The program folder, always ending in a separator.
    const QString& programDir() const { return m_programDir; }

    /// Writes one value under the settings key. A value that cannot be stored is reported in an
    /// error box and false comes back.
    bool WriteIniToReg(const QString& key, const QString& name, const QString& value);
    /// Reads one value under the settings key; missing values read as an empty text.
    void ReadIniFromReg(const QString& key, const QString& name, QString& value) const;

    /// Shorthands with the settings key.
    bool writeSetting(const QString& name, const QString& value);
    QString readSetting(const QString& name) const;

    /// Makes the clock topmost again without moving or activating it.
    void ShowOnTop();
    bool isShowing() const { return isVisible(); }

    static QString settingsKey() { return QStringLiteral("SOFTWARE\\Zib\\Alarm Clock v2.2"); }

private:
    void FormCreate(const QString& executableDir);

    PlatformServices m_services;
    QString m_programDir;
};
