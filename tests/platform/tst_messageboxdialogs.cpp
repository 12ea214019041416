// SPDX-License-Identifier: GPL-3.0-or-later
// The real message box: texts from the user or the events file are shown as they are typed.
#include "platform/messageboxdialogs.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

class TestMessageBoxDialogs : public QObject
{
    Q_OBJECT

private slots:
    void showsPlainTextWithItsLineBreaks()
    {
        QString shownText;
        Qt::TextFormat format = Qt::AutoText;
        QString caption;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shownText = box->text();
            format = box->textFormat();
            caption = box->windowTitle();
            icon = box->icon();
            box->accept();
        });
        MessageBoxDialogs().message(QStringLiteral("<b>Buy milk</b>\r\nat 7"), Dialogs::Icon::Error, {}, nullptr);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shownText, QStringLiteral("<b>Buy milk</b>\nat 7"));
        QCOMPARE(caption, QStringLiteral("Zib Alarm Clock v2.2"));
        QCOMPARE(icon, QMessageBox::Critical);
    }
};

QTEST_MAIN(TestMessageBoxDialogs)
#include "tst_messageboxdialogs.moc"
