// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class QWidget;
class SettingsService;

/// What the editor takes from one use of the message input window.
struct InputMsgResult
{
    QString message; // line breaks as CR LF
    qint16 imageIndex = -1;
    bool confirmed = false;
};

/// "Input Message": the modal window in which the message of a new alarm event is written.
class TInputMsg : public QDialog
{
    Q_OBJECT

public:
    explicit TInputMsg(SettingsService& settings, QWidget* parent = nullptr);

    /// Puts a remembered message (CR LF line breaks) into the text box.
    void setMessage(const QString& message);
    /// The text box's text with CR LF line breaks.
    QString message() const;
    qint16 VarOfIndexOfBtn() const { return m_imageIndexChoice; }
    bool ContinueProcess() const { return m_addConfirmed; }

    /// Creates the window, shows it modally and takes its results.
    static InputMsgResult run(SettingsService& settings, QWidget* owner, const QString& initialMessage);

protected:
    void closeEvent(QCloseEvent* event) override;
    /// Escape does not close the window: its buttons and the title bar do.
    void reject() override {}

private slots:
    void btnSaveClick();
    void btnAbandonClick();
    void btn1Click();
    void btn2Click();
    void SpinEdit1Change();

private:
    void buildMessageBox();
    void buildPictureBar();
    void buildBottomRow();
    void FormCreate();
    void FormCloseQuery();
    void imageButtonClick(QToolButton* button, qint16 tag);

    QPlainTextEdit* mMsgIs = nullptr;
    QWidget* ToolBar1 = nullptr;
    QToolButton* btn1 = nullptr;
    QToolButton* btn2 = nullptr;
    QLabel* lblFontSize = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnAbandon = nullptr;

    SettingsService& m_settings;
    qint16 m_imageIndexChoice = -1;
    bool m_addConfirmed = false;
};
