// SPDX-License-Identifier: GPL-3.0-or-later
#include "faketoneoutput.h"
#include "platform/audio/speakertoneoutput.h"
#include "speaker/tbtbeeper.h"

#include <QStringList>
#include <QtTest>

namespace {

constexpr int Rate = 48000;

// "932/100 rest/200" as the tune tables write it.
QString describe(std::span<const Note> notes)
{
    QStringList parts;
    for (const Note& note : notes)
        parts << (note.frequency == 1 ? QStringLiteral("rest") : QString::number(note.frequency)) + u'/' +
                     QString::number(note.durationMs);
    return parts.join(u' ');
}

// Rising edges of the wave between two frames: one per period of a square wave.
int risingEdges(const SoundClip& clip, qint64 from, qint64 to)
{
    int edges = 0;
    for (qint64 i = std::max<qint64>(from, 1); i < to; ++i) {
        if (clip.samples[size_t(i - 1)] < 0 && clip.samples[size_t(i)] > 0)
            ++edges;
    }
    return edges;
}

bool silent(const SoundClip& clip, qint64 from, qint64 to)
{
    for (qint64 i = from; i < to; ++i) {
        if (clip.samples[size_t(i)] != 0)
            return false;
    }
    return true;
}

} // namespace

class TstTBTBeeper : public QObject
{
    Q_OBJECT

private slots:
    void presetTunes_data();
    void presetTunes();
    void unknownPresetsPlayNothing_data();
    void unknownPresetsPlayNothing();
    void playToneIsOneNote();
    void beatDuration_data();
    void beatDuration();
    void defaults();
    void speakerPitch_data();
    void speakerPitch();
    void renderedPitch_data();
    void renderedPitch();
    void renderedTuneKeepsItsTiming();
};

void TstTBTBeeper::presetTunes_data()
{
    QTest::addColumn<int>("preset");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<int>("totalMs");

    QTest::newRow("psOK") << 0 << "932/100 988/100 1046/100" << 300;
    QTest::newRow("psError") << 1 << "92/150 rest/200 65/500" << 850;
    QTest::newRow("psWelcome") << 2 << "932/100 988/100 1046/100 rest/100 1046/100 988/100 932/100" << 700;
    QTest::newRow("psEmergency") << 3 << "698/200 494/200 698/200 494/200 698/200 494/200 698/200 494/200" << 1600;
    QTest::newRow("psWrong") << 4
                             << "261/150 247/50 233/50 220/50 207/50 196/50 189/50 174/50 165/50 155/50 149/50 "
                                "138/50 131/100 65/200"
                             << 1000;
    QTest::newRow("psCall") << 5 << "196/650 rest/100 165/500" << 1250;
    QTest::newRow("psOfficial") << 6
                                << "196/200 rest/50 196/200 rest/50 196/200 rest/50 165/700 rest/100 261/200 rest/50 "
                                   "261/200 rest/50 261/200 rest/50 131/700"
                                << 3000;
    QTest::newRow("psDaze") << 7
                            << "329/100 311/100 293/100 311/100 329/100 311/100 293/100 311/100 329/100 311/100 "
                               "293/100 311/100"
                            << 1200;
    QTest::newRow("psFall") << 8
                            << "329/100 311/100 293/100 311/100 349/100 329/100 311/100 329/100 370/100 349/100 "
                               "329/100 349/100"
                            << 1200;
    QTest::newRow("psChord") << 9
                             << "494/80 466/80 440/80 415/80 392/80 370/80 349/80 329/80 311/80 293/80 277/80 261/80"
                             << 960;
    QTest::newRow("psWhisle") << 10 << "523/80 698/80 784/80 1046/80" << 320;
    QTest::newRow("psHanging") << 11
                               << "784/80 1046/80 830/80 1109/80 880/80 1174/80 932/80 1244/80 988/80 1318/80 1046/80 "
                                  "1397/80"
                               << 960;
    QTest::newRow("psClimb") << 12
                             << "261/80 277/80 293/80 311/80 329/80 349/80 370/80 392/80 415/80 440/80 466/80 494/80"
                             << 960;
}

void TstTBTBeeper::presetTunes()
{
    QFETCH(int, preset);
    QFETCH(QString, notes);
    QFETCH(int, totalMs);

    FakeToneOutput output;
    TBTBeeper beeper(output);
    beeper.setBeatDuration(TBTBeeper::bd_2000); // the tunes ignore the beat
    beeper.PlayPresetSound(preset);

    QCOMPARE(output.tunes.size(), 1);
    QCOMPARE(describe(output.tunes.first()), notes);
    int sum = 0;
    for (const Note& note : output.tunes.first())
        sum += note.durationMs;
    QCOMPARE(sum, totalMs);
    QCOMPARE(renderTune(TBTBeeper::presetNotes(preset), Rate).frames(), qint64(totalMs) * Rate / 1000);
}

void TstTBTBeeper::unknownPresetsPlayNothing_data()
{
    QTest::addColumn<int>("preset");
    QTest::newRow("13") << 13;
    QTest::newRow("255") << 255;
    QTest::newRow("negative") << -1;
}

void TstTBTBeeper::unknownPresetsPlayNothing()
{
    QFETCH(int, preset);
    FakeToneOutput output;
    TBTBeeper beeper(output);
    beeper.PlayPresetSound(preset);
    QVERIFY(output.tunes.isEmpty());
    QVERIFY(TBTBeeper::presetNotes(preset).empty());
}

void TstTBTBeeper::playToneIsOneNote()
{
    FakeToneOutput output;
    TBTBeeper beeper(output);
    beeper.PlayTone(6000, 250);
    QCOMPARE(output.tunes.size(), 1);
    QCOMPARE(describe(output.tunes.first()), QStringLiteral("6000/250"));
}

void TstTBTBeeper::beatDuration_data()
{
    QTest::addColumn<int>("beat");
    QTest::addColumn<int>("ms");
    QTest::newRow("bd_500") << int(TBTBeeper::bd_500) << 500;
    QTest::newRow("bd_1000") << int(TBTBeeper::bd_1000) << 1000;
    QTest::newRow("bd_1500") << int(TBTBeeper::bd_1500) << 1500;
    QTest::newRow("bd_2000") << int(TBTBeeper::bd_2000) << 2000;
}

void TstTBTBeeper::beatDuration()
{
    QFETCH(int, beat);
    QFETCH(int, ms);
    FakeToneOutput output;
    TBTBeeper beeper(output);
    // Through the property system too, as a form designer would set it.
    QVERIFY(beeper.setProperty("BeatDuration", QVariant::fromValue(TBTBeeper::TBeatDuration(beat))));
    QCOMPARE(int(beeper.BeatDuration()), beat);
    QCOMPARE(beeper.beatMs(), ms);
    beeper.setBeatDuration(TBTBeeper::TBeatDuration(beat));
    QCOMPARE(beeper.beatMs(), ms);
}

void TstTBTBeeper::defaults()
{
    FakeToneOutput output;
    TBTBeeper beeper(output);
    QCOMPARE(beeper.BeatDuration(), TBTBeeper::bd_1000);
    QCOMPARE(beeper.beatMs(), 1000);
    QCOMPARE(beeper.DefaultSound(), TBTBeeper::psOK);
    beeper.setDefaultSound(TBTBeeper::psClimb);
    QCOMPARE(beeper.DefaultSound(), TBTBeeper::psClimb);
    QVERIFY(output.tunes.isEmpty());
}

void TstTBTBeeper::speakerPitch_data()
{
    QTest::addColumn<unsigned>("frequency");
    QTest::addColumn<unsigned>("divisor");
    QTest::newRow("92 Hz") << 92u << 12969u;
    QTest::newRow("65 Hz") << 65u << 18356u;
    QTest::newRow("1046 Hz") << 1046u << 1140u;
    QTest::newRow("5000 Hz") << 5000u << 238u;
}

void TstTBTBeeper::speakerPitch()
{
    QFETCH(unsigned, frequency);
    QFETCH(unsigned, divisor);
    QCOMPARE(::speakerPitch(frequency), 1193181.0 / divisor);
}

void TstTBTBeeper::renderedPitch_data()
{
    QTest::addColumn<unsigned>("frequency");
    QTest::addColumn<int>("periodsPerSecond"); // 0: silent

    QTest::newRow("rest") << 1u << 0;
    QTest::newRow("30 Hz is below the speaker") << 30u << 0;
    QTest::newRow("39 Hz") << 39u << 0;
    QTest::newRow("40 Hz is the lowest") << 40u << 40;
    QTest::newRow("1000 Hz") << 1000u << 1000;
    QTest::newRow("3000 Hz sounds 3005.5") << 3000u << 3005;
    QTest::newRow("5000 Hz sounds 5013.4") << 5000u << 5013;
    QTest::newRow("5001 Hz is above the speaker") << 5001u << 0;
    QTest::newRow("6000 Hz") << 6000u << 0;
}

void TstTBTBeeper::renderedPitch()
{
    QFETCH(unsigned, frequency);
    QFETCH(int, periodsPerSecond);

    const Note note{frequency, 1000};
    const SoundClip clip = renderTune(std::span<const Note>(&note, 1), Rate);
    QCOMPARE(clip.frames(), qint64(Rate));
    if (periodsPerSecond == 0) {
        QVERIFY(silent(clip, 0, clip.frames()));
        return;
    }
    const int edges = risingEdges(clip, 0, clip.frames());
    QVERIFY2(std::abs(edges - periodsPerSecond) <= 1, qPrintable(QString::number(edges)));
}

void TstTBTBeeper::renderedTuneKeepsItsTiming()
{
    // psError: 92 Hz for 150 ms, 200 ms of silence, 65 Hz for 500 ms.
    const SoundClip clip = renderTune(TBTBeeper::presetNotes(TBTBeeper::psError), Rate);
    const qint64 ms = Rate / 1000;
    QCOMPARE(clip.frames(), 850 * ms);
    QVERIFY(!silent(clip, 0, 150 * ms));
    QVERIFY(silent(clip, 150 * ms, 350 * ms));
    QVERIFY(std::abs(risingEdges(clip, 350 * ms, 850 * ms) - 32) <= 1); // 65 Hz * 0.5 s
    QVERIFY(std::abs(risingEdges(clip, 0, 150 * ms) - 14) <= 1);        // 92 Hz * 0.15 s
}

QTEST_GUILESS_MAIN(TstTBTBeeper)
#include "tst_tbtbeeper.moc"
