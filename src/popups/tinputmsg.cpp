// SPDX-License-Identifier: GPL-3.0-or-later
#include "popups/tinputmsg.h"

#include "core/settingvalues.h"
#include "platform/settingsservice.h"
#include "widgets/programicon.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int minFontSize = 7;
constexpr int maxFontSize = 128;

QToolButton* imageButton(const char* objectName, const QString& picture, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(objectName));
    button->setAccessibleName(name);
    button->setIcon(QIcon(picture));
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setFixedSize(29, 29);
    return button;
}
} // namespace

TInputMsg::TInputMsg(SettingsService& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("TInputMsg"));
    setWindowTitle(tr("Input Message"));
    setModal(true);
    buildMessageBox();
    buildPictureBar();
    buildBottomRow();

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblFontSize);
    bottom->addWidget(SpinEdit1);
    bottom->addStretch();
    bottom->addWidget(btnSave);
    bottom->addWidget(btnAbandon);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 9, 9, 9);
    layout->addWidget(mMsgIs, 1);
    layout->addWidget(ToolBar1);
    layout->addLayout(bottom);

    connect(btnSave, &QPushButton::clicked, this, &TInputMsg::btnSaveClick);
    connect(btnAbandon, &QPushButton::clicked, this, &TInputMsg::btnAbandonClick);
    connect(btn1, &QToolButton::clicked, this, &TInputMsg::btn1Click);
    connect(btn2, &QToolButton::clicked, this, &TInputMsg::btn2Click);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TInputMsg::SpinEdit1Change);

    FormCreate();
}

void TInputMsg::buildMessageBox()
{
    mMsgIs = new QPlainTextEdit(this);
    mMsgIs->setObjectName(QStringLiteral("mMsgIs"));
    mMsgIs->setAccessibleName(tr("Message"));
    mMsgIs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mMsgIs->setMinimumSize(200, 120);
    QFont messageFont = mMsgIs->font();
    messageFont.setPointSize(9);
    mMsgIs->setFont(messageFont);
}

void TInputMsg::buildPictureBar()
{
    ToolBar1 = new QWidget(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setAccessibleName(tr("Pictures"));
    btn1 = imageButton("btn1", QStringLiteral(":/icons/bell.png"), tr("Bell"), ToolBar1);
    btn2 = imageButton("btn2", QStringLiteral(":/icons/exclamation.png"), tr("Exclamation"), ToolBar1);
    // At most one picture, and none is allowed.
    auto* pictures = new QButtonGroup(this);
    pictures->setExclusive(false);
    pictures->addButton(btn1, 0);
    pictures->addButton(btn2, 1);
    auto* bar = new QHBoxLayout(ToolBar1);
    bar->setContentsMargins(2, 2, 2, 2);
    bar->addWidget(btn1);
    bar->addWidget(btn2);
    bar->addStretch();
    ToolBar1->setEnabled(false);
}

void TInputMsg::buildBottomRow()
{
    lblFontSize = new QLabel(tr("Font Size :"), this);
    lblFontSize->setObjectName(QStringLiteral("lblFontSize"));
    lblFontSize->setAccessibleName(lblFontSize->text());
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setAccessibleName(tr("Font Size"));
    SpinEdit1->setRange(minFontSize, maxFontSize);
    SpinEdit1->setValue(9);
    lblFontSize->setBuddy(SpinEdit1);

    btnSave = new QPushButton(tr("&Add"), this);
    btnSave->setObjectName(QStringLiteral("btnSave"));
    btnSave->setAccessibleName(tr("Add"));
    btnSave->setAutoDefault(false);
    btnAbandon = new QPushButton(tr("&Cancel"), this);
    btnAbandon->setObjectName(QStringLiteral("btnAbandon"));
    btnAbandon->setAccessibleName(tr("Cancel"));
    btnAbandon->setAutoDefault(false);
}

void TInputMsg::FormCreate()
{
    mMsgIs->clear();
    const int current = mMsgIs->font().pointSize();
    if (current >= minFontSize && current <= maxFontSize)
        SpinEdit1->setValue(current);
    m_imageIndexChoice = -1;
    m_addConfirmed = false;
    setWindowIcon(programIcon());
    if (screen()->logicalDotsPerInch() <= 96) {
        ToolBar1->setFixedHeight(40);
        resize(287, 314);
    } else {
        ToolBar1->setFixedHeight(41);
        resize(359, 392);
    }
    if (const auto size = m_settings.integer(SettingNames::MsgFontSize, minFontSize, maxFontSize))
        SpinEdit1->setValue(*size);
    SpinEdit1Change();
}

void TInputMsg::setMessage(const QString& message)
{
    mMsgIs->setPlainText(QString(message).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

QString TInputMsg::message() const
{
    return mMsgIs->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void TInputMsg::SpinEdit1Change()
{
    const int size = SpinEdit1->value();
    if (SpinEdit1->text().isEmpty() || size < minFontSize || size > maxFontSize)
        return;
    QFont font = mMsgIs->font();
    font.setPointSize(size);
    mMsgIs->setFont(font);
}

void TInputMsg::imageButtonClick(QToolButton* button, qint16 tag)
{
    m_imageIndexChoice = button->isChecked() ? tag : qint16(-1);
    if (button->isChecked()) {
        for (QToolButton* other : {btn1, btn2}) {
            if (other != button)
                other->setChecked(false);
        }
    }
}

void TInputMsg::btn1Click()
{
    imageButtonClick(btn1, 0);
}

void TInputMsg::btn2Click()
{
    imageButtonClick(btn2, 1);
}

void TInputMsg::btnSaveClick()
{
    m_addConfirmed = true;
    close();
}

void TInputMsg::btnAbandonClick()
{
    m_addConfirmed = false;
    mMsgIs->clear();
    close();
}

void TInputMsg::closeEvent(QCloseEvent* event)
{
    FormCloseQuery();
    event->accept();
    done(QDialog::Rejected);
}

void TInputMsg::FormCloseQuery()
{
    const int size = SpinEdit1->value();
    if (size >= minFontSize && size <= maxFontSize)
        m_settings.WriteIniToReg(SettingNames::MsgFontSize, QString::number(size));
}

InputMsgResult TInputMsg::run(SettingsService& settings, QWidget* owner, const QString& initialMessage)
{
    TInputMsg window(settings, owner);
    if (!initialMessage.isEmpty())
        window.setMessage(initialMessage);
    window.exec();
    return {window.message(), window.VarOfIndexOfBtn(), window.ContinueProcess()};
}
