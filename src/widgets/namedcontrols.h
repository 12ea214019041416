// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QToolButton;
class QWidget;

/// Gives a control the object name by which tests and assistive tools find it.
template <typename W> W* named(W* widget, const char* objectName, const QString& accessibleName = {})
{
    widget->setObjectName(QLatin1String(objectName));
    widget->setAccessibleName(accessibleName);
    return widget;
}

/// A flat text button that never takes the focus.
QToolButton* speedButton(const char* objectName, const QString& caption, QWidget* parent);
/// A tool button known by its hint.
QToolButton* hintButton(const char* objectName, const QString& hint, QWidget* parent);
