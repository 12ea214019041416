// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/updown.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

UpDown::UpDown(QWidget* parent)
    : QWidget(parent)
    , m_up(new QToolButton(this))
    , m_down(new QToolButton(this))
{
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* arrow : {m_up, m_down}) {
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRepeat(true);
        arrow->setFixedSize(16, 11);
        layout->addWidget(arrow);
    }
    m_up->setAccessibleName(tr("Up"));
    m_down->setAccessibleName(tr("Down"));
    connect(m_up, &QToolButton::clicked, this, [this] { click(Button::Next); });
    connect(m_down, &QToolButton::clicked, this, [this] { click(Button::Previous); });
}

void UpDown::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    m_position = std::clamp(m_position, minimum, maximum);
}

void UpDown::setPosition(int position)
{
    m_position = std::clamp(position, m_minimum, m_maximum);
}

void UpDown::click(Button button)
{
    setPosition(m_position + (button == Button::Next ? 1 : -1));
    emit clicked(button);
}
