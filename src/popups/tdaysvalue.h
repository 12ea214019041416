// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

/// "Show Days": the days of the month on which a "Monthly" event fires.
class TDaysValue : public QDialog
{
    Q_OBJECT

public:
    explicit TDaysValue(QWidget* owner);

    /// Shows the display text; its CR LF pairs break the lines.
    void setDays(const QString& displayText);

    QLabel* lblDaysAre = nullptr;
    QPushButton* btnOK = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
};
