// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs.h"

/// Dialogs through QMessageBox, QApplication::beep() and QInputDialog.
class MessageBoxDialogs final : public Dialogs
{
public:
    void beep() override;
    void message(const QString& text, Icon icon, const QString& caption, QWidget* parent) override;
    std::optional<QString> input(const QString& caption, const QString& prompt, const QString& defaultText) override;
};
