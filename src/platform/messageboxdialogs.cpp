// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/messageboxdialogs.h"

#include "core/programinfo.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {
// The program's texts break lines with CR LF; a label shows the CR as a glyph of its own.
QString asDisplayed(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
} // namespace

void MessageBoxDialogs::beep()
{
    QApplication::beep();
}

void MessageBoxDialogs::message(const QString& text, Icon icon, const QString& caption, QWidget* parent)
{
    static constexpr QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Information, QMessageBox::Warning,
                                                  QMessageBox::Critical};
    QMessageBox box(icons[static_cast<int>(icon)], caption.isEmpty() ? ProgramInfo::title() : caption,
                    asDisplayed(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<QString> MessageBoxDialogs::input(const QString& caption, const QString& prompt,
                                                const QString& defaultText)
{
    QInputDialog dialog;
    dialog.setWindowTitle(caption);
    dialog.setLabelText(asDisplayed(prompt));
    dialog.setTextValue(defaultText);
    dialog.setInputMode(QInputDialog::TextInput);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}
