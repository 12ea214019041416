// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QWidget;

/// Modal message boxes, the default beep and the input box. Timers keep running while a box
/// is open. Every text is shown as plain text.
class Dialogs
{
public:
    enum class Icon { None, Information, Warning, Error };

    virtual ~Dialogs() = default;
    /// The system's default message beep.
    virtual void beep() = 0;
    /// A modal box with one OK button. An empty caption shows the program's title.
    virtual void message(const QString& text, Icon icon, const QString& caption = {}, QWidget* parent = nullptr) = 0;
    /// A modal input box; an empty optional means Cancel.
    virtual std::optional<QString> input(const QString& caption, const QString& prompt,
                                         const QString& defaultText = {}) = 0;

    // The program's usual forms: a refusal or error beeps first.
    void refuse(const QString& text, QWidget* parent = nullptr)
    {
        beep();
        message(text, Icon::Error, {}, parent);
    }
    void inform(const QString& text, QWidget* parent = nullptr) { message(text, Icon::Information, {}, parent); }
};
