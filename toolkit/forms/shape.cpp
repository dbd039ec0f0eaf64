// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shape.h"

#include <QPainter>
#include <QPixmapCache>

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

void Shape::paintEvent(QPaintEvent *)
{
    // Antialiased outlines are slow to stroke and the drills repaint them at every answer: a
    // shape is drawn once per look and size, and the picture is shared by every shape like it,
    // in every window, including one opened again.
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringLiteral("toolkit::Shape %1 %2 %3 %4 %5 %6x%7 %8")
                            .arg(m_style.outline.rgba(), 0, 16)
                            .arg(m_style.outlineWidth)
                            .arg(m_style.fill.isValid() ? m_style.fill.rgba() : 0, 0, 16)
                            .arg(m_style.fill.isValid())
                            .arg(m_style.rounded)
                            .arg(width())
                            .arg(height())
                            .arg(ratio);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap((QSizeF(size()) * ratio).toSize());
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        drawShape(painter);
        painter.end();
        QPixmapCache::insert(key, picture);
    }
    QPainter(this).drawPixmap(0, 0, picture);
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
