// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The Progress window's chart, drawn with Qt Charts in a module of its own that the window loads
// when it first opens: the program starts without the library, as quickly as before. Only Qt's
// own types cross between the two.
#pragma once

#include <QList>
#include <QLocale>
#include <QPointF>
#include <QString>

class QWidget;

namespace progress {

struct ChartSeries
{
    QString name;
    QList<QPointF> points; // x: the day's noon, local time, in ms since 1970; y: per cent
};

struct ChartTexts
{
    QString dates; // the axes' titles
    QString percents;
    QLocale locale; // the dates' format on the axis
};

class Chart
{
public:
    virtual ~Chart() = default;
    // The chart's widget, a child of the parent it was made with, which owns it.
    virtual QWidget *widget() = 0;
    virtual void show(const QList<ChartSeries> &series, const ChartTexts &texts) = 0;
};

// The module's one entry, by name: makes the chart inside a parent.
using MakeChart = Chart *(*)(QWidget *parent);
inline constexpr char MakeChartName[] = "sumbrookMakeProgressChart";
inline constexpr char ChartModule[] = "sumbrook_chart";

} // namespace progress
