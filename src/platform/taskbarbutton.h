// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// The application's own taskbar button. On desktops where every visible top-level window
/// has its own entry it is a state that the windows consult.
class TaskbarButton
{
public:
    virtual ~TaskbarButton() = default;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool isShown() const = 0;
};

class TaskbarState final : public TaskbarButton
{
public:
    void show() override { m_shown = true; }
    void hide() override { m_shown = false; }
    bool isShown() const override { return m_shown; }

private:
    bool m_shown = false;
};
