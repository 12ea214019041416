// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/namedcontrols.h"

#include <QToolButton>

QToolButton* speedButton(const char* objectName, const QString& caption, QWidget* parent)
{
    auto* button = named(new QToolButton(parent), objectName, caption);
    button->setText(caption);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

QToolButton* hintButton(const char* objectName, const QString& hint, QWidget* parent)
{
    auto* button = named(new QToolButton(parent), objectName, hint);
    button->setToolTip(hint);
    return button;
}
