// SPDX-License-Identifier: GPL-3.0-or-later
#include "popups/tdaysvalue.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
int designPixels(const QWidget& widget, int pixelsAt120)
{
    const QScreen* screen = widget.screen();
    const qreal dpi = screen ? screen->logicalDotsPerInch() : 96;
    return qMax(1, qRound(pixelsAt120 * dpi / 120));
}
} // namespace

TDaysValue::TDaysValue(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TDaysValue"));
    setWindowTitle(tr("Show Days"));
    setFont(QFont(QStringLiteral("MS Sans Serif")));

    lblDaysAre = new QLabel(this);
    lblDaysAre->setObjectName(QStringLiteral("lblDaysAre"));
    lblDaysAre->setTextFormat(Qt::PlainText);
    lblDaysAre->setWordWrap(true);
    lblDaysAre->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDaysAre->setFixedSize(designPixels(*this, 233), designPixels(*this, 97));
    lblDaysAre->setAccessibleDescription(tr("Days of the month"));

    btnOK = new QPushButton(tr("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setAccessibleName(tr("OK"));
    btnOK->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 9, 9, 9);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(lblDaysAre);
    layout->addWidget(btnOK, 0, Qt::AlignHCenter);

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    FormCreate();
}

void TDaysValue::FormCreate()
{
    if (const QWidget* owner = parentWidget()) {
        const QRect main = owner->window()->frameGeometry();
        move(main.left() + main.width() / 3, main.top() + main.height() / 2);
    }
}

void TDaysValue::setDays(const QString& displayText)
{
    const QString lines = QString(displayText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lblDaysAre->setText(lines);
    // A screen reader reads the days as the label's name.
    lblDaysAre->setAccessibleName(lines.simplified());
}

void TDaysValue::showEvent(QShowEvent* event)
{
    // Shown centred over its owner, wherever creation placed it.
    if (const QWidget* owner = parentWidget(); owner && !event->spontaneous()) {
        QRect frame = frameGeometry();
        frame.moveCenter(owner->window()->frameGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}
