// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

/// A small stay-on-top notice of a sound problem. Each one is independent and deletes itself
/// when closed.
class TWarning : public QDialog
{
    Q_OBJECT

public:
    /// desktopClock goes back on top when the warning closes.
    explicit TWarning(QWidget* desktopClock, QWidget* parent = nullptr);

    /// Shown as plain text; what does not fit the label is cut off, the window does not grow.
    void setText(const QString& text);
    void makeTopmost();

protected:
    void closeEvent(QCloseEvent* event) override;
    /// Escape does not close a warning; OK, Enter and the title bar do.
    void reject() override {}

private slots:
    void btnOKClick();

private:
    void FormCreate();
    void FormCloseQuery();

    QPointer<QWidget> m_desktopClock;
    QLabel* imgWarn = nullptr;
    QLabel* lblWarn = nullptr;
    QPushButton* btnOK = nullptr;
};
