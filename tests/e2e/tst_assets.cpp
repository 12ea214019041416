// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTest>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

class TestAssets : public QObject
{
    Q_OBJECT

private slots:
    void pictureLoads_data();
    void pictureLoads();
    void logoDecodesThroughJpegPlugin();
    void clockFaceIsSoftGreen();
    void soundIsPlayablePcm_data();
    void soundIsPlayablePcm();
    void programFolderHoldsProgramAndHelp();
};

void TestAssets::pictureLoads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("program icon") << ":/icons/zibac.png" << QSize(32, 32);
    QTest::newRow("program icon 64") << ":/icons/zibac-64.png" << QSize(64, 64);
    QTest::newRow("program icon 256") << ":/icons/zibac-256.png" << QSize(256, 256);
    QTest::newRow("list bell") << ":/icons/bell.png" << QSize(16, 16);
    QTest::newRow("list exclamation") << ":/icons/exclamation.png" << QSize(16, 16);
    QTest::newRow("tray enabled") << ":/icons/tray-enabled.png" << QSize(32, 32);
    QTest::newRow("tray disabled") << ":/icons/tray-disabled.png" << QSize(32, 32);
    QTest::newRow("warning") << ":/icons/warning.png" << QSize(32, 32);
    QTest::newRow("clock face") << ":/icons/clockface.png" << QSize(153, 17);
    QTest::newRow("logo") << ":/icons/logo.jpg" << QSize(128, 128);
}

void TestAssets::pictureLoads()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QImageReader reader(path);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

void TestAssets::logoDecodesThroughJpegPlugin()
{
    QVERIFY(QImageReader::supportedImageFormats().contains("jpeg"));
    QImageReader reader(QStringLiteral(":/icons/logo.jpg"));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage logo = reader.read();
    QVERIFY2(!logo.isNull(), qPrintable(reader.errorString()));
    QVERIFY(!logo.hasAlphaChannel());
}

void TestAssets::clockFaceIsSoftGreen()
{
    const QImage face(QStringLiteral(":/icons/clockface.png"));
    QVERIFY(!face.isNull());
    const QColor middle = face.pixelColor(face.width() / 2, face.height() / 2);
    QVERIFY2(qAbs(middle.red() - 200) <= 8 && qAbs(middle.green() - 216) <= 8 && qAbs(middle.blue() - 192) <= 8,
             qPrintable(middle.name()));
}

void TestAssets::soundIsPlayablePcm_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("minSeconds");
    QTest::addColumn<double>("maxSeconds");
    QTest::newRow("Bell") << "Bell.wav" << 1.0 << 2.5;
    QTest::newRow("Chimes") << "Chimes.wav" << 1.0 << 4.0;
    QTest::newRow("Beep") << "Beep.wav" << 0.3 << 2.0;
    QTest::newRow("didi chime") << "didi.snd" << 0.2 << 1.0;
}

void TestAssets::soundIsPlayablePcm()
{
    QFETCH(QString, name);
    QFETCH(double, minSeconds);
    QFETCH(double, maxSeconds);
    const QString path = QStringLiteral(ZIB_PROGRAM_DIR "/") + name;

    // The chime file is a wave file whatever its extension says.
    QFile raw(path);
    QVERIFY2(raw.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray header = raw.read(12);
    QCOMPARE(header.left(4), QByteArray("RIFF"));
    QCOMPARE(header.mid(8, 4), QByteArray("WAVE"));

    SF_INFO info{};
    std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> file(sf_open(QFile::encodeName(path).constData(), SFM_READ, &info),
                                                     &sf_close);
    QVERIFY2(file, sf_strerror(nullptr));
    QCOMPARE(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    const double seconds = static_cast<double>(info.frames) / info.samplerate;
    QVERIFY2(seconds >= minSeconds && seconds <= maxSeconds, qPrintable(QString::number(seconds)));

    std::vector<float> samples(static_cast<std::size_t>(info.frames * info.channels));
    QCOMPARE(sf_readf_float(file.get(), samples.data(), info.frames), info.frames);
    float peak = 0;
    for (float s : samples) {
        peak = std::max(peak, std::abs(s));
    }
    QVERIFY2(peak > 0.2f && peak < 1.0f, qPrintable(QString::number(peak)));
}

void TestAssets::programFolderHoldsProgramAndHelp()
{
    const QFileInfo program(QStringLiteral(ZIB_PROGRAM_DIR "/zibac"));
    QVERIFY(program.isFile());
    QVERIFY(program.isExecutable());

    QFile help(QStringLiteral(ZIB_PROGRAM_DIR "/help/achelp.htm"));
    QVERIFY(help.open(QIODevice::ReadOnly));
    const QByteArray page = help.readAll();
    QVERIFY(page.contains("<html"));
    QVERIFY(page.contains("</html>"));
}

QTEST_GUILESS_MAIN(TestAssets)
#include "tst_assets.moc"
