// SPDX-License-Identifier: GPL-3.0-or-later
// Renders one of our SVG drawings into a bitmap at a fixed size.
// Usage: picgen <input.svg> <output.png|.jpg> <width>x<height> [--greyed]
// --greyed draws the picture pale grey with a red slash across it (the "disabled" look).

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

void greyOut(QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            const int grey = 96 + qGray(p) * 150 / 255;
            line[x] = qPremultiply(qRgba(grey, grey, grey, qAlpha(p)));
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = image.width();
    const qreal h = image.height();
    painter.setPen(QPen(QColor(210, 20, 20), w / 9.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(w * 0.15, h * 0.85), QPointF(w * 0.85, h * 0.15));
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() < 4 || args.size() > 5 || (args.size() == 5 && args[4] != QLatin1String("--greyed"))) {
        err << "usage: picgen <input.svg> <output> <width>x<height> [--greyed]\n";
        return 2;
    }
    const QStringList size = args[3].split(QLatin1Char('x'));
    const int width = size.value(0).toInt();
    const int height = size.value(1).toInt();
    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid() || width <= 0 || height <= 0) {
        err << "picgen: cannot render " << args[1] << " at " << args[3] << "\n";
        return 1;
    }
    const bool jpeg = args[2].endsWith(QLatin1String(".jpg"));
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(jpeg ? Qt::white : Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    if (args.size() == 5) {
        greyOut(image);
    }
    if (!image.save(args[2], nullptr, jpeg ? 92 : -1)) {
        err << "picgen: cannot write " << args[2] << "\n";
        return 1;
    }
    return 0;
}
