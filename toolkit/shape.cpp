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
    QPainter painter(this);
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
