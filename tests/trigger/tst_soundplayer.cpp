// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/soundplayer.h"
#include "trigger/speakerrepeat.h"

#include "fakewaveplayer.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString describe(const FakeWavePlayer::Call& call)
{
    if (call.stop)
        return QStringLiteral("stop");
    static const char* const modes[] = {"Sync", "Async", "AsyncLoop"};
    return QLatin1String(modes[int(call.mode)]) + QLatin1Char(' ') + QFileInfo(call.path).fileName();
}
} // namespace

class TestSoundPlayer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void play_data();
    void play();
    void onlyFirstWaveResultCounts_data();
    void onlyFirstWaveResultCounts();
    void swapThatCannotSoundReportsAsWithoutIt_data();
    void swapThatCannotSoundReportsAsWithoutIt();
    void testSong_data();
    void testSong();
    void stopClearsRepeat();
    void laterRefusal_data();
    void laterRefusal();
    void silentOutputWarns_data();
    void silentOutputWarns();
    void unheardRepeatWarnsOnce();

private:
    QStringList waveCallsMade() const;

    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_programDir;
    FakeWavePlayer m_wave;
    SpeakerRepeat m_repeat;
    QList<int> m_tunes;
    bool m_speakerAudible = true;
    bool m_tuneHeard = true;
    QStringList m_warnings;
    std::unique_ptr<SoundPlayer> m_player;
};

void TestSoundPlayer::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_programDir = m_folder->path() + QLatin1Char('/');
    for (const char* name : {"bell.wav", "Gong.WAV", "bell2.wav.bak"}) {
        QFile file(m_programDir + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    m_wave = FakeWavePlayer();
    m_repeat = SpeakerRepeat();
    m_tunes.clear();
    m_speakerAudible = true;
    m_tuneHeard = true;
    m_warnings.clear();
    m_player = std::make_unique<SoundPlayer>(
        m_wave, m_repeat,
        [this](int tune) {
            m_tunes.append(tune);
            return m_tuneHeard;
        },
        [this] { return m_speakerAudible; },
        [this](const QString& text, SoundPlayer::Warning kind) {
            m_warnings.append((kind != SoundPlayer::Warning::Missing ? QStringLiteral("topmost: ") : QString()) + text);
        });
}

QStringList TestSoundPlayer::waveCallsMade() const
{
    QStringList result;
    for (const FakeWavePlayer::Call& call : m_wave.calls)
        result.append(describe(call));
    return result;
}

void TestSoundPlayer::play_data()
{
    QTest::addColumn<bool>("speakerMode");
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<QString>("playTimes");
    QTest::addColumn<QString>("song");
    QTest::addColumn<bool>("waveResult");
    QTest::addColumn<bool>("swapToSpeaker");
    QTest::addColumn<bool>("showError");
    QTest::addColumn<QStringList>("waveCalls");
    QTest::addColumn<QList<int>>("tunes");
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<int>("repeatTune"); // -1: no repeat

    const QString notFound = QStringLiteral("chimes.wav not found. Play no sound.");
    const QString busy = QStringLiteral("topmost: Fail to play sound. MCI is busy.");
    const QString noSong = QStringLiteral("There has not chosen song. Play no sound.");
    using L = QList<int>;
    using S = QStringList;
    // clang-format off
    QTest::newRow("sound off") << false << false << "Twice" << "bell" << true << true << true << S{} << L{} << S{} << -1;
    QTest::newRow("sound off speaker") << true << false << "Repeat" << "Game" << true << true << true << S{} << L{} << S{} << -1;
    QTest::newRow("wave Once") << false << true << "Once" << "bell" << true << false << true << S{"Async bell.wav"} << L{} << S{} << -1;
    QTest::newRow("wave Twice") << false << true << "Twice" << "bell" << true << false << true << S{"Sync bell.wav", "Async bell.wav"} << L{} << S{} << -1;
    QTest::newRow("wave Thrice") << false << true << "Thrice" << "bell" << true << false << true << S{"Sync bell.wav", "Sync bell.wav", "Async bell.wav"} << L{} << S{} << -1;
    QTest::newRow("wave Repeat") << false << true << "Repeat" << "bell" << true << false << true << S{"AsyncLoop bell.wav"} << L{} << S{} << -1;
    QTest::newRow("wave other text") << false << true << "Often" << "bell" << true << false << true << S{"Async bell.wav"} << L{} << S{} << -1;
    QTest::newRow("wave upper-case extension") << false << true << "Once" << "Gong" << true << false << true << S{"Async Gong.WAV"} << L{} << S{} << -1;
    QTest::newRow("wave name case matters") << false << true << "Once" << "BELL" << true << false << false << S{"Async BELL.wav"} << L{} << S{"BELL.wav not found. Play no sound."} << -1;
    QTest::newRow("wave missing still plays") << false << true << "Once" << "chimes" << true << false << true << S{"Async chimes.wav"} << L{} << S{notFound} << -1;
    QTest::newRow("wave no song") << false << true << "Once" << "" << true << false << true << S{"Async .wav"} << L{} << S{noSong} << -1;
    QTest::newRow("wave fails, speaker swap") << false << true << "Twice" << "bell" << false << true << true << S{"Sync bell.wav", "Async bell.wav"} << L{0} << S{} << -1;
    QTest::newRow("wave Repeat fails, speaker swap") << false << true << "Repeat" << "bell" << false << true << true << S{"AsyncLoop bell.wav"} << L{} << S{} << 0;
    QTest::newRow("wave fails, warning") << false << true << "Once" << "bell" << false << false << true << S{"Async bell.wav"} << L{} << S{busy} << -1;
    QTest::newRow("missing and failing") << false << true << "Once" << "chimes" << false << false << true << S{"Async chimes.wav"} << L{} << S{notFound, busy} << -1;
    QTest::newRow("wave fails silently") << false << true << "Once" << "bell" << false << false << false << S{"Async bell.wav"} << L{} << S{} << -1;
    QTest::newRow("speaker Thrice Game") << true << true << "Thrice" << "Game" << true << false << true << S{} << L{12, 12, 12} << S{} << -1;
    QTest::newRow("speaker Once Hurry") << true << true << "Once" << "Hurry" << true << false << true << S{} << L{10} << S{} << -1;
    QTest::newRow("speaker other song whistles") << true << true << "Twice" << "bell" << true << false << true << S{} << L{10, 10} << S{} << -1;
    QTest::newRow("speaker Repeat waits for the timer") << true << true << "Repeat" << "Game" << true << false << true << S{} << L{} << S{} << 12;
    QTest::newRow("speaker no song stops the wave") << true << true << "Twice" << "" << true << true << true << S{"Sync ", "Async "} << L{} << S{noSong} << -1;
    // clang-format on
}

void TestSoundPlayer::play()
{
    QFETCH(bool, speakerMode);
    QFETCH(bool, soundOn);
    QFETCH(QString, playTimes);
    QFETCH(QString, song);
    QFETCH(bool, waveResult);
    QFETCH(bool, swapToSpeaker);
    QFETCH(bool, showError);
    QFETCH(QStringList, waveCalls);
    QFETCH(QList<int>, tunes);
    QFETCH(QStringList, warnings);
    QFETCH(int, repeatTune);

    m_wave.result = waveResult;
    SoundOptions options;
    options.soundOn = soundOn;
    options.speakerMode = speakerMode;
    options.swapToSpeaker = swapToSpeaker;
    options.showErrorMessage = showError;
    m_player->play(playTimes, song, m_programDir, options);

    QCOMPARE(waveCallsMade(), waveCalls);
    QCOMPARE(m_tunes, tunes);
    QCOMPARE(m_warnings, warnings);
    QCOMPARE(m_repeat.isActive(), repeatTune >= 0);
    if (repeatTune >= 0)
        QCOMPARE(m_repeat.tune(), repeatTune);
}

void TestSoundPlayer::onlyFirstWaveResultCounts_data()
{
    QTest::addColumn<bool>("firstResult");
    QTest::addColumn<bool>("laterResult");
    QTest::addColumn<QList<int>>("tunes");

    QTest::newRow("first fails") << false << true << QList<int>{0};
    QTest::newRow("only the last fails") << true << false << QList<int>{};
}

void TestSoundPlayer::onlyFirstWaveResultCounts()
{
    QFETCH(bool, firstResult);
    QFETCH(bool, laterResult);
    QFETCH(QList<int>, tunes);

    m_wave.result = firstResult;
    m_wave.onPlay = [&](const QString&, WavePlayer::Mode) {
        if (m_wave.calls.size() > 1)
            m_wave.result = laterResult;
    };
    SoundOptions options;
    options.swapToSpeaker = true;
    m_player->play(QStringLiteral("Thrice"), QStringLiteral("bell"), m_programDir, options);
    QCOMPARE(m_wave.calls.size(), 3);
    QCOMPARE(m_tunes, tunes);
}

void TestSoundPlayer::swapThatCannotSoundReportsAsWithoutIt_data()
{
    QTest::addColumn<QString>("playTimes");
    QTest::addColumn<bool>("speakerAudible");
    QTest::addColumn<bool>("showError");
    QTest::addColumn<QList<int>>("tunes");
    QTest::addColumn<QStringList>("warnings");

    const QStringList busy{QStringLiteral("topmost: Fail to play sound. MCI is busy.")};
    QTest::newRow("no output") << "Once" << false << true << QList<int>{} << busy;
    QTest::newRow("no output, Repeat") << "Repeat" << false << true << QList<int>{} << busy;
    QTest::newRow("no output, errors not shown") << "Twice" << false << false << QList<int>{} << QStringList{};
    QTest::newRow("the tune fails too") << "Once" << true << true << QList<int>{0} << busy;
}

void TestSoundPlayer::swapThatCannotSoundReportsAsWithoutIt()
{
    QFETCH(QString, playTimes);
    QFETCH(bool, speakerAudible);
    QFETCH(bool, showError);
    QFETCH(QList<int>, tunes);
    QFETCH(QStringList, warnings);

    m_wave.result = false;
    m_speakerAudible = speakerAudible;
    m_tuneHeard = false;
    SoundOptions options;
    options.swapToSpeaker = true;
    options.showErrorMessage = showError;
    m_player->play(playTimes, QStringLiteral("bell"), m_programDir, options);
    QCOMPARE(m_tunes, tunes);
    QCOMPARE(m_warnings, warnings);
    QVERIFY(!m_repeat.isActive());
}

void TestSoundPlayer::testSong_data()
{
    QTest::addColumn<bool>("speakerMode");
    QTest::addColumn<QString>("song");
    QTest::addColumn<QStringList>("waveCalls");
    QTest::addColumn<QList<int>>("tunes");

    QTest::newRow("wave found") << false << "bell" << QStringList{"Async bell.wav"} << QList<int>{};
    QTest::newRow("wave upper-case extension") << false << "Gong" << QStringList{"Async Gong.WAV"} << QList<int>{};
    QTest::newRow("wave missing") << false << "chimes" << QStringList{} << QList<int>{};
    QTest::newRow("wave empty") << false << "" << QStringList{} << QList<int>{};
    QTest::newRow("Hurry") << true << "Hurry" << QStringList{} << QList<int>{10};
    QTest::newRow("Game") << true << "Game" << QStringList{} << QList<int>{12};
    QTest::newRow("other speaker song") << true << "bell" << QStringList{} << QList<int>{};
    QTest::newRow("empty speaker song") << true << "" << QStringList{} << QList<int>{};
}

void TestSoundPlayer::testSong()
{
    QFETCH(bool, speakerMode);
    QFETCH(QString, song);
    QFETCH(QStringList, waveCalls);
    QFETCH(QList<int>, tunes);

    m_player->testSong(song, m_programDir, speakerMode);
    QCOMPARE(waveCallsMade(), waveCalls);
    QCOMPARE(m_tunes, tunes);
    QVERIFY(m_warnings.isEmpty());
}

void TestSoundPlayer::stopClearsRepeat()
{
    SoundOptions options;
    options.speakerMode = true;
    m_player->play(QStringLiteral("Repeat"), QStringLiteral("Hurry"), m_programDir, options);
    QVERIFY(m_repeat.isActive());
    m_player->stop();
    QVERIFY(!m_repeat.isActive());
    QCOMPARE(waveCallsMade(), QStringList{"stop"});
}

void TestSoundPlayer::laterRefusal_data()
{
    QTest::addColumn<QString>("playTimes");
    QTest::addColumn<bool>("swapToSpeaker");
    QTest::addColumn<QList<int>>("tunes");
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<int>("repeatTune"); // -1: no repeat

    const QStringList busy{QStringLiteral("topmost: Fail to play sound. MCI is busy.")};
    QTest::newRow("Once") << "Once" << false << QList<int>{} << busy << -1;
    QTest::newRow("Repeat") << "Repeat" << false << QList<int>{} << busy << -1;
    QTest::newRow("Once, speaker swap") << "Once" << true << QList<int>{0} << QStringList{} << -1;
    QTest::newRow("Repeat, speaker swap") << "Repeat" << true << QList<int>{} << QStringList{} << 0;
}

void TestSoundPlayer::laterRefusal()
{
    QFETCH(QString, playTimes);
    QFETCH(bool, swapToSpeaker);
    QFETCH(QList<int>, tunes);
    QFETCH(QStringList, warnings);
    QFETCH(int, repeatTune);

    SoundOptions options;
    options.swapToSpeaker = swapToSpeaker;
    m_player->play(playTimes, QStringLiteral("bell"), m_programDir, options);
    QVERIFY(m_warnings.isEmpty());
    QVERIFY(m_wave.watches.first().refused);
    m_wave.watches.first().refused();
    QCOMPARE(m_tunes, tunes);
    QCOMPARE(m_warnings, warnings);
    QCOMPARE(m_repeat.isActive(), repeatTune >= 0);
    if (repeatTune >= 0)
        QCOMPARE(m_repeat.tune(), repeatTune);
}

void TestSoundPlayer::silentOutputWarns_data()
{
    QTest::addColumn<QString>("playTimes");
    QTest::addColumn<bool>("muted");
    QTest::addColumn<int>("volume");
    QTest::addColumn<QStringList>("warnings");

    QTest::newRow("muted") << "Once" << true << 100
                           << QStringList{
                                  "topmost: The sound output \"Built-in Audio\" is muted: this alarm cannot be heard."};
    QTest::newRow("5 %, Thrice") << "Thrice" << false << 5
                                 << QStringList{"topmost: The sound output \"Built-in Audio\" is at 5 % volume: this "
                                                "alarm can hardly be heard."};
    QTest::newRow("10 %") << "Repeat" << false << 10 << QStringList{};
    QTest::newRow("100 %") << "Once" << false << 100 << QStringList{};
}

void TestSoundPlayer::silentOutputWarns()
{
    QFETCH(QString, playTimes);
    QFETCH(bool, muted);
    QFETCH(int, volume);
    QFETCH(QStringList, warnings);

    m_player->play(playTimes, QStringLiteral("bell"), m_programDir, SoundOptions());
    // Every call plays on the same output: only the alarm's first tells it, so it warns once.
    for (const PlayWatch& watch : m_wave.watches) {
        if (watch.started)
            watch.started(SoundOutput{QStringLiteral("Built-in Audio"), muted, volume});
    }
    QCOMPARE(m_warnings, warnings);
    QVERIFY(!m_wave.watches.first().refused == (playTimes == QLatin1String("Thrice")));
}

void TestSoundPlayer::unheardRepeatWarnsOnce()
{
    SoundOptions options;
    options.speakerMode = true;
    m_player->play(QStringLiteral("Repeat"), QStringLiteral("Game"), m_programDir, options);
    m_player->repeatTunePlayed(true);
    QVERIFY(m_warnings.isEmpty());
    m_player->repeatTunePlayed(false);
    m_player->repeatTunePlayed(false);
    QCOMPARE(m_warnings, QStringList{"topmost: Fail to play sound. MCI is busy."});
    m_player->play(QStringLiteral("Repeat"), QStringLiteral("Game"), m_programDir, options);
    m_player->repeatTunePlayed(false);
    QCOMPARE(m_warnings.size(), 2);
}

QTEST_APPLESS_MAIN(TestSoundPlayer)
#include "tst_soundplayer.moc"
