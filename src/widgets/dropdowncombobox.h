#pragma once

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
        m_droppedDown = true;
    }
    void hidePopup() override
    {
        QComboBox::hidePopup();
        m_droppedDown = false;
    }
    bool isDroppedDown() const { return m_droppedDown; }

signals:
    void droppingDown();

private:
    bool m_droppedDown = false;
};
