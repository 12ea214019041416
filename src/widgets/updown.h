// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QToolButton;

/// A pair of up and down arrows with a position inside a range, and no text of its own.
/// A click moves the position by one step (never past the range) and then reports the button.
class UpDown : public QWidget
{
    Q_OBJECT

public:
    enum class Button { Next, Previous };

    explicit UpDown(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    void setPosition(int position);
    int position() const { return m_position; }

    /// Presses one of the arrows, as a click does.
    void click(Button button);

signals:
    void clicked(UpDown::Button button);

private:
    QToolButton* m_up;
    QToolButton* m_down;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = 0;
};
