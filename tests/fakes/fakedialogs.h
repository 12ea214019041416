// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QStringList>
#include <functional>

/// Records every box and beep; answers input boxes from a script.
class FakeDialogs final : public Dialogs
{
public:
    struct Box
    {
        QString text;
        Icon icon;
        QString caption;
    };
    struct Prompt
    {
        QString caption;
        QString prompt;
        QString defaultText;
    };

    void beep() override { ++beeps; }
    void message(const QString& text, Icon icon, const QString& caption, QWidget*) override
    {
        boxes.append({text, icon, caption});
        if (onMessage)
            onMessage(boxes.last());
    }
    std::optional<QString> input(const QString& caption, const QString& prompt, const QString& defaultText) override
    {
        prompts.append({caption, prompt, defaultText});
        if (answers.isEmpty())
            return std::nullopt;
        return answers.takeFirst();
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Box& box : boxes)
            result.append(box.text);
        return result;
    }
    void reset()
    {
        boxes.clear();
        prompts.clear();
        beeps = 0;
    }

    QList<Box> boxes;
    QList<Prompt> prompts;
    /// Input box answers in order; std::nullopt answers Cancel. No answer left is Cancel too.
    QList<std::optional<QString>> answers;
    int beeps = 0;
    /// Runs while a box is "open", e.g. to step timers as a modal box would let them run.
    std::function<void(const Box&)> onMessage;
};
