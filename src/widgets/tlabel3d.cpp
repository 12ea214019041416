// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tlabel3d.h"

#include "platform/shell.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <QtMath>
#include <climits>

namespace Label3DGeometry {

int normalisedEscapement(int degrees)
{
    if (degrees < 0)
        degrees += 360 * ((-degrees + 359) / 360);
    if (degrees > 360)
        degrees -= 360 * ((degrees - 1) / 360);
    return degrees;
}

namespace {
// Cut toward zero, forgiving the rounding error of sin 30 and its kin.
int cut(double value)
{
    return int(value + (value >= 0 ? 1e-9 : -1e-9));
}
double sinDeg(double degrees)
{
    return qSin(qDegreesToRadians(degrees));
}
double cosDeg(double degrees)
{
    return qCos(qDegreesToRadians(degrees));
}
} // namespace

RotatedTextBox rotatedTextBox(int degrees, int w, int h)
{
    const double a = degrees;
    RotatedTextBox box;
    if (a <= 90) {
        box.dy = cut(w * sinDeg(a));
    } else if (a <= 180) {
        box.dx = cut(-w * cosDeg(a));
        box.dy = cut(w * sinDeg(a)) + cut(h * cosDeg(180 - a));
    } else if (a <= 270) {
        box.dx = cut(-w * cosDeg(a)) + cut(h * sinDeg(a - 180));
        box.dy = cut(h * sinDeg(270 - a));
    } else {
        box.dx = cut(h * sinDeg(360 - a));
    }
    box.width = qAbs(cut(w * cosDeg(a))) + qAbs(cut(h * sinDeg(a)));
    box.height = qAbs(cut(w * sinDeg(a))) + qAbs(cut(h * cosDeg(a)));
    return box;
}

int alignmentShift(Qt::Alignment alignment, int labelWidth, int boxWidth)
{
    if (alignment & Qt::AlignHCenter)
        return (labelWidth - boxWidth) / 2;
    if (alignment & Qt::AlignRight)
        return labelWidth - boxWidth;
    return 0;
}

} // namespace Label3DGeometry

TLabel3D::TLabel3D(QWidget* parent)
    : QFrame(parent)
    , m_color(palette().color(QPalette::Window))
{
    QFont f = font();
    f.setFamily(QStringLiteral("Arial"));
    setFont(f);
}

void TLabel3D::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    adjustBounds();
    update();
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void TLabel3D::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void TLabel3D::setWordWrap(bool on)
{
    m_wordWrap = on;
    adjustBounds();
    update();
}

void TLabel3D::setAutoSize(bool on)
{
    m_autoSize = on;
    adjustBounds();
}

void TLabel3D::setTransparent(bool on)
{
    m_transparent = on;
    update();
}

void TLabel3D::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void TLabel3D::setFontColor(const QColor& color)
{
    m_fontColor = color;
    update();
}

void TLabel3D::setShowAccelChar(bool on)
{
    m_showAccelChar = on;
    adjustBounds();
    update();
}

void TLabel3D::setBorderColor(const QColor& color)
{
    m_borderColor = color;
    repaint();
}

void TLabel3D::setBorderPenStyle(Qt::PenStyle style)
{
    m_borderPenStyle = style;
    repaint();
}

void TLabel3D::setBorderWidth(int width)
{
    m_borderWidth = width;
    repaint();
}

void TLabel3D::setBorder(bool on)
{
    m_border = on;
    repaint();
}

void TLabel3D::setBorderType(TBorderType type)
{
    if (type == m_borderType)
        return;
    m_borderType = type;
    repaint();
}

void TLabel3D::setEscapement(int degrees)
{
    if (degrees == m_escapement)
        return;
    m_escapement = Label3DGeometry::normalisedEscapement(degrees);
    adjustBounds();
    update();
}

void TLabel3D::setTextStyle(TTextStyle style)
{
    if (style == m_textStyle)
        return;
    m_textStyle = style;
    update();
}

void TLabel3D::setLabelStyle(TLabelStyle style)
{
    m_labelStyle = style;
}

void TLabel3D::setEllipsesStyle(TEllipsesStyle style)
{
    if (style == m_ellipsesStyle)
        return;
    if (style != esNone)
        m_autoSize = false;
    m_ellipsesStyle = style;
    update();
}

void TLabel3D::setShift(int pixels)
{
    if (pixels == m_shift)
        return;
    m_shift = pixels;
    repaint();
}

QColor TLabel3D::shadowColor() const
{
    return palette().color(QPalette::Dark);
}

QColor TLabel3D::highlightColor() const
{
    return palette().color(QPalette::Light);
}

QSize TLabel3D::sizeHint() const
{
    if (m_escapement != 0) {
        const QFontMetrics metrics(font());
        const RotatedTextBox box =
            Label3DGeometry::rotatedTextBox(m_escapement, metrics.horizontalAdvance(m_text), metrics.height());
        return {box.width, box.height};
    }
    return const_cast<TLabel3D*>(this)->DoDrawText(nullptr, rect(), true);
}

void TLabel3D::adjustBounds()
{
    if (m_autoSize)
        resize(sizeHint());
}

void TLabel3D::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_transparent)
        painter.fillRect(rect(), m_color);
    if (m_border && m_borderWidth > 0)
        paintBorder(painter);
    DoDrawText(&painter, rect(), false);
}

void TLabel3D::paintBorder(QPainter& painter)
{
    QPen pen(m_borderColor, m_borderWidth, m_borderPenStyle);
    if (m_borderType == btDefault) {
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    const QColor grey(128, 128, 128);
    const QColor white(255, 255, 255);
    const QColor topLeft = m_borderType == btRecessed ? grey : white;
    const QColor bottomRight = m_borderType == btRecessed ? white : grey;
    const int right = width() - 1;
    const int bottom = height() - 1;
    pen.setColor(topLeft);
    painter.setPen(pen);
    painter.drawPolyline(QPolygon{QPoint(0, bottom), QPoint(0, 0), QPoint(right, 0)});
    pen.setColor(bottomRight);
    painter.setPen(pen);
    painter.drawPolyline(QPolygon{QPoint(right, 0), QPoint(right, bottom), QPoint(0, bottom)});
}

int TLabel3D::drawFlags() const
{
    int flags = Qt::TextExpandTabs | int(m_alignment & Qt::AlignHorizontal_Mask);
    if (m_wordWrap)
        flags |= Qt::TextWordWrap;
    if (m_showAccelChar)
        flags |= Qt::TextShowMnemonic;
    if (m_escapement == 0) {
        if (m_alignment & Qt::AlignVCenter)
            flags |= Qt::AlignVCenter | Qt::TextSingleLine;
        else if (m_alignment & Qt::AlignBottom)
            flags |= Qt::AlignBottom | Qt::TextSingleLine;
        else
            flags |= Qt::AlignTop;
    }
    return flags;
}

QSize TLabel3D::DoDrawText(QPainter* painter, const QRect& rect, bool measure)
{
    const int flags = drawFlags();
    if (measure) {
        QString text = m_text;
        if (text.isEmpty() || (m_showAccelChar && text == QStringLiteral("&")))
            text += QLatin1Char(' ');
        const int wrapWidth = m_wordWrap ? qMax(1, rect.width()) : INT_MAX / 4;
        return QFontMetrics(font()).boundingRect(QRect(0, 0, wrapWidth, INT_MAX / 4), flags, text).size();
    }
    if (m_textStyle != tsNone) {
        const int offset = m_textStyle == tsShadow ? m_shift : 1;
        const bool lightFirst = m_textStyle == tsRecessed || m_textStyle == tsHeavyRecessed;
        drawPass(*painter, rect.translated(offset, offset), flags, lightFirst ? highlightColor() : shadowColor());
        if (m_textStyle == tsLightRaised)
            drawPass(*painter, rect.translated(-1, -1), flags, highlightColor());
        else if (m_textStyle == tsHeavyRecessed)
            drawPass(*painter, rect.translated(-1, -1), flags, shadowColor());
    }
    drawPass(*painter, rect, flags,
             isEnabled() ? m_fontColor : palette().color(QPalette::Disabled, QPalette::WindowText));
    return rect.size();
}

void TLabel3D::drawPass(QPainter& painter, const QRect& rect, int flags, const QColor& color)
{
    if (m_escapement != 0) {
        drawRotatedPass(painter, rect, color);
        return;
    }
    QString text = m_text;
    if (m_ellipsesStyle != esNone && !m_wordWrap)
        text = painter.fontMetrics().elidedText(text, m_ellipsesStyle == esEnd ? Qt::ElideRight : Qt::ElideMiddle,
                                                rect.width(), flags);
    painter.setPen(color);
    painter.drawText(rect, flags, text);
}

void TLabel3D::drawRotatedPass(QPainter& painter, const QRect& rect, const QColor& color)
{
    const QFontMetrics metrics(font());
    const RotatedTextBox box =
        Label3DGeometry::rotatedTextBox(m_escapement, metrics.horizontalAdvance(m_text), metrics.height());
    int dx = box.dx;
    if (!m_autoSize)
        dx += Label3DGeometry::alignmentShift(m_alignment, width(), box.width);
    painter.save();
    painter.setPen(color);
    painter.translate(rect.left() + dx, rect.top() + box.dy);
    painter.rotate(-m_escapement);
    painter.drawText(QPoint(0, metrics.ascent()), m_text);
    painter.restore();
}

void TLabel3D::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QFrame::mousePressEvent(event);
}

void TLabel3D::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QFrame::mouseReleaseEvent(event);
    if (!click)
        return;
    if (isLink() && !m_address.isEmpty()) {
        setCursor(Qt::BusyCursor);
        if (m_shell) {
            const QUrl url = m_labelStyle == lsEMailAddress ? QUrl(QStringLiteral("mailto:") + m_address)
                                                            : QUrl::fromUserInput(m_address);
            m_shell->open(url);
        }
        setCursor(Qt::PointingHandCursor);
    }
    emit clicked();
}

void TLabel3D::setUnderline(bool on)
{
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

void TLabel3D::enterEvent(QEnterEvent* event)
{
    QFrame::enterEvent(event);
    if (isLink()) {
        m_hoverSavedColor = m_fontColor;
        setUnderline(true);
        setCursor(Qt::PointingHandCursor);
        setFontColor(Qt::red);
    }
    emit mouseEntered(this);
}

void TLabel3D::leaveEvent(QEvent* event)
{
    QFrame::leaveEvent(event);
    if (isLink()) {
        unsetCursor();
        setUnderline(false);
        setFontColor(m_hoverSavedColor);
    }
    emit mouseExited(this);
}

void TLabel3D::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        adjustBounds();
}
