// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFrame>

class QPainter;
class Shell;

/// Where rotated text starts within its cell and how much room the rotated text takes.
struct RotatedTextBox
{
    int dx = 0;
    int dy = 0;
    int width = 0;
    int height = 0;
};

namespace Label3DGeometry {
/// Brings an angle into 0..360 degrees; 360 itself stays 360.
int normalisedEscapement(int degrees);
/// The start point offset and the bounding box of a text of w x h pixels turned by the angle.
RotatedTextBox rotatedTextBox(int degrees, int w, int h);
/// How far right the start point moves for the horizontal alignment within the label's width.
int alignmentShift(Qt::Alignment alignment, int labelWidth, int boxWidth);
} // namespace Label3DGeometry

/// A label that draws its text raised, recessed or shadowed, with an optional border, turned by
/// an angle, shortened with an ellipsis, or as a web or e-mail link.
class TLabel3D : public QFrame
{
    Q_OBJECT

public:
    enum TTextStyle { tsNone, tsRaised, tsLightRaised, tsRecessed, tsHeavyRecessed, tsShadow };
    enum TBorderType { btDefault, btRecessed, btRaised };
    enum TLabelStyle { lsDefault, lsWWWAddress, lsEMailAddress };
    enum TEllipsesStyle { esNone, esEnd, esPath };
    Q_ENUM(TTextStyle)
    Q_ENUM(TBorderType)
    Q_ENUM(TLabelStyle)
    Q_ENUM(TEllipsesStyle)

    explicit TLabel3D(QWidget* parent = nullptr);

    /// Links open through this shell; without one a click only reports itself.
    void setShell(Shell* shell) { m_shell = shell; }

    QString text() const { return m_text; }
    void setText(const QString& text);
    Qt::Alignment alignment() const { return m_alignment; }
    /// Horizontal and vertical alignment (the vertical part is the label's layout).
    void setAlignment(Qt::Alignment alignment);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool on);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool on);
    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor& color);
    bool showAccelChar() const { return m_showAccelChar; }
    void setShowAccelChar(bool on);

    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor& color);
    Qt::PenStyle borderPenStyle() const { return m_borderPenStyle; }
    void setBorderPenStyle(Qt::PenStyle style);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);
    bool border() const { return m_border; }
    void setBorder(bool on);
    TBorderType borderType() const { return m_borderType; }
    void setBorderType(TBorderType type);
    int escapement() const { return m_escapement; }
    void setEscapement(int degrees);
    TTextStyle textStyle() const { return m_textStyle; }
    void setTextStyle(TTextStyle style);
    TLabelStyle labelStyle() const { return m_labelStyle; }
    void setLabelStyle(TLabelStyle style);
    QString address() const { return m_address; }
    void setAddress(const QString& address) { m_address = address; }
    TEllipsesStyle ellipsesStyle() const { return m_ellipsesStyle; }
    void setEllipsesStyle(TEllipsesStyle style);
    int shift() const { return m_shift; }
    void setShift(int pixels);

    QColor shadowColor() const;
    QColor highlightColor() const;

    QSize sizeHint() const override;

signals:
    void clicked();
    void mouseEntered(TLabel3D* label);
    void mouseExited(TLabel3D* label);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void paintBorder(QPainter& painter);
    /// Draws every pass of the text; with measure set it only returns the size the text needs.
    QSize DoDrawText(QPainter* painter, const QRect& rect, bool measure);
    void drawPass(QPainter& painter, const QRect& rect, int flags, const QColor& color);
    void drawRotatedPass(QPainter& painter, const QRect& rect, const QColor& color);
    int drawFlags() const;
    bool isLink() const { return m_labelStyle == lsWWWAddress || m_labelStyle == lsEMailAddress; }
    void adjustBounds();
    void setUnderline(bool on);

    Shell* m_shell = nullptr;
    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignTop;
    bool m_wordWrap = false;
    bool m_autoSize = true;
    bool m_transparent = false;
    QColor m_color;
    QColor m_fontColor = Qt::black;
    QColor m_hoverSavedColor;
    bool m_showAccelChar = true;
    bool m_pressed = false;

    QColor m_borderColor = Qt::red;
    Qt::PenStyle m_borderPenStyle = Qt::SolidLine;
    int m_borderWidth = 1;
    bool m_border = false;
    TBorderType m_borderType = btDefault;
    int m_escapement = 0;
    TTextStyle m_textStyle = tsRaised;
    TLabelStyle m_labelStyle = lsDefault;
    QString m_address;
    TEllipsesStyle m_ellipsesStyle = esNone;
    int m_shift = 1;
};
