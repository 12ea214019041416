// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/dateformats.h"
#include "clock/tsmallclock.h"
#include "core/programinfo.h"
#include "fakeplatform.h"
#include "settings/tsetup.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <memory>

using Values = QMap<QString, QString>;

class TestTSetUp : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstRunDefaults();
    void loadSettings_data();
    void loadSettings();
    void userActionWritesShownState_data();
    void userActionWritesShownState();
    void rightClickOnStartupRepeatsEntry_data();
    void rightClickOnStartupRepeatsEntry();
    void runEntryFailure_data();
    void runEntryFailure();
    void separatorTypedRewritesPatterns();
    void separatorTypedWhileUnchecked();
    void letterSeparatorKeepsPatternsReadable();
    void dropDownPutsSeparatorIn();
    void uncheckingFormatDisablesSeparator();
    void trayBoxSwitchesIcon();
    void fonts();
    void dateTabShowsToday();
    void closeHidesAndNotifies();

private:
    void create(const Values& stored = {});
    template <typename T = QWidget> T* control(const QString& name) const
    {
        T* widget = m_window->findChild<T*>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        // Bring its tab to the front, as a user would before acting on it.
        auto* tabs = m_window->findChild<QTabWidget*>("pcSettings");
        for (QWidget* page = widget; page; page = page->parentWidget()) {
            if (tabs->indexOf(page) >= 0) {
                tabs->setCurrentWidget(page);
                break;
            }
        }
        return widget;
    }
    QStringList patterns() const;

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<TSmallClock> m_clock;
    std::unique_ptr<TSetUp> m_window;
    /// What the window last told the rest of the program.
    AlarmOptions m_announced;
};

void TestTSetUp::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_clock = std::make_unique<TSmallClock>(m_platform->services(), m_platform->settingsService);
}

void TestTSetUp::cleanup()
{
    m_window.reset();
    m_clock.reset();
    m_platform.reset();
}

void TestTSetUp::create(const Values& stored)
{
    m_platform->settings.values = stored;
    m_platform->settings.reads.clear();
    m_platform->settings.writes.clear();
    m_window = std::make_unique<TSetUp>(m_platform->services(), m_platform->settingsService, m_platform->programDir(),
                                        m_clock.get());
    connect(m_window.get(), &TSetUp::optionsChanged, this,
            [this](const AlarmOptions& options) { m_announced = options; });
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

QStringList TestTSetUp::patterns() const
{
    QStringList result;
    auto* list = control<QComboBox>("cbDateFormat");
    for (int i = 0; i < list->count(); ++i)
        result.append(list->itemText(i));
    return result;
}

void TestTSetUp::firstRunDefaults()
{
    create();
    const QStringList expectedReads{
        "Check Startup",      "Check Separator",  "Separator",        "Check Date Format",     "Date Format",
        "Check Remove Alarm", "Check Sound On",   "Check ShowErrMsg", "BusyMCISwapIntSpeaker", "Check In Tray",
        "MainListFontName",   "MainListFontSize", "Check ChimeAtMin"};
    QCOMPARE(m_platform->settings.reads, expectedReads);
    QVERIFY(m_platform->settings.writes.isEmpty());
    QCOMPARE(m_platform->autostart.adds + m_platform->autostart.removes, 0);

    const AlarmOptions options = m_window->options();
    QVERIFY(options.soundOn);
    QVERIFY(options.showErrMsg);
    QVERIFY(!options.swapToSpeaker);
    QVERIFY(!options.removeAfterExecuted);
    QVERIFY(!options.chimeAtExactMinute);
    QVERIFY(!options.loadAtStartup);
    QVERIFY(!options.showIconInTray);
    QVERIFY(!options.dates.useFormat);
    QCOMPARE(options.dates.format, "dd/mm/yyyy");
    QVERIFY(!options.dates.useSeparator);
    QVERIFY(options.dates.separator.isEmpty());
    QCOMPARE(patterns(), TSetUp::datePatterns());
    QVERIFY(!control("chkThisSeparator")->isEnabled());
    QVERIFY(!control("edThisSeparator")->isEnabled());

    QCOMPARE(m_window->windowTitle(), "Settings");
    QCOMPARE(control<QTabWidget>("pcSettings")->currentWidget(), control("tabSound"));
    QVERIFY(m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!m_window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!m_window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QCOMPARE(m_window->size(), QSize(337, 275)); // offscreen screens have 96 dots per inch
}

void TestTSetUp::loadSettings_data()
{
    QTest::addColumn<Values>("stored");
    QTest::addColumn<QString>("controlName");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("sound off") << Values{{"Check Sound On", "0"}} << "chkSoundOn" << QByteArray("checked")
                               << QVariant(false);
    QTest::newRow("sound blank zero") << Values{{"Check Sound On", " 0"}} << "chkSoundOn" << QByteArray("checked")
                                      << QVariant(true);
    QTest::newRow("error message off") << Values{{"Check ShowErrMsg", "0"}} << "chkShowErrMsg" << QByteArray("checked")
                                       << QVariant(false);
    QTest::newRow("swap") << Values{{"BusyMCISwapIntSpeaker", "1"}} << "chkSwap" << QByteArray("checked")
                          << QVariant(true);
    QTest::newRow("remove") << Values{{"Check Remove Alarm", "1"}} << "chkRemove" << QByteArray("checked")
                            << QVariant(true);
    QTest::newRow("chime at minute") << Values{{"Check ChimeAtMin", "1"}} << "chkChimeAtMin" << QByteArray("checked")
                                     << QVariant(true);
    QTest::newRow("startup") << Values{{"Check Startup", "1"}} << "chkStartup" << QByteArray("checked")
                             << QVariant(true);
    QTest::newRow("tray") << Values{{"Check In Tray", "1"}} << "chkInTray" << QByteArray("checked") << QVariant(true);
    QTest::newRow("tray true") << Values{{"Check In Tray", "true"}} << "chkInTray" << QByteArray("checked")
                               << QVariant(false);
    QTest::newRow("font name") << Values{{"MainListFontName", "DejaVu Sans"}} << "edFontName" << QByteArray("text")
                               << QVariant("DejaVu Sans");
    QTest::newRow("font size") << Values{{"MainListFontSize", "14"}} << "edFontSize" << QByteArray("text")
                               << QVariant("14");
    QTest::newRow("separator") << Values{{"Separator", "-"}} << "edThisSeparator" << QByteArray("text")
                               << QVariant("-");
    QTest::newRow("separator box") << Values{{"Check Separator", "1"}} << "chkThisSeparator" << QByteArray("checked")
                                   << QVariant(true);
    QTest::newRow("date format box enables separator box")
        << Values{{"Check Date Format", "1"}} << "chkThisSeparator" << QByteArray("enabled") << QVariant(true);
    QTest::newRow("date format box enables separator field")
        << Values{{"Check Date Format", "1"}} << "edThisSeparator" << QByteArray("enabled") << QVariant(true);
    QTest::newRow("date format") << Values{{"Date Format", "mm/dd/yy"}} << "cbDateFormat" << QByteArray("currentIndex")
                                 << QVariant(5);
    QTest::newRow("date format with own separator")
        << Values{{"Check Separator", "1"}, {"Separator", "-"}, {"Date Format", "yyyy-mm-dd"}} << "cbDateFormat"
        << QByteArray("currentText") << QVariant("yyyy-mm-dd");
    QTest::newRow("date format matching nothing")
        << Values{{"Date Format", "yyyy-mm-dd"}} << "cbDateFormat" << QByteArray("currentIndex") << QVariant(0);
    QTest::newRow("date format in other case")
        << Values{{"Date Format", "MM/DD/YY"}} << "cbDateFormat" << QByteArray("currentIndex") << QVariant(0);
}

void TestTSetUp::loadSettings()
{
    QFETCH(Values, stored);
    QFETCH(QString, controlName);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, expected);

    create(stored);
    QCOMPARE(control(controlName)->property(property), expected);
    QVERIFY(m_platform->settings.writes.isEmpty());
    QCOMPARE(m_platform->autostart.adds + m_platform->autostart.removes, 0);
}

void TestTSetUp::userActionWritesShownState_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("valueName");

    QTest::newRow("sound on") << "chkSoundOn"
                              << "Check Sound On";
    QTest::newRow("error message") << "chkShowErrMsg"
                                   << "Check ShowErrMsg";
    QTest::newRow("swap") << "chkSwap"
                          << "BusyMCISwapIntSpeaker";
    QTest::newRow("remove") << "chkRemove"
                            << "Check Remove Alarm";
    QTest::newRow("date format") << "chkThisFormat"
                                 << "Check Date Format";
    QTest::newRow("separator") << "chkThisSeparator"
                               << "Check Separator";
    QTest::newRow("startup") << "chkStartup"
                             << "Check Startup";
    QTest::newRow("tray") << "chkInTray"
                          << "Check In Tray";
}

void TestTSetUp::userActionWritesShownState()
{
    QFETCH(QString, boxName);
    QFETCH(QString, valueName);

    create({{"Check Date Format", "1"}}); // enables the separator box
    auto* box = control<QCheckBox>(boxName);
    auto& settings = m_platform->settings;
    const bool initial = box->isChecked();
    auto expectOneWrite = [&](bool state) {
        QCOMPARE(box->isChecked(), state);
        QCOMPARE(settings.writes, QStringList{valueName});
        QCOMPARE(settings.values.value(valueName), state ? "1" : "0");
        settings.writes.clear();
    };

    QTest::keyClick(box, Qt::Key_Space);
    expectOneWrite(!initial);
    if (QTest::currentTestFailed())
        return;

    QTest::keyClick(box, Qt::Key_A);
    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(box->isChecked(), !initial);
    QVERIFY(settings.writes.isEmpty());

    QTest::mouseClick(box, Qt::LeftButton);
    expectOneWrite(initial);
    if (QTest::currentTestFailed())
        return;

    QTest::mouseClick(box, Qt::RightButton);
    expectOneWrite(initial);
    if (QTest::currentTestFailed())
        return;

    // Pressed on the box, released elsewhere: no toggle and nothing to save.
    QTest::mousePress(box, Qt::LeftButton);
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(box->isChecked(), initial);
    QVERIFY(settings.writes.isEmpty());

    // A toggle through the accessibility press action, which is a plain click().
    box->click();
    expectOneWrite(!initial);
    if (QTest::currentTestFailed())
        return;
}

void TestTSetUp::rightClickOnStartupRepeatsEntry_data()
{
    QTest::addColumn<bool>("checked");
    QTest::newRow("checked adds again") << true;
    QTest::newRow("unchecked removes again") << false;
}

void TestTSetUp::rightClickOnStartupRepeatsEntry()
{
    QFETCH(bool, checked);
    create({{"Check Startup", checked ? "1" : "0"}});
    auto& autostart = m_platform->autostart;

    QTest::mouseClick(control("chkStartup"), Qt::RightButton);
    QCOMPARE(m_window->options().loadAtStartup, checked);
    QCOMPARE(autostart.adds, checked ? 1 : 0);
    QCOMPARE(autostart.removes, checked ? 0 : 1);
    QCOMPARE(autostart.programPath(ProgramInfo::title()), checked ? m_platform->programDir() + "zibac" : QString());
    QCOMPARE(m_platform->settings.values.value("Check Startup"), checked ? "1" : "0");
    QVERIFY(m_platform->dialogs.boxes.isEmpty());
}

void TestTSetUp::runEntryFailure_data()
{
    QTest::addColumn<bool>("checkedBefore");
    QTest::addColumn<bool>("entryBefore");
    QTest::addColumn<bool>("entryFileExists");
    QTest::addColumn<bool>("reported");
    QTest::addColumn<bool>("checkedAfter");

    QTest::newRow("add fails") << false << false << false << true << false;
    QTest::newRow("add over an old entry fails") << false << true << true << true << true;
    QTest::newRow("remove fails") << true << true << true << true << true;
    QTest::newRow("remove fails, entry names no file") << true << true << false << false << false;
}

void TestTSetUp::runEntryFailure()
{
    QFETCH(bool, checkedBefore);
    QFETCH(bool, entryBefore);
    QFETCH(bool, entryFileExists);
    QFETCH(bool, reported);
    QFETCH(bool, checkedAfter);

    const QString name = ProgramInfo::title();
    const QString program = m_platform->programDir() + "zibac";
    if (entryBefore)
        m_platform->autostart.entries[name] = program;
    if (entryFileExists) {
        QFile file(program);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    create({{"Check Startup", checkedBefore ? "1" : "0"}});
    m_platform->autostart.fail = true;

    QTest::mouseClick(control("chkStartup"), Qt::LeftButton);

    const auto& boxes = m_platform->dialogs.boxes;
    QCOMPARE(boxes.size(), reported ? 1 : 0);
    if (reported) {
        QCOMPARE(boxes[0].text, "Fail to update registry. If under Windows NT, only Administrator or Super Users "
                                "have authorities to execute this command. Contact System Administrator to have "
                                "furthur advice.");
        QCOMPARE(boxes[0].caption, "Zib Alarm Clock v2.2");
        QCOMPARE(boxes[0].icon, Dialogs::Icon::None);
    }
    QCOMPARE(m_window->options().loadAtStartup, checkedAfter);
    QCOMPARE(m_platform->settings.writes, QStringList{"Check Startup"});
    QCOMPARE(m_platform->settings.values.value("Check Startup"), checkedAfter ? "1" : "0");
}

void TestTSetUp::separatorTypedRewritesPatterns()
{
    create({{"Check Date Format", "1"}, {"Check Separator", "1"}});
    auto* list = control<QComboBox>("cbDateFormat");
    auto* field = control<QLineEdit>("edThisSeparator");
    auto& settings = m_platform->settings;

    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(settings.values.value("Date Format"), "mm/dd/yyyy");
    settings.writes.clear();

    QTest::keyClicks(field, "-");
    QCOMPARE(patterns().join(' '), "dd-mm-yyyy mm-dd-yyyy yyyy-mm-dd yyyy-dd-mm dd-mm-yy mm-dd-yy yy-mm-dd yy-dd-mm");
    QCOMPARE(list->currentIndex(), 1);
    QCOMPARE(settings.writes, (QStringList{"Separator", "Date Format"}));
    QCOMPARE(settings.values.value("Separator"), "-");
    QCOMPARE(settings.values.value("Date Format"), "mm-dd-yyyy");
    settings.writes.clear();

    QTest::keyClick(field, Qt::Key_Backspace);
    QVERIFY(settings.writes.isEmpty());
    QCOMPARE(list->currentText(), "mm-dd-yyyy");

    QTest::keyClicks(field, ".");
    QCOMPARE(patterns().join(' '), "dd.mm.yyyy mm.dd.yyyy yyyy.mm.dd yyyy.dd.mm dd.mm.yy mm.dd.yy yy.mm.dd yy.dd.mm");
    QCOMPARE(settings.values.value("Separator"), ".");
    QCOMPARE(settings.values.value("Date Format"), "mm.dd.yyyy");
    QCOMPARE(m_announced.dates.format, "mm.dd.yyyy");
    QCOMPARE(m_announced.dates.separator, ".");

    // Any key released in a filled field writes both again.
    settings.writes.clear();
    QTest::keyClick(field, Qt::Key_Left);
    QCOMPARE(settings.writes, (QStringList{"Separator", "Date Format"}));
}

void TestTSetUp::separatorTypedWhileUnchecked()
{
    create({{"Check Date Format", "1"}});
    QTest::keyClicks(control("edThisSeparator"), "-");
    QCOMPARE(m_platform->settings.writes, (QStringList{"Separator", "Date Format"}));
    QCOMPARE(m_platform->settings.values.value("Separator"), "-");
    QCOMPARE(m_platform->settings.values.value("Date Format"), "dd/mm/yyyy");
    QCOMPARE(patterns(), TSetUp::datePatterns());
}

void TestTSetUp::letterSeparatorKeepsPatternsReadable()
{
    // A stored pattern letter as separator must not eat the pattern letters once replaced.
    create({{"Check Date Format", "1"}, {"Check Separator", "1"}, {"Separator", "d"}, {"Date Format", "dddmmdyyyy"}});
    QCOMPARE(patterns().first(), "dddmmdyyyy");
    auto* field = control<QLineEdit>("edThisSeparator");
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, "-");
    QCOMPARE(patterns().first(), "dd-mm-yyyy");
    QCOMPARE(m_platform->settings.values.value("Date Format"), "dd-mm-yyyy");

    // Typing one is refused.
    QTest::keyClick(field, Qt::Key_Backspace);
    m_platform->settings.writes.clear();
    QTest::keyClicks(field, "y");
    QVERIFY(field->text().isEmpty());
    QVERIFY(m_platform->settings.writes.isEmpty());
}

void TestTSetUp::dropDownPutsSeparatorIn()
{
    create({{"Check Date Format", "1"}});
    auto* list = control<QComboBox>("cbDateFormat");
    control<QLineEdit>("edThisSeparator")->setText("-");
    control<QCheckBox>("chkThisSeparator")->setChecked(true);
    QCOMPARE(patterns(), TSetUp::datePatterns()); // not before the list drops down

    m_window->show();
    list->showPopup();
    list->hidePopup();
    QCOMPARE(patterns().last(), "yy-dd-mm");

    // Unchecking does not bring the slashes back.
    control<QCheckBox>("chkThisSeparator")->setChecked(false);
    list->showPopup();
    list->hidePopup();
    QCOMPARE(patterns().last(), "yy-dd-mm");
    QVERIFY(m_platform->settings.writes.isEmpty());
}

void TestTSetUp::uncheckingFormatDisablesSeparator()
{
    create({{"Check Date Format", "1"}, {"Check Separator", "1"}, {"Separator", "-"}});
    QVERIFY(control("chkThisSeparator")->isEnabled());

    QTest::mouseClick(control("chkThisFormat"), Qt::LeftButton);
    QVERIFY(!control("chkThisSeparator")->isEnabled());
    QVERIFY(!control("edThisSeparator")->isEnabled());
    QCOMPARE(m_platform->settings.writes, QStringList{"Check Date Format"});
    QCOMPARE(m_platform->settings.values.value("Check Date Format"), "0");
    QCOMPARE(m_platform->settings.values.value("Check Separator"), "1");
    QCOMPARE(m_platform->settings.values.value("Separator"), "-");
    QVERIFY(!m_announced.dates.useFormat);

    QTest::mouseClick(control("chkThisFormat"), Qt::LeftButton);
    QVERIFY(control("chkThisSeparator")->isEnabled());
    QVERIFY(control("edThisSeparator")->isEnabled());
}

void TestTSetUp::trayBoxSwitchesIcon()
{
    create();
    QSignalSpy switched(m_window.get(), &TSetUp::trayIconSwitched);
    QTest::mouseClick(control("chkInTray"), Qt::LeftButton);
    QTest::mouseClick(control("chkInTray"), Qt::LeftButton);
    QCOMPARE(switched.size(), 2);
    QCOMPARE(switched[0][0].toBool(), true);
    QCOMPARE(switched[1][0].toBool(), false);
    QCOMPARE(m_platform->settings.values.value("Check In Tray"), "0");
}

void TestTSetUp::fonts()
{
    create({{"MainListFontName", "Old Font"}, {"MainListFontSize", "9"}});
    QSignalSpy applied(m_window.get(), &TSetUp::listFontApplied);
    QList<QFont> offered;
    std::optional<QFont> answer;
    m_window->setFontChooser([&](const QFont& current, QWidget*) {
        offered.append(current);
        return answer;
    });
    auto* apply = control<QPushButton>("btnApplyMisc");

    apply->click();
    QCOMPARE(applied.size(), 0);
    QVERIFY(m_platform->settings.writes.isEmpty());

    control<QPushButton>("btnFonts")->click(); // cancelled
    QCOMPARE(offered.last().family(), "MS Sans Serif");
    QCOMPARE(control<QLineEdit>("edFontName")->text(), "Old Font");
    apply->click();
    QCOMPARE(applied.size(), 0);

    QFont chosen("DejaVu Serif", 14);
    chosen.setItalic(true);
    answer = chosen;
    control<QPushButton>("btnFonts")->click();
    QCOMPARE(control<QLineEdit>("edFontName")->text(), "DejaVu Serif");
    QCOMPARE(control<QLineEdit>("edFontSize")->text(), "14");
    QVERIFY(m_platform->settings.writes.isEmpty());

    apply->click();
    QCOMPARE(applied.size(), 1);
    QCOMPARE(applied[0][0].value<QFont>(), chosen);
    QCOMPARE(m_platform->settings.writes, (QStringList{"MainListFontName", "MainListFontSize"}));
    QCOMPARE(m_platform->settings.values.value("MainListFontName"), "DejaVu Serif");
    QCOMPARE(m_platform->settings.values.value("MainListFontSize"), "14");

    answer.reset();
    control<QPushButton>("btnFonts")->click();
    QCOMPARE(offered.last(), chosen); // the dialog opens on its last confirmed font
}

void TestTSetUp::dateTabShowsToday()
{
    create();
    auto* tabs = control<QTabWidget>("pcSettings");
    m_window->show();
    QVERIFY(m_window->findChild<QLineEdit*>("edCurFormat")->text().isEmpty());

    tabs->setCurrentWidget(control("tabDate"));
    const DateFormats formats;
    QCOMPARE(control<QLineEdit>("edCurFormat")->text(), formats.YMD_To_ShortDate("2026/12/07"));
    QVERIFY(!control<QLineEdit>("edCurFormat")->text().isEmpty());
    QCOMPARE(control<QLineEdit>("edSeparator")->text(), QString(formats.startDateSeparator()));

    m_platform->clock.advanceDays(30);
    tabs->setCurrentWidget(control("tabSound"));
    tabs->setCurrentWidget(control("tabDate"));
    QCOMPARE(control<QLineEdit>("edCurFormat")->text(), formats.YMD_To_ShortDate("2027/01/06"));
}

void TestTSetUp::closeHidesAndNotifies()
{
    create();
    auto* mainWindow = new QWidget;
    std::unique_ptr<QWidget> owner(mainWindow);
    m_window->setMainWindow(mainWindow);
    m_window->show();
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isVisible());

    QSignalSpy closing(m_window.get(), &TSetUp::aboutToClose);
    m_window->findChild<QAction*>("mnuClose")->trigger();
    QCOMPARE(closing.size(), 1);
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_platform->settings.writes.isEmpty());
}

QTEST_MAIN(TestTSetUp)
#include "tst_tsetup.moc"
