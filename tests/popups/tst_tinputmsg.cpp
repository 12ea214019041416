// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeplatform.h"
#include "popups/tinputmsg.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>

class TestTInputMsg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void storedFontSize_data();
    void storedFontSize();
    void sizeBoxSetsTheFont();
    void addKeepsLineBreaksAsCrLf();
    void cancelForgetsTheText();
    void titleBarCloseKeepsTheText();
    void escapeDoesNotClose();
    void atMostOnePicture();
    void runShowsTheWindowModally();

private:
    std::unique_ptr<FakePlatform> m_platform;
};

void TestTInputMsg::init()
{
    m_platform = std::make_unique<FakePlatform>();
}

void TestTInputMsg::storedFontSize_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("size");
    QTest::newRow("largest") << "128" << 128;
    QTest::newRow("smallest") << "7" << 7;
    QTest::newRow("too small") << "6" << 9;
    QTest::newRow("too large") << "200" << 9;
    QTest::newRow("not a number") << "big" << 9;
    QTest::newRow("missing") << QString() << 9;
}

void TestTInputMsg::storedFontSize()
{
    QFETCH(QString, stored);
    QFETCH(int, size);
    if (!stored.isNull())
        m_platform->settings.values["Msg Font Size"] = stored;
    TInputMsg window(m_platform->settingsService);
    QCOMPARE(window.findChild<QSpinBox*>("SpinEdit1")->value(), size);
    QCOMPARE(window.findChild<QPlainTextEdit*>("mMsgIs")->font().pointSize(), size);
    QCOMPARE(window.windowTitle(), QStringLiteral("Input Message"));
    QCOMPARE(window.size(), QSize(287, 314));
    QVERIFY(!window.findChild<QWidget*>("ToolBar1")->isEnabled());
    QCOMPARE(window.VarOfIndexOfBtn(), qint16(-1));
    QVERIFY(!window.ContinueProcess());
}

void TestTInputMsg::sizeBoxSetsTheFont()
{
    TInputMsg window(m_platform->settingsService);
    window.findChild<QSpinBox*>("SpinEdit1")->selectAll();
    QTest::keyClicks(window.findChild<QSpinBox*>("SpinEdit1"), "127");
    QCOMPARE(window.findChild<QPlainTextEdit*>("mMsgIs")->font().pointSize(), 127);
    window.findChild<QSpinBox*>("SpinEdit1")->selectAll();
    QTest::keyClicks(window.findChild<QSpinBox*>("SpinEdit1"), "6");
    QCOMPARE(window.findChild<QPlainTextEdit*>("mMsgIs")->font().pointSize(), 127);
}

void TestTInputMsg::addKeepsLineBreaksAsCrLf()
{
    TInputMsg window(m_platform->settingsService);
    window.setMessage("first\r\nsecond");
    QCOMPARE(window.findChild<QPlainTextEdit*>("mMsgIs")->toPlainText(), QStringLiteral("first\nsecond"));
    window.findChild<QPlainTextEdit*>("mMsgIs")->moveCursor(QTextCursor::End);
    QTest::keyClick(window.findChild<QPlainTextEdit*>("mMsgIs"), Qt::Key_Return);
    QTest::keyClicks(window.findChild<QPlainTextEdit*>("mMsgIs"), "third");
    window.findChild<QSpinBox*>("SpinEdit1")->setValue(20);
    window.show();
    QTest::mouseClick(window.findChild<QPushButton*>("btnSave"), Qt::LeftButton);
    QVERIFY(window.isHidden());
    QVERIFY(window.ContinueProcess());
    QCOMPARE(window.message(), QStringLiteral("first\r\nsecond\r\nthird"));
    QCOMPARE(m_platform->settings.values.value("Msg Font Size"), QStringLiteral("20"));
}

void TestTInputMsg::cancelForgetsTheText()
{
    TInputMsg window(m_platform->settingsService);
    window.show();
    QTest::keyClicks(window.findChild<QPlainTextEdit*>("mMsgIs"), "note");
    window.findChild<QSpinBox*>("SpinEdit1")->setValue(33);
    QTest::mouseClick(window.findChild<QPushButton*>("btnAbandon"), Qt::LeftButton);
    QVERIFY(window.isHidden());
    QVERIFY(!window.ContinueProcess());
    QCOMPARE(window.message(), QString());
    QCOMPARE(m_platform->settings.values.value("Msg Font Size"), QStringLiteral("33"));
}

void TestTInputMsg::titleBarCloseKeepsTheText()
{
    TInputMsg window(m_platform->settingsService);
    window.show();
    QTest::keyClicks(window.findChild<QPlainTextEdit*>("mMsgIs"), "note");
    QVERIFY(window.close());
    QVERIFY(!window.ContinueProcess());
    QCOMPARE(window.message(), QStringLiteral("note"));
    QCOMPARE(m_platform->settings.values.value("Msg Font Size"), QStringLiteral("9"));
}

void TestTInputMsg::escapeDoesNotClose()
{
    TInputMsg window(m_platform->settingsService);
    window.show();
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    QVERIFY(!m_platform->settings.values.contains("Msg Font Size"));
}

void TestTInputMsg::atMostOnePicture()
{
    TInputMsg window(m_platform->settingsService);
    window.findChild<QToolButton*>("btn2")->setChecked(true);
    QMetaObject::invokeMethod(&window, "btn2Click");
    QCOMPARE(window.VarOfIndexOfBtn(), qint16(1));
    window.findChild<QToolButton*>("btn1")->setChecked(true);
    QMetaObject::invokeMethod(&window, "btn1Click");
    QCOMPARE(window.VarOfIndexOfBtn(), qint16(0));
    QVERIFY(!window.findChild<QToolButton*>("btn2")->isChecked());
    window.findChild<QToolButton*>("btn1")->setChecked(false);
    QMetaObject::invokeMethod(&window, "btn1Click");
    QCOMPARE(window.VarOfIndexOfBtn(), qint16(-1));
}

void TestTInputMsg::runShowsTheWindowModally()
{
    QWidget owner;
    owner.show();
    QString shown;
    QTimer::singleShot(0, &owner, [&] {
        auto* window = qobject_cast<TInputMsg*>(QApplication::activeModalWidget());
        QVERIFY(window);
        shown = window->findChild<QPlainTextEdit*>("mMsgIs")->toPlainText();
        QTest::mouseClick(window->findChild<QPushButton*>("btnSave"), Qt::LeftButton);
    });
    const InputMsgResult result = TInputMsg::run(m_platform->settingsService, &owner, "one\r\ntwo");
    QCOMPARE(shown, QStringLiteral("one\ntwo"));
    QVERIFY(result.confirmed);
    QCOMPARE(result.message, QStringLiteral("one\r\ntwo"));
    QCOMPARE(result.imageIndex, qint16(-1));
}

QTEST_MAIN(TestTInputMsg)
#include "tst_tinputmsg.moc"
