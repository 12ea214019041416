// SPDX-License-Identifier: GPL-3.0-or-later
#include "popups/twarning.h"

#include "core/programinfo.h"
#include "popups/popupwindow.h"
#include "widgets/programicon.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

TWarning::TWarning(QWidget* desktopClock, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint)
    , m_desktopClock(desktopClock)
{
    setObjectName(QStringLiteral("TWarning"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Zib"));

    imgWarn = new QLabel(this);
    imgWarn->setObjectName(QStringLiteral("imgWarn"));
    imgWarn->setAccessibleName(tr("Warning"));
    imgWarn->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    imgWarn->setFixedSize(32, 32);

    lblWarn = new QLabel(this);
    lblWarn->setObjectName(QStringLiteral("lblWarn"));
    lblWarn->setTextFormat(Qt::PlainText);
    lblWarn->setWordWrap(true);
    lblWarn->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblWarn->setFixedSize(209, 97);

    btnOK = new QPushButton(tr("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setAccessibleName(btnOK->text());
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TWarning::btnOKClick);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(imgWarn, 0, 0, Qt::AlignTop);
    layout->addWidget(lblWarn, 0, 1);
    layout->addWidget(btnOK, 1, 0, 1, 2, Qt::AlignHCenter);

    FormCreate();
}

void TWarning::FormCreate()
{
    setWindowIcon(programIcon());
    setWindowTitle(ProgramInfo::title());
    adjustSize();
    centreOnScreen(*this);
    bringToFront(*this);
}

void TWarning::setText(const QString& text)
{
    lblWarn->setText(text);
    lblWarn->setAccessibleName(text);
}

void TWarning::makeTopmost()
{
    setStaysOnTop(*this, true);
    raise();
}

void TWarning::btnOKClick()
{
    close();
}

void TWarning::closeEvent(QCloseEvent* event)
{
    FormCloseQuery();
    event->accept();
}

void TWarning::FormCloseQuery()
{
    if (m_desktopClock)
        showOnTop(*m_desktopClock);
}
