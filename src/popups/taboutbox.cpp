// SPDX-License-Identifier: GPL-3.0-or-later
#include "popups/taboutbox.h"

#include "core/programinfo.h"
#include "platform/dialogs.h"
#include "popups/popupwindow.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TAboutBox::TAboutBox(Dialogs& dialogs, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(tr("About"));
    // Modal to the main window only: the tray icon must still answer, so that its menu's "About"
    // can bring this box up.
    setWindowModality(Qt::WindowModal);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setAccessibleName(tr("Logo"));
    imgLogo->setFixedSize(64, 64);
    imgLogo->setScaledContents(true);
    imgLogo->setPixmap(QPixmap(QStringLiteral(":/icons/logo.jpg")));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    QFont titleFont(QStringLiteral("Comic Sans MS"));
    titleFont.setPixelSize(15);
    Label1->setFont(titleFont);
    QPalette titleColours = Label1->palette();
    titleColours.setColor(QPalette::WindowText, Qt::black);
    Label1->setPalette(titleColours);

    imgMainIcon = new QLabel(this);
    imgMainIcon->setObjectName(QStringLiteral("imgMainIcon"));
    imgMainIcon->setAccessibleName(tr("Program icon"));
    imgMainIcon->setFixedSize(32, 32);

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setAccessibleName(tr("OK"));
    // Default and cancel at once: Enter presses it, and Esc rejects the dialog, which closes it too.
    OKButton->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setHorizontalSpacing(16);
    layout->setVerticalSpacing(14);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(imgLogo, 0, 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(Label1, 0, 1, Qt::AlignCenter);
    layout->addWidget(imgMainIcon, 0, 2, Qt::AlignTop | Qt::AlignRight);
    layout->addWidget(OKButton, 1, 0, 1, 3, Qt::AlignHCenter);

    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    FormCreate(dialogs);
}

void TAboutBox::FormCreate(Dialogs& dialogs)
{
    dialogs.beep();
    const QIcon icon = QApplication::windowIcon();
    imgMainIcon->setPixmap(icon.pixmap(imgMainIcon->size()));
    Label1->setText(ProgramInfo::title());
    Label1->setAccessibleName(Label1->text());
    adjustSize();
    centreOnScreen(*this);
}
