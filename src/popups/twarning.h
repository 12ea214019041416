#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TSmallClock;

/// A small stay-on-top notice of a sound problem. Each one is independent and deletes itself
/// when closed.
class TWarning : public QDialog
{
    Q_OBJECT

public:
    explicit TWarning(TSmallClock& clock, QWidget* parent = nullptr);

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

    TSmallClock& m_clock;
    QLabel* imgWarn = nullptr;
    QLabel* lblWarn = nullptr;
    QPushButton* btnOK = nullptr;
};
