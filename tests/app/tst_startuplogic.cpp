// SPDX-License-Identifier: GPL-3.0-or-later
// The window-free pieces of start-up: the first-run file name, the saved placement rules, the
// list of wave songs and the word on a move to the data folder.
#include "app/eventsfilename.h"
#include "app/mainformsettings.h"
#include "app/programfolderstart.h"
#include "fakedialogs.h"
#include "widgets/songlist.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestStartupLogic : public QObject
{
    Q_OBJECT

private slots:
    void fileNameCheck_data();
    void fileNameCheck();
    void badCharactersMessage();
    void placementRanges_data();
    void placementRanges();
    void notANumberCountsAsMissing();
    void waveSongs();
    void waveSongsOfMissingFolder();
    void moveToDataFolderToldOnce();
};

void TestStartupLogic::fileNameCheck_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("expected");
    const int empty = int(EventsFileNameCheck::Empty);
    const int bad = int(EventsFileNameCheck::BadCharacters);
    const int ok = int(EventsFileNameCheck::Acceptable);
    QTest::newRow("plain name") << "events" << ok;
    QTest::newRow("already .acl") << "events.acl" << ok;
    QTest::newRow("blank inside") << "my alarms" << ok;
    QTest::newRow("empty") << "" << empty;
    QTest::newRow("colon") << "c:events" << bad;
    QTest::newRow("backslash") << "a\\b" << bad;
    QTest::newRow("slash") << "a/b" << bad;
    QTest::newRow("asterisk") << "a*" << bad;
    QTest::newRow("question mark") << "a?" << bad;
    QTest::newRow("double quote") << "a\"" << bad;
    QTest::newRow("less than") << "a<" << bad;
    QTest::newRow("greater than") << "a>" << bad;
    QTest::newRow("bar") << "a|b" << bad;
    QTest::newRow("line feed") << "a\nb" << bad;
}

void TestStartupLogic::fileNameCheck()
{
    QFETCH(QString, answer);
    QFETCH(int, expected);
    QCOMPARE(int(checkEventsFileName(answer)), expected);
}

void TestStartupLogic::badCharactersMessage()
{
    QCOMPARE(badFileNameCharactersMessage(),
             QStringLiteral("Filename may not include below characters.\r\n\\ / : * ? \" < > |"));
    QCOMPARE(eventsFileNameFor("events.acl"), QStringLiteral("events.acl.acl"));
}

void TestStartupLogic::placementRanges_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("applied");
    // The screen is 1024 x 768 in these rows.
    QTest::newRow("width 100 ignored") << "MainFormWidth"
                                       << "100" << false;
    QTest::newRow("width 101 applied") << "MainFormWidth"
                                       << "101" << true;
    QTest::newRow("width = screen applied") << "MainFormWidth"
                                            << "1024" << true;
    QTest::newRow("width > screen ignored") << "MainFormWidth"
                                            << "1025" << false;
    QTest::newRow("height 80 ignored") << "MainFormHeight"
                                       << "80" << false;
    QTest::newRow("height 81 applied") << "MainFormHeight"
                                       << "81" << true;
    QTest::newRow("height = screen applied") << "MainFormHeight"
                                             << "768" << true;
    QTest::newRow("top 0 ignored") << "Main Top"
                                   << "0" << false;
    QTest::newRow("top 1 applied") << "Main Top"
                                   << "1" << true;
    QTest::newRow("top = screen height ignored") << "Main Top"
                                                 << "768" << false;
    QTest::newRow("top negative ignored") << "Main Top"
                                          << "-15" << false;
    QTest::newRow("left = screen width ignored") << "Main Left"
                                                 << "1024" << false;
    QTest::newRow("left 1023 applied") << "Main Left"
                                       << "1023" << true;
    QTest::newRow("column 10 ignored") << "PTColWidth"
                                       << "10" << false;
    QTest::newRow("column 11 applied") << "DateTimeColWidth"
                                       << "11" << true;
    QTest::newRow("column 399 applied") << "ScheduleColWidth"
                                        << "399" << true;
    QTest::newRow("column 400 ignored") << "MessageColWidth"
                                        << "400" << false;
    QTest::newRow("hidden column 11 applied") << "SongRunColWidth"
                                              << "11" << true;
    QTest::newRow("font size") << "MainListFontSize"
                               << "12" << true;
    QTest::newRow("font size 0 ignored") << "MainListFontSize"
                                         << "0" << false;
}

void TestStartupLogic::placementRanges()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QFETCH(bool, applied);
    const auto read = [&](const QString& asked) { return asked == name ? stored : QString(); };
    const MainFormSettings s = MainFormSettings::read(read, QSize(1024, 768));
    std::optional<int> value;
    if (name == "MainFormWidth")
        value = s.width;
    else if (name == "MainFormHeight")
        value = s.height;
    else if (name == "Main Top")
        value = s.top;
    else if (name == "Main Left")
        value = s.left;
    else if (name == "MainListFontSize")
        value = s.fontSize;
    else
        value = s.columnWidths[std::find(columnWidthNames.begin(), columnWidthNames.end(), name) -
                               columnWidthNames.begin()];
    QCOMPARE(value.has_value(), applied);
    if (applied)
        QCOMPARE(*value, stored.toInt());
}

void TestStartupLogic::notANumberCountsAsMissing()
{
    const QMap<QString, QString> stored{{"Main Top", "12abc"},
                                        {"Main Left", " 5"},
                                        {"MainFormWidth", "abc"},
                                        {"MainFormHeight", "300"},
                                        {"MainListFontName", "DejaVu Sans"}};
    const MainFormSettings s = MainFormSettings::read([&](const QString& n) { return stored.value(n); }, {1024, 768});
    QVERIFY(!s.top);
    QVERIFY(!s.width);
    QCOMPARE(s.height, 300);
    QCOMPARE(s.fontName, QStringLiteral("DejaVu Sans"));
    QVERIFY(!s.fontSize);
}

void TestStartupLogic::waveSongs()
{
    QTemporaryDir dir;
    const auto touch = [&](const QString& name) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    };
    touch("Bell.wav");
    touch("alarm.WAV");
    touch("notes.txt");
    touch(".hidden.wav");
    touch("star*name.wav");
    touch("readonly.wav");
    QFile::setPermissions(dir.filePath("readonly.wav"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    QVERIFY(QDir(dir.path()).mkdir("folder.wav"));
    QCOMPARE(::waveSongs(dir.path() + "/"), QStringList({"alarm", "Bell"}));
    QCOMPARE(speakerSongs(), QStringList({"Hurry", "Game"}));
}

void TestStartupLogic::waveSongsOfMissingFolder()
{
    QVERIFY(::waveSongs("/nonexistent/folder/").isEmpty());
}

void TestStartupLogic::moveToDataFolderToldOnce()
{
    QTemporaryDir root;
    const auto touch = [&](const QString& name) {
        QVERIFY(QDir().mkpath(QFileInfo(root.filePath(name)).path()));
        QFile file(root.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    };
    // A program without songs of its own beside an installation's: its list goes along.
    touch("bin/alarms.acl");
    touch("share/zibac/Bell.wav");
    qputenv("XDG_DATA_HOME", root.filePath("data").toLocal8Bit());
    const QString data = root.filePath("data/zibac");
    FakeDialogs dialogs;
    for (int start = 0; start < 2; ++start)
        QCOMPARE(openProgramFolder(dialogs, root.filePath("bin"), "alarms.acl"), data);
    qunsetenv("XDG_DATA_HOME");

    QCOMPARE(dialogs.boxes.size(), 1);
    QCOMPARE(dialogs.boxes[0].icon, Dialogs::Icon::Information);
    const QString text = dialogs.boxes[0].text;
    for (const QString& named : {data, root.filePath("bin"), QStringLiteral("alarms.acl")})
        QVERIFY2(text.contains(named), qPrintable(text));
    QVERIFY(QFileInfo::exists(data + "/alarms.acl") && QFileInfo::exists(root.filePath("bin/alarms.acl")));
}

QTEST_GUILESS_MAIN(TestStartupLogic)
#include "tst_startuplogic.moc"
