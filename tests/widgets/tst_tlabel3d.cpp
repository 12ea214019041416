// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeshell.h"
#include "widgets/tlabel3d.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {
const QColor kBackground(250, 250, 0);
}

class CountingLabel : public TLabel3D
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        TLabel3D::paintEvent(event);
    }
};

class TestTLabel3D : public QObject
{
    Q_OBJECT

private slots:
    void escapementIsNormalised_data();
    void escapementIsNormalised();
    void sameEscapementDoesNotRepaint();
    void rotatedTextBox_data();
    void rotatedTextBox();
    void alignmentShift_data();
    void alignmentShift();
    void autoSizeTakesTheRotatedBox();
    void ellipsisTurnsAutoSizeOffForGood();
    void ellipsisShortensTheText();
    void passesAtTheirOffsets_data();
    void passesAtTheirOffsets();
    void disabledFaceKeepsThePassColours();
    void borders_data();
    void borders();
    void clickOpensLinks_data();
    void clickOpensLinks();
    void hoverDecoratesLinks_data();
    void hoverDecoratesLinks();

private:
    static void prepare(TLabel3D& label, const QString& text);
    static QImage render(TLabel3D& label);
};

void TestTLabel3D::escapementIsNormalised_data()
{
    QTest::addColumn<int>("given");
    QTest::addColumn<int>("stored");
    QTest::newRow("-10") << -10 << 350;
    QTest::newRow("-360") << -360 << 0;
    QTest::newRow("-370") << -370 << 350;
    QTest::newRow("725") << 725 << 5;
    QTest::newRow("360 stays") << 360 << 360;
    QTest::newRow("720") << 720 << 360;
    QTest::newRow("45") << 45 << 45;
}

void TestTLabel3D::escapementIsNormalised()
{
    QFETCH(int, given);
    QFETCH(int, stored);
    TLabel3D label;
    label.setEscapement(given);
    QCOMPARE(label.escapement(), stored);
    QCOMPARE(Label3DGeometry::normalisedEscapement(given), stored);
}

void TestTLabel3D::sameEscapementDoesNotRepaint()
{
    CountingLabel label;
    label.setAutoSize(false);
    label.resize(80, 40);
    label.setText(QStringLiteral("Tilt"));
    label.setEscapement(350);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QTRY_VERIFY(label.paints > 0);
    QCoreApplication::processEvents();
    const int before = label.paints;

    label.setEscapement(350);
    QCoreApplication::processEvents();
    QCOMPARE(label.paints, before);

    label.setEscapement(-10);
    QCOMPARE(label.escapement(), 350);
    QTRY_VERIFY(label.paints > before);
}

void TestTLabel3D::rotatedTextBox_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<int>("boxWidth");
    QTest::addColumn<int>("boxHeight");
    // Text of 100 x 20 pixels.
    QTest::newRow("0") << 0 << 0 << 0 << 100 << 20;
    QTest::newRow("30") << 30 << 0 << 50 << 96 << 67;
    QTest::newRow("90") << 90 << 0 << 100 << 20 << 100;
    QTest::newRow("120") << 120 << 50 << 96 << 67 << 96;
    QTest::newRow("180") << 180 << 100 << 20 << 100 << 20;
    QTest::newRow("210") << 210 << 96 << 17 << 96 << 67;
    QTest::newRow("270") << 270 << 20 << 0 << 20 << 100;
    QTest::newRow("300") << 300 << 17 << 0 << 67 << 96;
    QTest::newRow("360") << 360 << 0 << 0 << 100 << 20;
}

void TestTLabel3D::rotatedTextBox()
{
    QFETCH(int, angle);
    const RotatedTextBox box = Label3DGeometry::rotatedTextBox(angle, 100, 20);
    QTEST(box.dx, "dx");
    QTEST(box.dy, "dy");
    QTEST(box.width, "boxWidth");
    QTEST(box.height, "boxHeight");
}

void TestTLabel3D::alignmentShift_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("labelWidth");
    QTest::addColumn<int>("shift");
    QTest::newRow("left") << int(Qt::AlignLeft) << 101 << 0;
    QTest::newRow("centre halves toward zero") << int(Qt::AlignHCenter) << 101 << 30;
    QTest::newRow("centre, box wider") << int(Qt::AlignHCenter) << 19 << -10;
    QTest::newRow("right") << int(Qt::AlignRight) << 101 << 61;
}

void TestTLabel3D::alignmentShift()
{
    QFETCH(int, alignment);
    QFETCH(int, labelWidth);
    QTEST(Label3DGeometry::alignmentShift(Qt::Alignment(alignment), labelWidth, 40), "shift");
}

void TestTLabel3D::autoSizeTakesTheRotatedBox()
{
    TLabel3D label;
    label.setText(QStringLiteral("A rather long caption"));
    const QSize flat = label.size();
    QVERIFY(flat.width() > flat.height());
    label.setEscapement(90);
    const QFontMetrics metrics(label.font());
    QCOMPARE(label.size(), QSize(metrics.height(), metrics.horizontalAdvance(label.text())));
}

void TestTLabel3D::ellipsisTurnsAutoSizeOffForGood()
{
    TLabel3D label;
    QVERIFY(label.autoSize());
    label.setEllipsesStyle(TLabel3D::esPath);
    QVERIFY(!label.autoSize());
    label.setEllipsesStyle(TLabel3D::esNone);
    QVERIFY(!label.autoSize());
}

void TestTLabel3D::prepare(TLabel3D& label, const QString& text)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(20);
    f.setBold(true);
    f.setStyleStrategy(QFont::NoAntialias);
    label.setFont(f);
    label.setAutoSize(false);
    label.resize(120, 40);
    label.setColor(kBackground);
    label.setFontColor(Qt::black);
    label.setTextStyle(TLabel3D::tsNone);
    label.setText(text);
}

QImage TestTLabel3D::render(TLabel3D& label)
{
    QImage image(label.size(), QImage::Format_RGB32);
    image.fill(Qt::green);
    label.render(&image);
    return image;
}

void TestTLabel3D::ellipsisShortensTheText()
{
    TLabel3D label;
    prepare(label, QStringLiteral("WWWWWWWWWWWWWWWWWWWW"));
    const QImage full = render(label);
    label.setEllipsesStyle(TLabel3D::esEnd);
    const QImage elided = render(label);
    // The full text runs past the right edge; the shortened one leaves a margin there.
    const auto inkInLastColumns = [](const QImage& image) {
        for (int x = image.width() - 3; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (image.pixelColor(x, y) == Qt::black)
                    return true;
        return false;
    };
    QVERIFY(inkInLastColumns(full));
    QVERIFY(!inkInLastColumns(elided));
}

void TestTLabel3D::passesAtTheirOffsets_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("shift");
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("shadowFirst");
    QTest::newRow("shadow, shift 3") << int(TLabel3D::tsShadow) << 3 << 3 << true;
    QTest::newRow("raised ignores shift") << int(TLabel3D::tsRaised) << 3 << 1 << true;
    QTest::newRow("recessed") << int(TLabel3D::tsRecessed) << 3 << 1 << false;
    QTest::newRow("light raised, second pass") << int(TLabel3D::tsLightRaised) << 1 << -1 << false;
    QTest::newRow("heavy recessed, second pass") << int(TLabel3D::tsHeavyRecessed) << 1 << -1 << true;
}

// A face pixel whose neighbour at the offset is background must take the pass's colour there.
void TestTLabel3D::passesAtTheirOffsets()
{
    QFETCH(int, style);
    QFETCH(int, shift);
    QFETCH(int, offset);
    QFETCH(bool, shadowFirst);
    TLabel3D label;
    prepare(label, QStringLiteral("I"));
    const QImage plain = render(label);
    label.setShift(shift);
    label.setTextStyle(TLabel3D::TTextStyle(style));
    const QImage styled = render(label);
    const QColor expected = shadowFirst ? label.shadowColor() : label.highlightColor();
    QVERIFY(expected != kBackground && expected != QColor(Qt::black));

    int checked = 0;
    for (int y = 4; y < plain.height() - 4; ++y) {
        for (int x = 4; x < plain.width() - 4; ++x) {
            const QPoint at(x + offset, y + offset);
            if (plain.pixelColor(x, y) != Qt::black || plain.pixelColor(at) != kBackground)
                continue;
            QCOMPARE(styled.pixel(at), expected.rgb());
            ++checked;
        }
    }
    QVERIFY(checked > 0);
}

void TestTLabel3D::disabledFaceKeepsThePassColours()
{
    TLabel3D label;
    prepare(label, QStringLiteral("I"));
    label.setTextStyle(TLabel3D::tsRaised);
    label.setEnabled(false);
    const QImage image = render(label);
    const QColor disabled = label.palette().color(QPalette::Disabled, QPalette::WindowText);
    QVERIFY(disabled != QColor(Qt::black));
    bool face = false;
    bool shadow = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QVERIFY2(image.pixelColor(x, y) != Qt::black, "the face keeps the enabled colour");
            face = face || image.pixel(x, y) == disabled.rgb();
            shadow = shadow || image.pixel(x, y) == label.shadowColor().rgb();
        }
    }
    QVERIFY(face);
    QVERIFY(shadow);
}

void TestTLabel3D::borders_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("bottomRight");
    QTest::newRow("default") << int(TLabel3D::btDefault) << QColor(Qt::blue) << QColor(Qt::blue);
    QTest::newRow("recessed") << int(TLabel3D::btRecessed) << QColor(128, 128, 128) << QColor(255, 255, 255);
    QTest::newRow("raised") << int(TLabel3D::btRaised) << QColor(255, 255, 255) << QColor(128, 128, 128);
}

void TestTLabel3D::borders()
{
    QFETCH(int, type);
    TLabel3D label;
    prepare(label, QString());
    label.setColor(Qt::cyan);
    label.setBorderColor(Qt::blue);
    label.setBorderType(TLabel3D::TBorderType(type));
    const QImage without = render(label);
    QCOMPARE(without.pixelColor(0, 0), QColor(Qt::cyan));

    label.setBorder(true);
    const QImage image = render(label);
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    QTEST(image.pixelColor(5, 0), "topLeft");
    QTEST(image.pixelColor(0, 5), "topLeft");
    QTEST(image.pixelColor(5, bottom), "bottomRight");
    QTEST(image.pixelColor(right, 5), "bottomRight");
    QCOMPARE(image.pixelColor(5, 5), QColor(Qt::cyan));

    label.setBorderWidth(0);
    QCOMPARE(render(label).pixelColor(5, 0), QColor(Qt::cyan));
}

void TestTLabel3D::clickOpensLinks_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("opened");
    QTest::newRow("e-mail") << int(TLabel3D::lsEMailAddress) << "zib@example.com"
                            << "mailto:zib@example.com";
    QTest::newRow("web") << int(TLabel3D::lsWWWAddress) << "https://example.com/zib"
                         << "https://example.com/zib";
    QTest::newRow("web without scheme") << int(TLabel3D::lsWWWAddress) << "www.example.com"
                                        << "http://www.example.com";
    QTest::newRow("link without address") << int(TLabel3D::lsWWWAddress) << ""
                                          << "";
    QTest::newRow("plain label") << int(TLabel3D::lsDefault) << "zib@example.com"
                                 << "";
}

void TestTLabel3D::clickOpensLinks()
{
    QFETCH(int, style);
    QFETCH(QString, address);
    QFETCH(QString, opened);
    FakeShell shell;
    shell.result = false; // a failing shell changes nothing
    TLabel3D label;
    label.setShell(&shell);
    label.setText(QStringLiteral("Write to us"));
    label.setLabelStyle(TLabel3D::TLabelStyle(style));
    label.setAddress(address);
    QSignalSpy clicks(&label, &TLabel3D::clicked);
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    if (opened.isEmpty()) {
        QVERIFY(shell.opened.isEmpty());
    } else {
        QCOMPARE(shell.opened.size(), 1);
        QCOMPARE(shell.opened.first().toString(), opened);
    }
}

void TestTLabel3D::hoverDecoratesLinks_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("decorated");
    QTest::newRow("web") << int(TLabel3D::lsWWWAddress) << true;
    QTest::newRow("e-mail") << int(TLabel3D::lsEMailAddress) << true;
    QTest::newRow("plain") << int(TLabel3D::lsDefault) << false;
}

void TestTLabel3D::hoverDecoratesLinks()
{
    QFETCH(int, style);
    QFETCH(bool, decorated);
    TLabel3D label;
    label.setText(QStringLiteral("Link"));
    label.setFontColor(Qt::darkBlue);
    label.setLabelStyle(TLabel3D::TLabelStyle(style));
    QSignalSpy entered(&label, &TLabel3D::mouseEntered);
    QSignalSpy exited(&label, &TLabel3D::mouseExited);

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&label, &enter);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(entered.first().first().value<TLabel3D*>(), &label);
    QCOMPARE(label.font().underline(), decorated);
    QCOMPARE(label.fontColor(), decorated ? QColor(Qt::red) : QColor(Qt::darkBlue));
    QCOMPARE(label.cursor().shape(), decorated ? Qt::PointingHandCursor : Qt::ArrowCursor);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    QCOMPARE(exited.count(), 1);
    QVERIFY(!label.font().underline());
    QCOMPARE(label.fontColor(), QColor(Qt::darkBlue));
}

QTEST_MAIN(TestTLabel3D)
#include "tst_tlabel3d.moc"
