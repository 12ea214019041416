// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class Dialogs;
class QLabel;
class QPushButton;

/// "About": the product title, the program's icon and its logo.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    TAboutBox(Dialogs& dialogs, QWidget* owner);

    QLabel* Label1 = nullptr;
    QLabel* imgMainIcon = nullptr;
    QLabel* imgLogo = nullptr;
    QPushButton* OKButton = nullptr;

private:
    void FormCreate(Dialogs& dialogs);
};
