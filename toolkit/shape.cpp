#include "shape.h"

#include <QPainter>

namespace toolkit {

Shape::Shape(const QRect &nominal, const Style &style, QWidget *parent)
    : QWidget(parent)
    , m_style(style)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    const int m = margin();
    setGeometry(nominal.adjusted(-m, -m, m, m));
}

QRect Shape::nominalGeometry() const
{
    const int m = margin();
    return geometry().adjusted(m, m, -m, -m);
}

void Shape::paintEvent(QPaintEvent *)
{
    // Wide antialiased outlines are slow to stroke and the drills repaint them at every answer:
    // they are drawn once and then copied.
    const qreal ratio = devicePixelRatioF();
    if (m_picture.isNull() || m_picture.deviceIndependentSize() != QSizeF(size()) ||
        m_picture.devicePixelRatio() != ratio) {
        m_picture = QPixmap((QSizeF(size()) * ratio).toSize());
        m_picture.setDevicePixelRatio(ratio);
        m_picture.fill(Qt::transparent);
        QPainter painter(&m_picture);
        drawShape(painter);
    }
    QPainter(this).drawPixmap(0, 0, m_picture);
}

void Shape::drawShape(QPainter &painter) const
{
    painter.setRenderHint(QPainter::Antialiasing, m_style.rounded);
    const int m = margin();
    // The pen straddles the nominal edge: half of it lies outside the design's rectangle.
    const QRectF edge = QRectF(rect()).adjusted(m, m, -m, -m);
    QPen pen(m_style.outline, m_style.outlineWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(m_style.fill.isValid() ? QBrush(m_style.fill) : Qt::NoBrush);
    if (m_style.rounded)
        painter.drawRoundedRect(edge, CornerRadius, CornerRadius);
    else
        painter.drawRect(edge);
}

} // namespace toolkit
