// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>

/// A check box that asks for its value to be saved after the user has acted on it: a mouse
/// button (any) released over it, or a space bar released while it has the focus. Either way
/// the request comes after the box has taken its new state, once per action. A toggle from
/// elsewhere (e.g. an accessibility tool's press action) asks too; setChecked() never does.
class SettingCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit SettingCheckBox(const QString& text, QWidget* parent = nullptr);

signals:
    void saveRequested();

protected:
    /// The whole box takes clicks, not only its indicator and caption: a release "over the box"
    /// saves, so a press there should toggle it too.
    bool hitButton(const QPoint& pos) const override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    bool m_inRelease = false;
};
