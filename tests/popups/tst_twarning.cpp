// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/tsmallclock.h"
#include "fakeplatform.h"
#include "popups/popupwindow.h"
#include "popups/twarning.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <memory>

class TestTWarning : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void captionAndPlainText();
    void longTextDoesNotGrowTheWindow();
    void enterClosesAndDeletes_data();
    void enterClosesAndDeletes();
    void twoWarningsAreIndependent();
    void makeTopmostKeepsTheWindowShown();
    void placedClearOfMessages_data();
    void placedClearOfMessages();

private:
    TWarning* newWarning(const QString& text);
    static void deleteDeferred() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<TSmallClock> m_clock;
    QList<QPointer<TWarning>> m_warnings;
};

void TestTWarning::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_clock = std::make_unique<TSmallClock>(m_platform->services(), m_platform->settingsService);
}

void TestTWarning::cleanup()
{
    for (const QPointer<TWarning>& warning : std::as_const(m_warnings))
        delete warning.data();
    m_warnings.clear();
    m_clock.reset();
    m_platform.reset();
}

TWarning* TestTWarning::newWarning(const QString& text)
{
    auto* warning = new TWarning(m_clock.get());
    m_warnings.append(warning);
    warning->setText(text);
    warning->show();
    return warning;
}

void TestTWarning::captionAndPlainText()
{
    TWarning* warning = newWarning(QStringLiteral("<b>x</b>"));
    QCOMPARE(warning->windowTitle(), QStringLiteral("Zib Alarm Clock v2.2"));
    const auto* label = warning->findChild<QLabel*>("lblWarn");
    QCOMPARE(label->text(), QStringLiteral("<b>x</b>"));
    QCOMPARE(label->textFormat(), Qt::PlainText);
}

void TestTWarning::longTextDoesNotGrowTheWindow()
{
    const QSize shortSize = newWarning(QStringLiteral("bell.wav not found. Play no sound."))->size();
    TWarning* longOne = newWarning(QStringLiteral("a-very-long-song-name ").repeated(40) + ".wav not found.");
    QCOMPARE(longOne->size(), shortSize);
    QCOMPARE(longOne->findChild<QLabel*>("lblWarn")->size(), QSize(209, 97));
}

void TestTWarning::enterClosesAndDeletes_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
}

void TestTWarning::enterClosesAndDeletes()
{
    QFETCH(int, key);
    QPointer<TWarning> warning = newWarning(QStringLiteral("Fail to play sound. MCI is busy."));
    warning->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(warning));

    QTest::keyClick(warning.data(), Qt::Key(key));
    deleteDeferred();
    QVERIFY(warning.isNull());
}

void TestTWarning::twoWarningsAreIndependent()
{
    QPointer<TWarning> first = newWarning(QStringLiteral("There has not chosen song. Play no sound."));
    QPointer<TWarning> second = newWarning(QStringLiteral("bell.wav not found. Play no sound."));

    QTest::mouseClick(first->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    deleteDeferred();
    QVERIFY(first.isNull());
    QVERIFY(second);
    QVERIFY(second->isVisible());

    QTest::keyClick(second.data(), Qt::Key_Escape);
    QVERIFY(second->isVisible());
    second->close();
    deleteDeferred();
    QVERIFY(second.isNull());
}

void TestTWarning::makeTopmostKeepsTheWindowShown()
{
    TWarning* warning = newWarning(QStringLiteral("Fail to play sound. MCI is busy."));
    const WId before = warning->winId();
    warning->makeTopmost();
    QVERIFY(warning->isVisible());
    QCOMPARE(warning->winId(), before);
    QVERIFY(warning->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestTWarning::placedClearOfMessages_data()
{
    QTest::addColumn<QList<QRect>>("messages");
    QTest::addColumn<QPoint>("topLeft");
    // A 100 x 80 warning centred on a 1280 x 1024 screen.
    QTest::newRow("nothing in the way") << QList<QRect>{{0, 0, 100, 100}} << QPoint(590, 472);
    QTest::newRow("below a message") << QList<QRect>{{440, 400, 400, 200}} << QPoint(590, 608);
    QTest::newRow("below two stacked messages")
        << QList<QRect>{{440, 400, 400, 200}, {460, 580, 400, 200}} << QPoint(590, 788);
    QTest::newRow("above when no room below") << QList<QRect>{{440, 400, 400, 620}} << QPoint(590, 312);
    QTest::newRow("left where it is when no room") << QList<QRect>{{0, 0, 1280, 1024}} << QPoint(590, 472);
}

void TestTWarning::placedClearOfMessages()
{
    QFETCH(QList<QRect>, messages);
    QFETCH(QPoint, topLeft);
    QCOMPARE(topLeftClearOf(QRect(590, 472, 100, 80), messages, QRect(0, 0, 1280, 1024)), topLeft);
}

QTEST_MAIN(TestTWarning)
#include "tst_twarning.moc"
