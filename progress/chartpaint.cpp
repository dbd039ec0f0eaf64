// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartpaint.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <iterator>

namespace progress {

namespace {

// Okabe and Ito's colours, told apart with every common colour blindness; the dash and the
// marker tell them apart in grey too.
struct Style
{
    QColor colour;
    Qt::PenStyle dash;
    int marker; // 0 circle, 1 square, 2 triangle, 3 diamond, 4 cross, 5 plus, 6 triangle down
};
const Style Styles[] = {
    {QColor(0x00, 0x72, 0xB2), Qt::SolidLine, 0}, {QColor(0xE6, 0x9F, 0x00), Qt::DashLine, 1},
    {QColor(0x00, 0x9E, 0x73), Qt::DotLine, 2},   {QColor(0xCC, 0x79, 0xA7), Qt::DashDotLine, 3},
    {QColor(0xD5, 0x5E, 0x00), Qt::SolidLine, 4}, {QColor(0x56, 0xB4, 0xE9), Qt::DashDotDotLine, 5},
    {QColor(0x00, 0x00, 0x00), Qt::DashLine, 6},
};

// An exercise's style; a drill added to the table takes the colours and dashes again, each with
// another marker.
Style styleOf(int exercise)
{
    constexpr int Count = int(std::size(Styles));
    Style style = Styles[exercise % Count];
    style.marker = (style.marker + exercise / Count) % Count;
    return style;
}

void drawMarker(QPainter &painter, QPointF at, int marker, double r)
{
    QPainterPath path;
    switch (marker) {
    case 0:
        path.addEllipse(at, r, r);
        break;
    case 1:
        path.addRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r));
        break;
    case 2:
        path.addPolygon(QPolygonF(
            {at + QPointF(0, -r), at + QPointF(r, r), at + QPointF(-r, r), at + QPointF(0, -r)}));
        break;
    case 3:
        path.addPolygon(QPolygonF({at + QPointF(0, -r), at + QPointF(r, 0), at + QPointF(0, r),
                                   at + QPointF(-r, 0), at + QPointF(0, -r)}));
        break;
    case 4:
        painter.drawLine(at + QPointF(-r, -r), at + QPointF(r, r));
        painter.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
        return;
    case 5:
        painter.drawLine(at + QPointF(-r, 0), at + QPointF(r, 0));
        painter.drawLine(at + QPointF(0, -r), at + QPointF(0, r));
        return;
    default:
        path.addPolygon(QPolygonF(
            {at + QPointF(0, r), at + QPointF(r, -r), at + QPointF(-r, -r), at + QPointF(0, r)}));
        break;
    }
    painter.drawPath(path);
}

} // namespace

void paintChart(QPainter &painter, const QRectF &area, const ChartPicture &picture)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();
    const double unit = line / 6; // pens and markers grow with the text

    // The legend below, as many entries to a row as fit.
    const double sample = line * 3;
    std::vector<QRectF> entries;
    double x = area.left(), rows = picture.exercises.empty() ? 0 : 1;
    for (const QString &name : picture.names) {
        const double width = sample + unit * 2 + metrics.horizontalAdvance(name) + line;
        if (x + width > area.right() && x > area.left()) {
            x = area.left();
            ++rows;
        }
        entries.push_back({x, 0, width, line * 1.4});
        x += width;
    }
    const double legendHeight = rows * line * 1.4;
    const double left = area.left() + metrics.horizontalAdvance(QStringLiteral("100 ")) + line;
    const QRectF plot(left, area.top() + line, area.right() - left - line / 2,
                      area.height() - legendHeight - line * 3.2);

    const double span = std::max<qint64>(picture.period.from.daysTo(picture.period.to), 1);
    const auto xOf = [&](QDate day) {
        return plot.left() + plot.width() * double(picture.period.from.daysTo(day)) / span;
    };
    const auto yOf = [&](double percent) {
        return plot.bottom() - plot.height() * std::clamp(percent, 0.0, 100.0) / 100;
    };
    const QColor text = painter.pen().color();
    QColor grid = text;
    grid.setAlphaF(0.25);

    // Percent lines every 20, and a tick at each week's Monday or each month's first.
    painter.setPen(QPen(grid, unit / 2));
    for (int p = 0; p <= 100; p += 20) {
        painter.drawLine(QPointF(plot.left(), yOf(p)), QPointF(plot.right(), yOf(p)));
        painter.setPen(text);
        painter.drawText(
            QRectF(area.left(), yOf(p) - line / 2, left - area.left() - unit * 2, line),
            Qt::AlignRight | Qt::AlignVCenter, picture.locale.toString(p));
        painter.setPen(QPen(grid, unit / 2));
    }
    QDate tick = picture.period.byMonths()
                     ? QDate(picture.period.from.year(), picture.period.from.month(), 1)
                     : weekOf(picture.period.from);
    if (tick < picture.period.from)
        tick = picture.period.byMonths() ? tick.addMonths(1) : tick.addDays(7);
    const QString format = picture.period.byMonths()
                               ? QStringLiteral("MMM yyyy")
                               : picture.locale.dateFormat(QLocale::ShortFormat);
    // The period's first day is named at the left edge, then each tick where it has room.
    const QString firstLabel = picture.locale.toString(picture.period.from, QLocale::ShortFormat);
    painter.setPen(text);
    painter.drawText(QRectF(plot.left(), plot.bottom() + unit * 3, area.width(), line),
                     Qt::AlignLeft | Qt::AlignVCenter, firstLabel);
    double lastLabel = plot.left() + metrics.horizontalAdvance(firstLabel);
    for (; tick <= picture.period.to;
         tick = picture.period.byMonths() ? tick.addMonths(1) : tick.addDays(7)) {
        const double at = xOf(tick);
        painter.setPen(QPen(grid, unit / 2));
        painter.drawLine(QPointF(at, plot.top()), QPointF(at, plot.bottom() + unit * 3));
        const QString label = picture.locale.toString(tick, format);
        const double width = metrics.horizontalAdvance(label);
        if (at - width / 2 > lastLabel + line / 2 && at + width / 2 <= area.right()) {
            painter.setPen(text);
            painter.drawText(QRectF(at - width / 2, plot.bottom() + unit * 3, width, line),
                             Qt::AlignCenter, label);
            lastLabel = at + width / 2;
        }
    }
    painter.setPen(QPen(text, unit / 2));
    painter.drawRect(plot);

    if (picture.exercises.empty()) {
        painter.setPen(text);
        painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap, picture.emptyText);
    }
    for (const ExerciseWeeks &one : picture.exercises) {
        const Style style = styleOf(one.exercise);
        // Single saves faint, beneath the weekly line.
        QColor faint = style.colour;
        faint.setAlphaF(0.45);
        painter.setPen(Qt::NoPen);
        painter.setBrush(faint);
        for (const Point &save : one.saves)
            painter.drawEllipse(QPointF(xOf(save.day), yOf(save.percent)), unit, unit);
        QPen pen(style.colour, unit * 1.5, style.dash, Qt::FlatCap, Qt::RoundJoin);
        for (const auto &run : one.runs) {
            QPolygonF points;
            for (const Point &week : run)
                points << QPointF(xOf(week.day), yOf(week.percent));
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(points);
            painter.setPen(QPen(style.colour, unit));
            painter.setBrush(style.colour);
            for (const QPointF &p : points)
                drawMarker(painter, p, style.marker, unit * 2.5);
        }
    }

    // The legend: each exercise's dash and marker in its colour, then its name.
    const double legendTop = area.bottom() - legendHeight;
    double row = 0, previous = -1;
    for (size_t i = 0; i < picture.exercises.size() && i < entries.size(); ++i) {
        if (entries[i].left() <= previous)
            ++row;
        previous = entries[i].left();
        const QRectF box = entries[i].translated(0, legendTop + row * line * 1.4);
        const Style style = styleOf(picture.exercises[i].exercise);
        const double mid = box.center().y();
        painter.setPen(QPen(style.colour, unit * 1.5, style.dash, Qt::FlatCap));
        painter.drawLine(QPointF(box.left(), mid), QPointF(box.left() + sample, mid));
        painter.setPen(QPen(style.colour, unit));
        painter.setBrush(style.colour);
        drawMarker(painter, QPointF(box.left() + sample / 2, mid), style.marker, unit * 2.5);
        painter.setPen(text);
        painter.drawText(
            QRectF(box.left() + sample + unit * 2, box.top(), box.width(), box.height()),
            Qt::AlignLeft | Qt::AlignVCenter, picture.names.value(int(i)));
    }
    painter.restore();
}

ChartView::ChartView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picChart"));
    setMinimumHeight(fontMetrics().height() * 12);
}

void ChartView::show(ChartPicture picture)
{
    m_picture = std::move(picture);
    update();
}

void ChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    paintChart(painter, QRectF(rect()).adjusted(4, 4, -4, -4), m_picture);
}

} // namespace progress
