// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractItemView>
#include <QComboBox>

/// A combo box that says when its list is about to drop down, so that the list can be refilled
/// or rewritten first.
class DropDownComboBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    void showPopup() override
    {
        emit droppingDown();
        QComboBox::showPopup();
    }
    /// Asked of the list itself: the toolkit closes it without hidePopup() when another window
    /// takes the focus, so a flag kept here would stay set.
    bool isDroppedDown() const { return view()->isVisible(); }

signals:
    void droppingDown();
};
