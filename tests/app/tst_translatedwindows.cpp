// SPDX-License-Identifier: GPL-3.0-or-later
// The windows in German and without a translator: every text a user sees or hears is translated,
// and without a catalogue the English texts are exactly the program's own. Run in a German
// locale, whose dates and month names come from Qt's locale data rather than the catalogue.
#include "app/translations.h"
#include "core/vocabulary.h"
#include "mainwindowfixture.h"
#include "popups/tmsgout.h"
#include "tray/tform2.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include <algorithm>

namespace {
using Texts = QMap<QString, QString>;

void add(Texts& texts, const QString& key, const QString& text)
{
    if (!text.isEmpty())
        texts.insert(key, text);
}

void addActions(Texts& texts, const QString& owner, const QList<QAction*>& actions)
{
    for (const QAction* action : actions) {
        if (action->isSeparator())
            continue;
        const QString name =
            action->objectName().isEmpty() && action->menu() ? action->menu()->objectName() : action->objectName();
        const QString key = owner + u'/' + name;
        add(texts, key + QStringLiteral(".text"), action->text());
        if (action->menu())
            addActions(texts, key, action->menu()->actions());
    }
}

/// What a window shows and tells a screen reader, keyed by control and property.
Texts textsOf(const QWidget& window)
{
    Texts texts;
    add(texts, QStringLiteral("title"), window.windowTitle());
    QList<const QWidget*> widgets{&window};
    // Qt's own parts (the calendar's month button...) speak through Qt's catalogue and locale.
    const auto qtsOwn = [](const QWidget* w) {
        return w->objectName().startsWith(QLatin1String("qt_")) ||
               (w->parentWidget() && w->parentWidget()->objectName().startsWith(QLatin1String("qt_")));
    };
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!qtsOwn(w))
            widgets.append(w);
    }
    for (const QWidget* w : widgets) {
        const QString key = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) + u'@' +
                                                            w->parentWidget()->objectName()
                                                      : w->objectName();
        add(texts, key + QStringLiteral(".accessibleName"), w->accessibleName());
        add(texts, key + QStringLiteral(".accessibleDescription"), w->accessibleDescription());
        add(texts, key + QStringLiteral(".toolTip"), w->toolTip());
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            add(texts, key + QStringLiteral(".text"), button->text());
        if (const auto* label = qobject_cast<const QLabel*>(w))
            add(texts, key + QStringLiteral(".text"), label->text());
        if (const auto* box = qobject_cast<const QGroupBox*>(w))
            add(texts, key + QStringLiteral(".title"), box->title());
        if (const auto* tabs = qobject_cast<const QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(texts, key + QStringLiteral(".tab%1").arg(i), tabs->tabText(i));
        }
        if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                add(texts, key + QStringLiteral(".item%1").arg(i), combo->itemText(i));
        }
        if (const auto* list = qobject_cast<const QTreeView*>(w)) {
            for (int c = 0; c < list->model()->columnCount(); ++c)
                add(texts, key + QStringLiteral(".column%1").arg(c),
                    list->model()->headerData(c, Qt::Horizontal).toString());
        }
        if (const auto* bar = qobject_cast<const QMenuBar*>(w))
            addActions(texts, key, bar->actions());
        if (const auto* menu = qobject_cast<const QMenu*>(w))
            addActions(texts, key, menu->actions());
    }
    return texts;
}

/// Texts that are the same in German, and data: names, numbers, the stored schedule and
/// play-times names, the songs, and the captions by which windows know one another.
bool sameInGerman(const QString& text)
{
    static const QStringList same{QStringLiteral("OK"),  QStringLiteral("&OK"), QStringLiteral("..."),
                                  QStringLiteral("3D"),  QStringLiteral("Msg"), QStringLiteral("Form2"),
                                  QStringLiteral("AM"),  QStringLiteral("PM"),  QStringLiteral("Hurry"),
                                  QStringLiteral("Game")};
    // The settings' date patterns are values, stored as they are shown.
    static const QRegularExpression datePattern(QStringLiteral("^[dmy]+/[dmy]+/[dmy]+$"));
    const bool noWord = std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
    return noWord || same.contains(text) || scheduleNames().contains(text) || playTimesNames().contains(text) ||
           text.startsWith(QStringLiteral("Zib Alarm Clock")) || text.startsWith(QStringLiteral("Msg ")) ||
           datePattern.match(text).hasMatch();
}

/// The four windows whose texts are checked, built afresh under whatever translator is installed.
struct Windows
{
    MainWindowFixture fixture;
    std::unique_ptr<TMsgOut> message;

    Windows()
    {
        fixture.platform.settings.values["Check In Tray"] = "1";
        fixture.start();
        message = std::make_unique<TMsgOut>(fixture.platform.services(), fixture.platform.settingsService,
                                            fixture.clock.get(), fixture.window.get(),
                                            [](const QDateTime&) { return QString(); });
    }
    QList<std::pair<QString, Texts>> texts() const
    {
        const auto* tray = fixture.window->findChild<TForm2*>(QStringLiteral("TForm2"));
        return {{QStringLiteral("main"), textsOf(*fixture.window)},
                {QStringLiteral("settings"), textsOf(*fixture.setup)},
                {QStringLiteral("message"), textsOf(*message)},
                {QStringLiteral("tray"), tray ? textsOf(*tray) : Texts()}};
    }
};
} // namespace

class TestTranslatedWindows : public QObject
{
    Q_OBJECT

private slots:
    void englishTextsWithoutTranslator_data();
    void englishTextsWithoutTranslator();
    void germanLeavesNoEnglishText();
    void languageChoice_data();
    void languageChoice();
};

void TestTranslatedWindows::englishTextsWithoutTranslator_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("main menu") << "main"
                               << "MainMenu1/mShow.text"
                               << "Sh&ow";
    QTest::newRow("button hint") << "main"
                                 << "btnDisabledAll.toolTip"
                                 << "Disabled all alarm events";
    QTest::newRow("list column") << "main"
                                 << "lvMain.column1"
                                 << "Date - Time";
    QTest::newRow("chime item") << "main"
                                << "cbChimeTime.item1"
                                << "Half Hour";
    QTest::newRow("accessible name") << "main"
                                     << "UpDown1.accessibleName"
                                     << "Up-down";
    QTest::newRow("settings tab") << "settings"
                                  << "pcSettings.tab3"
                                  << "Startup";
    QTest::newRow("settings misspelt box") << "settings"
                                           << "chkStartup.text"
                                           << "Load when Windows starts ( in tray )";
    QTest::newRow("message button") << "message"
                                    << "btnOK.text"
                                    << "&OK";
    QTest::newRow("tray item") << "tray"
                               << "PopupMenu1/mnuAlarmSet.text"
                               << "Alarm Set";
}

void TestTranslatedWindows::englishTextsWithoutTranslator()
{
    QFETCH(QString, window);
    QFETCH(QString, key);
    QFETCH(QString, text);
    const Windows windows;
    for (const auto& [name, texts] : windows.texts()) {
        if (name == window)
            QCOMPARE(texts.value(key, QStringLiteral("<none>")), text);
    }
}

void TestTranslatedWindows::germanLeavesNoEnglishText()
{
    const QList<std::pair<QString, Texts>> english = Windows().texts();
    Translations german;
    QVERIFY(german.load({QStringLiteral("de-DE")}));
    german.install();
    const QList<std::pair<QString, Texts>> translated = Windows().texts();
    QStringList left;
    for (qsizetype w = 0; w < english.size(); ++w) {
        const Texts& before = english[w].second;
        const Texts& after = translated[w].second;
        QVERIFY2(!before.isEmpty(), qPrintable(english[w].first));
        for (auto it = before.begin(); it != before.end(); ++it) {
            const QString shown = after.value(it.key());
            if (shown.isEmpty() || (shown == it.value() && !sameInGerman(shown)))
                left << english[w].first + u' ' + it.key() + QStringLiteral(": ") + it.value();
        }
    }
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u'\n')));
}

void TestTranslatedWindows::languageChoice_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("exit");
    QTest::newRow("German") << QStringList{"de-DE", "de"} << "Beenden";
    QTest::newRow("French of Canada") << QStringList{"fr-CA"} << "Quitter";
    QTest::newRow("no catalogue, then German") << QStringList{"es-ES", "de"} << "Beenden";
    QTest::newRow("English before German") << QStringList{"en-GB", "de"} << "Exit";
    QTest::newRow("only languages without a catalogue") << QStringList{"es", "it"} << "Exit";
    QTest::newRow("C locale") << QStringList{"C"} << "Exit";
}

void TestTranslatedWindows::languageChoice()
{
    QFETCH(QStringList, languages);
    Translations translations;
    const bool loaded = translations.load(languages);
    QTEST(translations.translate("TfrmMain", "Exit"), "exit");
    QCOMPARE(loaded, translations.translate("TfrmMain", "Exit") != QLatin1String("Exit"));
    // Qt's own catalogue comes with ours, for the standard buttons and dialogs.
    if (loaded)
        QVERIFY(translations.translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
}

QTEST_MAIN(TestTranslatedWindows)
#include "tst_translatedwindows.moc"
