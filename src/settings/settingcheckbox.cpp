// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingcheckbox.h"

#include <QKeyEvent>
#include <QMouseEvent>

SettingCheckBox::SettingCheckBox(const QString& text, QWidget* parent)
    : QCheckBox(text, parent)
{
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (!m_inRelease)
            emit saveRequested();
    });
}

bool SettingCheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void SettingCheckBox::mouseReleaseEvent(QMouseEvent* event)
{
    m_inRelease = true;
    QCheckBox::mouseReleaseEvent(event);
    m_inRelease = false;
    if (rect().contains(event->position().toPoint()))
        emit saveRequested();
}

void SettingCheckBox::keyReleaseEvent(QKeyEvent* event)
{
    m_inRelease = true;
    QCheckBox::keyReleaseEvent(event);
    m_inRelease = false;
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        emit saveRequested();
}
