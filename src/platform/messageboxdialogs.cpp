#include "platform/messageboxdialogs.h"

#include "app/programinfo.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

void MessageBoxDialogs::beep()
{
    QApplication::beep();
}

void MessageBoxDialogs::message(const QString& text, Icon icon, const QString& caption, QWidget* parent)
{
    static constexpr QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Information,
                                                  QMessageBox::Warning, QMessageBox::Critical};
    QMessageBox box(icons[static_cast<int>(icon)], caption.isEmpty() ? ProgramInfo::title() : caption, text,
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<QString> MessageBoxDialogs::input(const QString& caption, const QString& prompt,
                                                const QString& defaultText)
{
    QInputDialog dialog;
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setInputMode(QInputDialog::TextInput);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}
